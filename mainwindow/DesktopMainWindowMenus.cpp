// The menu bar: seven menus over MainWindow's actions, the two View
// toggles and the Transition menu's rebuilt "Add Transition" submenu.
#include "DesktopMainWindow.h"
// The form's timeline area needs the tile class complete.
#include "SegmentWidget.h"
#include "ui_DesktopMainWindow.h"

#include "MediaExplorer.h"
#include "Util.h"

#include <QAction>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>

namespace {
constexpr int kMinimumMediaAreaWidth = 350;
constexpr int kMinimumInspectorAreaWidth = 300;
}

QAction* DesktopMainWindow::_createViewAction(const QString& text, void (DesktopMainWindow::*command)())
{
    auto* action = new QAction(text, this);
    action->setCheckable(true);
    addAction(action);
    connect(action, &QAction::triggered, this, command);
    return action;
}

void DesktopMainWindow::_createViewActions()
{
    _mediaExplorerAction = _createViewAction(tr("Media Explorer"), &DesktopMainWindow::onActionViewMediaExplorerTriggered);
    _segmentInspectorAction =
        _createViewAction(tr("Segment Inspector"), &DesktopMainWindow::onActionViewSegmentInspectorTriggered);
}

QMenu* DesktopMainWindow::_addMenu(const QString& title)
{
    auto* menu = new QMenu(title, this);
    menuBar()->addMenu(menu);
    return menu;
}

void DesktopMainWindow::createMenus()
{
    QMenu* file = _addMenu(tr("File"));
    file->addAction(tr("Save && Close"), this, &QWidget::close);

    QMenu* edit = _addMenu(tr("Edit"));
    edit->addAction(_actionUndo);
    edit->addAction(_actionRedo);
    edit->addSeparator();
    edit->addAction(_actionEnterExitRangeSelect);
    edit->addSeparator();
    edit->addAction(_actionInsertOverwriteMode);

    QMenu* view = _addMenu(tr("View"));
    view->addAction(_mediaExplorerAction);
    view->addAction(_segmentInspectorAction);
    view->addSeparator();
    view->addAction(_actionFullscreen);
    connect(view, &QMenu::aboutToShow, this, &DesktopMainWindow::onViewMenuAboutToShow);

    QMenu* segment = _addMenu(tr("Segment"));
    segment->addActions({_actionAddFile, _actionAddFromCamera, _actionAddFromMicrophone, _actionAddText, _actionAddSelfDraw});
    segment->addSeparator();
    segment->addActions({_actionEnterExitEditingSegment, _actionDuplicateSegment, _actionRemoveSegment});
    segment->addSeparator();
    segment->addAction(_actionSplitSegment);

    _transitionMenuBarMenu = _addMenu(tr("Transition"));
    _transitionMenuBarMenu->addActions({_actionAddTransition, _actionDuplicateTransition, _actionDeleteTransition});
    _transitionMenuBarMenu->addSeparator();
    _transitionMenuBarMenu->addAction(_actionEnterExitEditingTransition);
    connect(_transitionMenuBarMenu, &QMenu::aboutToShow, this, &DesktopMainWindow::onTransitionMenuAboutToShow);

    QMenu* movie = _addMenu(tr("Movie"));
    movie->addActions({_actionPlayPause, _actionNextPosition, _actionPreviousPosition});
    movie->addSeparator();
    movie->addAction(_actionExport);
    movie->addSeparator();
    movie->addAction(_actionMovieSettings);

    QMenu* help = _addMenu(tr("Help"));
    help->addAction(tr("Vidorna Help"), this, &MainWindow::showUserHelp);
    help->addAction(tr("Get Vidorna on Smartphones"), this, &MainWindow::getMobileApp);
    help->addSeparator();
    help->addAction(tr("About Vidorna"), this, &MainWindow::showAbout)->setMenuRole(QAction::AboutRole);

    Util::setMenuBarStyleSheet(menuBar());
    for (QMenu* menu : {file, edit, view, segment, _transitionMenuBarMenu, movie, help})
        Util::setMenuStyleSheet(menu);
}

void DesktopMainWindow::onViewMenuAboutToShow()
{
    _mediaExplorerAction->setChecked(!_isMediaAreaCollapsed());
    _segmentInspectorAction->setChecked(_ui->mainSplitter->sizes().value(1) != 0);
}

void DesktopMainWindow::onTransitionMenuAboutToShow()
{
    _transitionMenuBarMenu->removeAction(_actionAddTransition);
    // The submenu is built anew on every opening; the previous one goes
    // first, or each opening would leave another menu behind.
    QMenu* previous = _actionAddTransition->menu();
    _actionAddTransition->setMenu(nullptr);
    delete previous;
    _actionAddTransition->setMenu(_contextMenuForSegment(_transitionMenuBarMenu));
    _transitionMenuBarMenu->insertAction(_actionDuplicateTransition, _actionAddTransition);
}

void DesktopMainWindow::onActionViewMediaExplorerTriggered()
{
    QSplitter* splitter = _ui->topAreaSplitter;
    QList<int> sizes = splitter->sizes();
    if (sizes.value(0) != 0) {
        if (!splitter->isCollapsible(0))
            return;
        _mediaAreaSize = sizes[0];
        sizes[0] = 0;
    } else {
        if (_mediaAreaSize == -1)
            _mediaAreaSize = QGuiApplication::primaryScreen()->availableGeometry().width() * 4 / 10;
        _mediaAreaSize = qMax(_mediaAreaSize, kMinimumMediaAreaWidth);
        sizes[0] = _mediaAreaSize;
        sizes[1] -= _mediaAreaSize;
        if (!_mediaExplorer->hasWidget())
            _mediaExplorer->createWidget(_ui->mediaAreaWidget, true);
    }
    splitter->setSizes(sizes);
    _mediaExplorerAction->setChecked(!_isMediaAreaCollapsed());
}

void DesktopMainWindow::onActionViewSegmentInspectorTriggered()
{
    QSplitter* splitter = _ui->mainSplitter;
    QList<int> sizes = splitter->sizes();
    if (sizes.value(1) != 0) {
        // Not while a segment is edited: its inspector stays in view.
        if (!splitter->isCollapsible(1))
            return;
        _inspectorAreaSize = sizes[1];
        sizes[1] = 0;
    } else {
        sizes[1] = _openInspectorAreaSize();
    }
    splitter->setSizes(sizes);
}

int DesktopMainWindow::_openInspectorAreaSize()
{
    _inspectorAreaSize = qMax(_inspectorAreaSize, kMinimumInspectorAreaWidth);
    return _inspectorAreaSize;
}
