#include "DesktopMainWindow.h"

// The form's timeline area needs the tile class complete.
#include "SegmentWidget.h"
#include "ui_DesktopMainWindow.h"

#include "EditScrollArea.h"
#include "MediaExplorer.h"
#include "ProjectManager.h"
#include "TaskbarProgress.h"
#include "Util.h"

#include <QApplication>
#include <QCursor>
#include <QDebug>
#include <QEvent>
#include <QLabel>
#include <QMenu>
#include <QPointer>
#include <QResizeEvent>
#include <QScreen>
#include <QWidgetAction>

#include <algorithm>

namespace {

constexpr int kMinimumInspectorAreaSize = 300;
constexpr int kMinimumMediaAreaSize = 350;
constexpr int kMinimumPreviewAreaSize = 200;
constexpr int kMinimumTopAreaHeight = 200;
// Below these preview widths the control bar drops buttons so that the
// playback buttons keep their room.
constexpr int kPreviewMenusMinimumWidth = 500;
constexpr int kPositionButtonsMinimumWidth = 300;
constexpr int kPreviewMenuTitleHeight = 30;

const char* const kCentralStyle = "QWidget#centralwidget { background-color: rgb(31,32,35); }"
                                  "QToolTip { background-color:rgb(54,200,255); color:white; padding: 2px;"
                                  " border-radius: 3px; }";
const char* const kBlackHandleStyle = "QSplitter::handle:vertical { background-color: black; }"
                                      "QSplitter::handle:horizontal { background-color: black; }";
const char* const kRootHandleStyle = "QSplitter::handle:vertical { background-color: rgb(19,20,21); }"
                                     "QSplitter::handle:horizontal { background-color: rgb(19,20,21); }";
const char* const kControlBarStyle =
    "QPushButton { color:white; background-color: transparent; }"
    "QPushButton:hover { background-color: rgb(44,46,50); border-radius: 5px; }"
    "QPushButton:pressed { background-color: black; border-radius: 5px; }";
const char* const kPreviewMenuButtonStyle =
    "QPushButton { color:white; background-color: transparent; border: 1px solid white; border-radius: 5px; }"
    "QPushButton:pressed { background-color: black; border-radius: 5px; color: gray; }";
const char* const kStatusBarStyle = "QStatusBar { background-color:rgb(44,46,50); color:white; }";
const char* const kInspectorAreaStyle = "QWidget { background-color: black; }";
const char* const kNoEditingLabelStyle = "color: lightgray;";
const char* const kHideInspectorButtonStyle =
    "QPushButton { color:black; background-color: white; border-radius: 5px; }"
    "QPushButton:pressed { background-color: lightgray; color: gray; }";
// Room left beside the Hide button's word on either side.
constexpr int kHideButtonTextPadding = 8;

QRect availableScreenGeometry()
{
    return QGuiApplication::primaryScreen()->availableGeometry();
}

} // namespace

DesktopMainWindow::DesktopMainWindow(const QString& projectName, const QString& folderName, QWidget* parent)
    : MainWindow(projectName, folderName, parent), _ui(new Ui_DesktopMainWindow)
{
    _ui->setupUi(this);
    _takeFormWidgets();
    _projectManager->loadLayout();
    _inspectorAreaSize = std::max(_projectManager->inspectorAreaSize(), kMinimumInspectorAreaSize);
    setWindowTitle(projectName);
    setCursor(Qt::ArrowCursor);
    _setupSplitters();
    _initPreviewArea();
    _styleControlBar();
    _connectControlBar();
    if (_projectManager->previewQuality() >= 0)
        _previewSizeLevel = _projectManager->previewQuality();
    _ui->previewQualityButton->setText(previewQualityName(_previewSizeLevel));
    _initRulerScrollArea();
    _initEditScrollArea();
    _initGutterArea();
    _initPointerArea();
    _ui->statusbar->setStyleSheet(QLatin1String(kStatusBarStyle));
    _ui->statusbar->hide();
    _setupInspectorArea();
    _restoreTopSplitter();
    _initMediaExplorer(true);
    _createViewActions();
    createMenus();
    if (!_openProject()) {
        hide();
        deleteLater();
    }
}

DesktopMainWindow::~DesktopMainWindow()
{
    delete _ui;
}

QString DesktopMainWindow::previewQualityName(int level)
{
    switch (level) {
    case 0:
        return QStringLiteral("360p");
    case 2:
        return QStringLiteral("720p");
    case 3:
        return QStringLiteral("1080p");
    default:
        return QStringLiteral("540p");
    }
}

void DesktopMainWindow::_takeFormWidgets()
{
    _previewArea = _ui->previewAreaWidget;
    _textEditParent = _ui->previewAreaWidget;
    _previewContainer = _ui->playbackWidget;
    _mediaArea = _ui->mediaAreaWidget;
    _pointerArea = _ui->pointerAreaWidget;
    _editAreaWidget = _ui->editAreaWidget;
    _timeline = _ui->editScrollArea;
    _ruler = _ui->rulerScrollArea;
    _segmentModeButton = _ui->segmentModeButton;
    _playPauseButton = _ui->playPauseButton;
}

void DesktopMainWindow::_setupSplitters()
{
    _ui->centralwidget->setStyleSheet(QLatin1String(kCentralStyle));
    _ui->topAreaSplitter->setCollapsible(1, false);
    connect(_ui->topAreaSplitter, &QSplitter::splitterMoved, this, &DesktopMainWindow::onTopAreaSplitterMoved);
    _ui->topAreaWidget->setMinimumHeight(kMinimumTopAreaHeight);
    connect(_ui->rootAreaSplitter, &QSplitter::splitterMoved, this, &DesktopMainWindow::onRootAreaSplitterMoved);
    _restoreRootSplitter();
    _ui->mainSplitter->setStyleSheet(QLatin1String(kBlackHandleStyle));
    _ui->mainSplitter->setHandleWidth(2);
    connect(_ui->mainSplitter, &QSplitter::splitterMoved, this, &DesktopMainWindow::onMainSplitterMoved);
    _ui->rootAreaSplitter->setStyleSheet(QLatin1String(kRootHandleStyle));
    _ui->topAreaSplitter->setStyleSheet(QLatin1String(kBlackHandleStyle));
    _ui->topAreaSplitter->setHandleWidth(2);
}

void DesktopMainWindow::_restoreRootSplitter()
{
    const int height = availableScreenGeometry().height();
    _previewAreaSize = _projectManager->previewAreaSize();
    if (_previewAreaSize != -1) {
        _previewAreaSize = std::max(_previewAreaSize, kMinimumPreviewAreaSize);
        _ui->rootAreaSplitter->setSizes({_previewAreaSize, height - _previewAreaSize});
    } else {
        _ui->rootAreaSplitter->setSizes({height * 50 / 100, height - height * 50 / 100});
    }
}

void DesktopMainWindow::_restoreTopSplitter()
{
    const int width = availableScreenGeometry().width();
    _mediaAreaSize = _projectManager->mediaAreaSize();
    if (_projectManager->isMediaAreaHidden()) {
        _ui->topAreaSplitter->setSizes({0, width});
        return;
    }
    if (_mediaAreaSize == -1)
        _mediaAreaSize = width * 4 / 10;
    else
        _mediaAreaSize = std::max(_mediaAreaSize, kMinimumMediaAreaSize);
    _ui->topAreaSplitter->setSizes({_mediaAreaSize, width - _mediaAreaSize});
}

void DesktopMainWindow::_styleControlBar()
{
    _ui->rightAreaControlWidget->setStyleSheet(QLatin1String(kControlBarStyle));
    _ui->previewScaleButton->setStyleSheet(QLatin1String(kPreviewMenuButtonStyle));
    _ui->previewQualityButton->setStyleSheet(QLatin1String(kPreviewMenuButtonStyle));
}

void DesktopMainWindow::_connectControlBar()
{
    connect(_ui->playPauseButton, &QPushButton::clicked, this, &DesktopMainWindow::onPlayPauseButtonClicked);
    connect(_ui->nextPosButton, &QPushButton::clicked, this, &DesktopMainWindow::onNextPositionButtonClicked);
    connect(_ui->previousPosButton, &QPushButton::clicked, this, &DesktopMainWindow::onPreviousPositionButtonClicked);
    connect(_ui->projectSettingsButton, &QPushButton::clicked, this,
            &DesktopMainWindow::onProjectSettingsButtonClicked);
    connect(_ui->previewScaleButton, &QPushButton::clicked, this, &DesktopMainWindow::onPreviewScaleButtonClicked);
    connect(_ui->previewQualityButton, &QPushButton::clicked, this,
            &DesktopMainWindow::onPreviewQualityButtonClicked);
    connect(_ui->fullscreenButton, &QPushButton::clicked, this, &DesktopMainWindow::onFullscreenButtonClicked);
    connect(_ui->shareButton, &QPushButton::clicked, this, &DesktopMainWindow::onShareButtonClicked);
    connect(_ui->undoButton, &QPushButton::clicked, this, &DesktopMainWindow::onUndoButtonClicked);
}

void DesktopMainWindow::_setupInspectorArea()
{
    _ui->inspectorAreaWidget->setStyleSheet(QLatin1String(kInspectorAreaStyle));
    _ui->inspectorAreaWidget->setMinimumWidth(kMinimumInspectorAreaSize);
    connect(_ui->hideInspectorAreaButton, &QPushButton::clicked, this,
            &DesktopMainWindow::onHideInspectorAreaButtonClicked);
    // The inspector area opens only when a segment is edited.
    _ui->mainSplitter->setSizes({availableScreenGeometry().width(), 0});
    _ui->noEditingSegmentTextLabel->setStyleSheet(QLatin1String(kNoEditingLabelStyle));
    _ui->hideInspectorAreaButton->setStyleSheet(QLatin1String(kHideInspectorButtonStyle));
    _fitHideButtonToItsWord();
    _ui->mediaAreaWidget->setMinimumWidth(kMinimumMediaAreaSize);
}

void DesktopMainWindow::_fitHideButtonToItsWord()
{
    // The form's width holds the English word; a longer translation widens it.
    QPushButton* hide = _ui->hideInspectorAreaButton;
    const int wordWidth = hide->fontMetrics().horizontalAdvance(hide->text()) + 2 * kHideButtonTextPadding;
    hide->setFixedWidth(std::max(hide->minimumWidth(), wordWidth));
}

// ---- Layout -------------------------------------------------------------------

bool DesktopMainWindow::_isMediaAreaCollapsed() const
{
    return _ui->topAreaSplitter->sizes().value(0) == 0;
}

void DesktopMainWindow::onRootAreaSplitterMoved(int, int)
{
    _previewAreaSize = _ui->rootAreaSplitter->sizes().value(0);
}

void DesktopMainWindow::onMainSplitterMoved(int, int)
{
    const int inspectorWidth = _ui->mainSplitter->sizes().value(1);
    if (inspectorWidth > 0)
        _inspectorAreaSize = inspectorWidth;
    // A wider inspector narrows the timeline under the play pointer.
    _ensureWidgetVisibleInTimeline();
}

void DesktopMainWindow::onTopAreaSplitterMoved(int pos, int index)
{
    qDebug() << "onTopAreaSplitterMoved" << pos << index;
    // The preview of a library item goes with the library.
    if (index == 1 && pos == 0)
        _hideMediaPreview();
    const int mediaWidth = _ui->topAreaSplitter->sizes().value(0);
    if (mediaWidth <= 0)
        return;
    _mediaAreaSize = mediaWidth;
    if (_mediaExplorer->hasWidget())
        return;
    _mediaExplorer->createWidget(_mediaArea, true);
    _showMediaExplorerHelpTip();
}

void DesktopMainWindow::onHideInspectorAreaButtonClicked()
{
    const int total = _ui->mainSplitter->sizes().value(0) + _ui->mainSplitter->sizes().value(1);
    _ui->mainSplitter->setSizes({total, 0});
}

// ---- Control bar ----------------------------------------------------------------

bool DesktopMainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Resize) {
        if (watched == _previewArea) {
            _updateControlBarForWidth(static_cast<QResizeEvent*>(event)->size().width());
            // In full screen the preview area is the whole central widget, which
            // also grows when the menu bar hides without the window resizing.
            _placeFullscreenControls();
        }
    } else if (event->type() == QEvent::MouseMove) {
        _showFullscreenControls();
    }
    return MainWindow::eventFilter(watched, event);
}

void DesktopMainWindow::_updateControlBarForWidth(int width)
{
    const bool roomForMenus = width >= kPreviewMenusMinimumWidth;
    _ui->previewScaleButton->setVisible(roomForMenus);
    _ui->previewQualityButton->setVisible(roomForMenus);
    if (width < kPositionButtonsMinimumWidth) {
        _ui->previousPosButton->hide();
        _ui->nextPosButton->hide();
    } else if (_ui->previousPosButton->isHidden()) {
        _ui->previousPosButton->show();
        _ui->nextPosButton->show();
    }
}

void DesktopMainWindow::onPlayPauseButtonClicked()
{
    _togglePlayback();
}

void DesktopMainWindow::onNextPositionButtonClicked()
{
    _nextPosition();
}

void DesktopMainWindow::onPreviousPositionButtonClicked()
{
    _previousPosition();
}

void DesktopMainWindow::onProjectSettingsButtonClicked()
{
    _showProjectSettings();
}

void DesktopMainWindow::onFullscreenButtonClicked()
{
    _toggleFullScreen();
}

// ---- Preview menus ----------------------------------------------------------------

QMenu* DesktopMainWindow::_createPreviewMenu(const QString& title)
{
    auto* menu = new QMenu(this);
    menu->setWindowFlags(menu->windowFlags() | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    menu->setAttribute(Qt::WA_TranslucentBackground);
    Util::setPopupMenuStyleSheet(menu);
    auto* label = new QLabel(QStringLiteral("<font color=\"#36c8ff\"><i>%1</i></font>").arg(title), menu);
    label->setAlignment(Qt::AlignCenter);
    label->setFixedHeight(kPreviewMenuTitleHeight);
    auto* titleAction = new QWidgetAction(menu);
    titleAction->setDefaultWidget(label);
    menu->addAction(titleAction);
    return menu;
}

void DesktopMainWindow::_execPreviewMenu(QMenu* menu)
{
    QPointer<DesktopMainWindow> guard(this);
    menu->exec(QCursor::pos());
    if (guard)
        delete menu;
}

void DesktopMainWindow::onPreviewQualityButtonClicked()
{
    QMenu* menu = _createPreviewMenu(tr("Preview Resolution"));
    const QStringList names = {QStringLiteral("360p"), QStringLiteral("540p"), QStringLiteral("720p"),
                               QStringLiteral("1080p")};
    for (int level = 0; level < names.size(); ++level)
        menu->addAction(names.at(level), this, [this, level] { _applyPreviewQuality(level); }, QKeySequence());
    _execPreviewMenu(menu);
}

void DesktopMainWindow::onPreviewScaleButtonClicked()
{
    QMenu* menu = _createPreviewMenu(tr("Preview Scale"));
    const QList<QPair<QString, float>> scales = {
        {tr("100%"), 1.0f}, {tr("75%"), 0.75f}, {tr("50%"), 0.5f}, {tr("25%"), 0.25f}};
    for (const auto& scale : scales) {
        const float factor = scale.second;
        menu->addAction(scale.first, this, [this, factor] { _applyPreviewScale(factor); }, QKeySequence());
    }
    _execPreviewMenu(menu);
}

void DesktopMainWindow::_applyPreviewQuality(int level)
{
    applyPreviewSizeLevel(level);
    _ui->previewQualityButton->setText(previewQualityName(_previewSizeLevel));
}

void DesktopMainWindow::_applyPreviewScale(float scale)
{
    _previewScale = scale;
    _ui->previewScaleButton->setText(QStringLiteral("%1%").arg(int(scale * 100.0f)));
    adjustPlaybackArea();
    QApplication::postEvent(_previewArea, new QResizeEvent(_previewArea->size(), _previewArea->size()));
}

// ---- Taskbar ------------------------------------------------------------------------

void DesktopMainWindow::createTaskbarProgress()
{
    if (!_taskbarProgress)
        _taskbarProgress = new TaskbarProgress(this);
    _taskbarProgress->reset();
    _taskbarProgress->show();
}

void DesktopMainWindow::setTaskbarProgressValue(float fraction)
{
    if (_taskbarProgress)
        _taskbarProgress->setValue(TaskbarProgress::percentOf(fraction));
}

void DesktopMainWindow::hideTaskbarProgress()
{
    if (!_taskbarProgress)
        return;
    _taskbarProgress->hide();
    delete _taskbarProgress;
    _taskbarProgress = nullptr;
}
