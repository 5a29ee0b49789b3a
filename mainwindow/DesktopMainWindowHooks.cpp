// The desktop window's answers to MainWindow's hooks: the docked segment
// inspector, the editing modes, the control bar's buttons and the layout.
#include "DesktopMainWindow.h"
// The form's timeline area needs the tile class complete.
#include "SegmentWidget.h"
#include "ui_DesktopMainWindow.h"

#include "AVComposition.h"
#include "EditScrollArea.h"
#include "ProjectManager.h"
#include "Segment.h"
#include "SegmentInspectorWidget.h"
#include "TransformWidget.h"

#include <QPushButton>
#include <QSpacerItem>
#include <QSplitter>

namespace {
constexpr int kInspectorDelayMs = 200;
}

bool DesktopMainWindow::_isEditingTransitions() const
{
    return _segmentInspectorWidget && _segmentInspectorWidget->isTransitionEditMode();
}

bool DesktopMainWindow::_volumeControlEnabled() const
{
    if (!_segmentInspectorWidget)
        return false;
    return _isEditingTransitions() ? _segmentInspectorWidget->transitionVolumeControlEnabled()
                                   : _segmentInspectorWidget->volumeControlEnabled();
}

void DesktopMainWindow::setupWindowWidgets(Segment* segment, float time)
{
    if (!segment)
        return;
    if (!_segmentInspectorWidget)
        _createSegmentInspector();
    const QSize canvas = _composition ? QSize(_composition->width(), _composition->height()) : QSize();
    _segmentInspectorWidget->setSegment(segment, canvas);
    if (!_segmentInspectorWidget->isVisible()) {
        _segmentInspectorWidget->show();
        _showInspectorPlaceholder(false);
    }
    QList<int> sizes = _ui->mainSplitter->sizes();
    if (sizes.value(1) == 0) {
        sizes[1] = _openInspectorAreaSize();
        _ui->mainSplitter->setSizes(sizes);
    }
    // While a segment is edited its inspector stays open.
    _ui->mainSplitter->setCollapsible(1, false);
    _runForProject(kInspectorDelayMs, [this, time] {
        _updateEditingControls(time);
        _ensureWidgetVisibleInTimeline();
    });
}

// The placeholder text and the Hide button sit between two spacers that
// centre them; while the inspector shows, the spacers take no room.
void DesktopMainWindow::_showInspectorPlaceholder(bool show)
{
    const QSizePolicy::Policy vertical = show ? QSizePolicy::Expanding : QSizePolicy::Minimum;
    _ui->verticalSpacer->changeSize(0, 0, QSizePolicy::Minimum, vertical);
    _ui->verticalSpacer_2->changeSize(0, 0, QSizePolicy::Minimum, vertical);
    _ui->inspectorAreaVerticalLayout->invalidate();
    _ui->noEditingSegmentTextLabel->setVisible(show);
    _ui->hideInspectorAreaButton->setVisible(show);
}

void DesktopMainWindow::_dismissEditingPanels()
{
    if (_segmentInspectorWidget) {
        _segmentInspectorWidget->dismissPopups();
        _segmentInspectorWidget->hide();
    }
    _showInspectorPlaceholder(true);
    _timeline->setFocus(Qt::OtherFocusReason);
    _ui->mainSplitter->setCollapsible(1, true);
}

void DesktopMainWindow::_updateEditingControls(float time)
{
    Segment* segment = _timelineEditingSegment();
    if (!_segmentInspectorWidget || !segment)
        return;
    static const QStringList kTimedTypes = {QStringLiteral("IMAGE"), QStringLiteral("TEXT"),
                                            QStringLiteral("DRAWING"), QStringLiteral("MOVIE")};
    const bool timed = kTimedTypes.contains(segment->type()) || segment->hasAudio();
    const bool inside = timed && segment->rangeStart() <= time && time < segment->rangeStart() + segment->duration();
    _segmentInspectorWidget->refreshEditingControllers(segment, _transformWidget, inside, time);
}

int DesktopMainWindow::_editingTransitionId() const
{
    SegmentWidget* widget = _timeline ? _timeline->editingSegmentWidget() : nullptr;
    return widget ? widget->transitionId() : 0;
}

void DesktopMainWindow::_updateTransitionControls()
{
    Segment* segment = _timelineEditingSegment();
    if (_segmentInspectorWidget && segment)
        _segmentInspectorWidget->updateTransitionControllers(segment, _editingTransitionId(), _editingTransitionState);
}

void DesktopMainWindow::_updateGeometryControls()
{
    if (!_segmentInspectorWidget)
        return;
    Segment* segment = _timelineEditingSegment();
    if (_isEditingTransitions())
        _segmentInspectorWidget->updateTransitionGeometryValues(segment, _editingTransitionId(), _editingTransitionState);
    else
        _segmentInspectorWidget->updateGeometryValues(segment);
}

void DesktopMainWindow::_updateCornerControls(int corner)
{
    if (!_segmentInspectorWidget)
        return;
    if (_isEditingTransitions())
        _segmentInspectorWidget->setTransitionGeometryCornerIndex(corner);
    else
        _segmentInspectorWidget->setGeometryCornerIndex(corner);
}

void DesktopMainWindow::_enterCropMode(bool on)
{
    MainWindow::_enterCropMode(on);
    _setEditingMode(on, tr("Cropping..."), 0);
}

void DesktopMainWindow::_enterEditingMode(bool on)
{
    MainWindow::_enterEditingMode(on);
    _setEditingMode(on, tr("Editing..."), 1);
}

void DesktopMainWindow::_enterDrawingMode(bool on)
{
    MainWindow::_enterDrawingMode(on);
    _setEditingMode(on, tr("Drawing..."), 2);
}

// While a mode is on the control bar's commands that would leave it
// behind (play, undo, settings, export) are unavailable.
void DesktopMainWindow::_setEditingMode(bool on, const QString& title, int mode)
{
    if (_segmentInspectorWidget)
        _segmentInspectorWidget->setEditingMode(on, title, mode);
    for (QPushButton* button : {_ui->playPauseButton, _ui->undoButton, _ui->projectSettingsButton, _ui->shareButton})
        button->setEnabled(!on);
}

void DesktopMainWindow::_selectEditingTransition()
{
    Segment* segment = _timelineEditingSegment();
    if (_segmentInspectorWidget && segment)
        _segmentInspectorWidget->selectTransition(segment, _editingTransitionId(), _editingTransitionState);
}

QString DesktopMainWindow::easingFunctionName(Segment* segment, int transitionId) const
{
    if (transitionId <= 0)
        return tr("Linear");
    if (!segment)
        return QString();
    const int code = segment->transitionEasingFunction(transitionId);
    if (code == 1)
        return tr("%1").arg(tr("Linear"));
    if (code < 2 || code > 16)
        return QString();
    const QString families[] = {tr("Smooth"), tr("Circular"), tr("Back"), tr("Elastic"), tr("Bounce")};
    const QString patterns[] = {tr("%1 In"), tr("%1 Out"), tr("%1 InOut")};
    return patterns[(code - 2) % 3].arg(families[(code - 2) / 3]);
}

void DesktopMainWindow::_seekToEditingTransition(Segment*, int transitionId, bool beginOrEnd)
{
    if (!_segmentInspectorWidget || _segmentInspectorWidget->isTransitionEditMode()) {
        _seekToTransition(transitionId, beginOrEnd);
        return;
    }
    _segmentInspectorWidget->enterTransitionEditMode();
    _segmentEditingEnterEditTransition();
    // The tile needs a moment to show its transition bands before the seek.
    _runForProject(kInspectorDelayMs, [this, transitionId, beginOrEnd] {
        if (_timeline && _timeline->editingSegmentWidget())
            _seekToTransition(transitionId, beginOrEnd);
    });
}

void DesktopMainWindow::_saveToolbarScrollPosition(QHash<QString, QVariant>& state)
{
    if (_segmentInspectorWidget)
        state.insert(QStringLiteral("offset"), _segmentInspectorWidget->scrollPosition());
}

void DesktopMainWindow::_restoreToolbarScrollPosition(const QHash<QString, QVariant>& state)
{
    if (_segmentInspectorWidget)
        _segmentInspectorWidget->setScrollPosition(state.value(QStringLiteral("offset"), 0).toInt());
}

void DesktopMainWindow::_updateTransitionToolbarState()
{
    if (_segmentInspectorWidget)
        _segmentInspectorWidget->enterTransitionEditMode();
}

void DesktopMainWindow::_updateTextFontControls()
{
    if (_segmentInspectorWidget)
        _segmentInspectorWidget->updateTextFontValues(_timelineEditingSegment());
}

// A docked panel takes the control bar's place below the preview.
void DesktopMainWindow::_dockPanelWidget(QWidget* widget)
{
    if (!_ui->rightAreaControlWidget->isVisible())
        return;
    widget->setFixedHeight(_ui->rightAreaControlWidget->height());
    _ui->rightAreaVerticalLayout->addWidget(widget);
    _ui->rightAreaControlWidget->hide();
}

void DesktopMainWindow::_undockPanelWidget(QWidget* widget)
{
    if (!_ui->rightAreaControlWidget->isHidden())
        return;
    _ui->rightAreaVerticalLayout->removeWidget(widget);
    _ui->rightAreaControlWidget->show();
}

void DesktopMainWindow::segmentInspectorWidget_onEnterEditTransition(SegmentInspectorWidget* inspector)
{
    inspector->enterTransitionEditMode();
    _segmentEditingEnterEditTransition();
}

void DesktopMainWindow::segmentInspectorWidget_onEnterEditTransition()
{
    if (_segmentInspectorWidget)
        segmentInspectorWidget_onEnterEditTransition(_segmentInspectorWidget);
}

void DesktopMainWindow::segmentInspectorWidget_onExitEditTransition()
{
    if (_segmentInspectorWidget)
        segmentInspectorWidget_onExitEditTransition(_segmentInspectorWidget);
}

void DesktopMainWindow::segmentInspectorWidget_onExitEditTransition(SegmentInspectorWidget* inspector)
{
    Segment* segment = _timelineEditingSegment();
    if (!segment)
        return;
    inspector->exitTransitionEditMode(segment);
    _segmentEditingExitEditTransition();
    _updateEditingControls(_currentScrollTime());
}

void DesktopMainWindow::segmentInspectorWidget_onEndDrawing(SegmentInspectorWidget*)
{
    _segmentEditingSetDrawingWidgets(nullptr, nullptr);
}

bool DesktopMainWindow::_dismissAllPopupsAndPreview()
{
    if (MainWindow::_dismissAllPopupsAndPreview())
        return true;
    if (_ui->mainSplitter->sizes().value(1) == 0)
        return false;
    onHideInspectorAreaButtonClicked();
    return true;
}

void DesktopMainWindow::saveLayout()
{
    _projectManager->setInspectorAreaSize(_inspectorAreaSize);
    _projectManager->setMediaAreaSize(_mediaAreaSize);
    _projectManager->setMediaAreaHidden(_isMediaAreaCollapsed());
    _projectManager->setPreviewAreaSize(_previewAreaSize);
    _projectManager->setPreviewQuality(_previewSizeLevel);
    _projectManager->saveLayout();
}

void DesktopMainWindow::_showProjectSettings()
{
    _popupProjectSettings(_ui->projectSettingsButton, 1);
}

void DesktopMainWindow::onUndoButtonClicked()
{
    _pausePlayback();
    applyHistory(true);
}

void DesktopMainWindow::onShareButtonClicked()
{
    exportMovie();
}
