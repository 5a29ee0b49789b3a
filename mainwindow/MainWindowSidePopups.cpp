// Heads-up messages, the popups beside the preview (project settings,
// library item preview) and the help tips shown once the window is idle.
#include "MainWindow.h"

#include "AVEngine.h"
#include "AVGLWidget.h"
#include "AssetLoadingThreadPool.h"
#include "EditScrollArea.h"
#include "MediaPreviewControlWidget.h"
#include "MediaPreviewWidget.h"
#include "PopupEasingFunctionsWidget.h"
#include "PopupProjectSettingsWidget.h"
#include "ProgressHUD.h"
#include "ProjectManager.h"
#include "ScrollableToolBar.h"
#include "SegmentWidget.h"
#include "TextSegment.h"
#include "TipManager.h"
#include "TooltipButton.h"

#include <QApplication>
#include <QDateTime>
#include <QResizeEvent>

namespace {

constexpr int kTextMessageMs = 2000;
constexpr int kBusyRetryMs = 1000;
constexpr int kTipDelayMs = 500;
// A new tile settles on its track before its tips point at it.
constexpr int kNewTileTipsDelayMs = 500;
constexpr int kMediaPreviewInset = 28;
// The easing curves open below their button, not above it.
constexpr int kEasingPopupDrop = 150;
constexpr int32_t kFontScaleProperty = 16;

} // namespace

// --- Heads-up messages --------------------------------------------------------------

void MainWindow::showProgressHUD(const QString& text, float progress)
{
    if (!_waitingHUD) {
        _waitingHUD = new ProgressHUD(this, ProgressHUDBar);
        _waitingHUD->setGeometry(0, 0, width(), height());
        _waitingHUD->show();
    }
    _waitingHUD->setText(text);
    _waitingHUD->setProgress(progress);
}

void MainWindow::mediaExplorer_onShowProgressHUD(QString text, float progress)
{
    showProgressHUD(text, progress);
}

void MainWindow::mediaExplorer_onHideProgressHUD()
{
    hideWaitingHUD();
}

void MainWindow::mediaExplorer_onShowTextMessage(QString message)
{
    ProgressHUD::showMessage(message, this, kTextMessageMs);
}

// --- Popup bookkeeping ----------------------------------------------------------------

void MainWindow::_showPopup(CommonPopup* popup, QWidget* anchor)
{
    _currentPopup = popup;
    _transitionAnchor = anchor;
    connect(popup, &CommonPopup::dismissed, this, &MainWindow::popup_onDismissed);
}

// The top centre of the button the open popup belongs to, in the central widget.
QPoint MainWindow::_popupAnchorPoint() const
{
    QWidget* central = centralWidget();
    QWidget* button = _highlightedToolBar ? _highlightedToolBar->buttonForCommand(_highlightedCommandId) : nullptr;
    int drop = 0;
    if (!button) {
        button = _transitionAnchor;
        if (qobject_cast<PopupEasingFunctionsWidget*>(_currentPopup.data()))
            drop = kEasingPopupDrop;
    }
    if (!button || !central)
        return QPoint();
    return button->mapTo(central, QPoint(button->width() / 2, 0)) + QPoint(0, drop);
}

void MainWindow::_replacePopup()
{
    if (_currentPopup)
        _currentPopup->showAt(_popupAnchorPoint());
    if (TipManager::hasInstance())
        TipManager::instance()->relayoutCurrentTip();
}

// --- Media library and its preview ------------------------------------------------------

void MainWindow::mediaExplorer_onMediaItemClicked(QString mediaId, int type, QString filePath, QPixmap image,
                                                  QString metadata)
{
    if (_mediaPreview && _mediaPreview->isVisible() && _mediaPreview->filePath() == mediaId) {
        _hideMediaPreview();
        return;
    }
    _showMediaPreview(mediaId, type, filePath, image, metadata);
}

void MainWindow::_showMediaPreview(const QString& mediaId, int type, const QString& filePath, const QPixmap& image,
                                   const QString& metadata)
{
    if (SegmentWidget* editing = _timeline ? _timeline->editingSegmentWidget() : nullptr)
        editing->setEditing(false, true);
    _pausePlayback();
    if (!_mediaPreview) {
        _mediaPreview = new MediaPreviewWidget(_previewArea);
        connect(_mediaPreview, &MediaPreviewWidget::displayMediaPreviewControlWidgetExternal, this,
                &MainWindow::mediaPreviewWidget_onDisplayMediaPreviewControlWidgetExternal);
        connect(_mediaPreview, &MediaPreviewWidget::hideMediaPreviewControlWidgetExternal, this,
                &MainWindow::mediaPreviewWidget_onHideMediaPreviewControlWidgetExternal);
        connect(_mediaPreview, &MediaPreviewWidget::didPressClose, this, &MainWindow::_hideMediaPreview);
        _layoutMediaPreview();
    }
    _mediaPreview->showMedia(mediaId, type, filePath, image, metadata);
    _mediaPreview->show();
    _mediaPreview->raise();
    if (_previewWidget)
        _previewWidget->hide();
    _mediaPreviewShownAt = QDateTime::currentMSecsSinceEpoch();
}

void MainWindow::_layoutMediaPreview()
{
    if (_mediaPreview && _previewArea)
        _mediaPreview->setGeometry(_previewArea->rect().adjusted(kMediaPreviewInset, kMediaPreviewInset,
                                                                 -kMediaPreviewInset, -kMediaPreviewInset));
}

void MainWindow::mediaPreviewWidget_onDisplayMediaPreviewControlWidgetExternal(MediaPreviewControlWidget* controlWidget)
{
    _dockPanelWidget(controlWidget);
}

void MainWindow::mediaPreviewWidget_onHideMediaPreviewControlWidgetExternal(MediaPreviewControlWidget* controlWidget)
{
    _undockPanelWidget(controlWidget);
}

// --- Project settings --------------------------------------------------------------------

void MainWindow::_popupProjectSettings(QWidget* anchor, int mode)
{
    const int presentation = !anchor ? 0 : (mode == 1 ? 3 : 2);
    auto* popup = new PopupProjectSettingsWidget(centralWidget());
    popup->showWithSettings(centralWidget(), anchor, presentation, _projectManager->resolution(),
                            _projectManager->direction(), _projectManager->frameRate(),
                            _projectManager->fixCoverImage(), QColor::fromRgba(_projectManager->backgroundColor()));
    _showPopup(popup, anchor);
    connect(popup, &PopupProjectSettingsWidget::popupProjectSettingsWidgetDidFinish, this,
            &MainWindow::projectSettingsPopup_onDidFinish);
    connect(popup, &PopupProjectSettingsWidget::popupProjectSettingsWidgetParametersDidChange, this,
            &MainWindow::projectSettingsPopup_onParametersDidChange);
}

void MainWindow::projectSettingsPopup_onParametersDidChange(PopupProjectSettingsWidget* popup)
{
    _applyProjectSettings(popup->resolution(), popup->direction(), popup->frameRate(), popup->fixCoverImage(),
                          popup->backgroundColor());
}

void MainWindow::projectSettingsPopup_onDidFinish(PopupProjectSettingsWidget* popup)
{
    projectSettingsPopup_onParametersDidChange(popup);
    popup->dismiss();
}

void MainWindow::_applyProjectSettings(int aspect, bool landscape, float frameRate, bool fixCoverImage,
                                       const QColor& backgroundColor)
{
    if (fixCoverImage != _projectManager->fixCoverImage()) {
        _projectManager->setModified(true);
        _projectManager->setFixCoverImage(fixCoverImage);
    }
    if (frameRate != _projectManager->frameRate()) {
        _projectManager->setModified(true);
        _projectManager->setFrameRate(frameRate);
    }
    if (backgroundColor.rgba() != _projectManager->backgroundColor())
        _applyBackgroundColor(backgroundColor);
    if (aspect != _projectManager->resolution() || landscape != _projectManager->direction())
        _applyAspect(aspect, landscape);
}

void MainWindow::_applyBackgroundColor(const QColor& color)
{
    _projectManager->setModified(true);
    _projectManager->setBackgroundColor(color.rgba());
    _stylePreviewBackground(color);
    if (_engine) {
        _engine->setBackgroundColor(color.redF(), color.greenF(), color.blueF(), color.alphaF());
        _engine->requestRedraw();
    }
    if (_previewWidget)
        _previewWidget->setBackgroundColor(color);
}

void MainWindow::_applyAspect(int aspect, bool landscape)
{
    _projectManager->setModified(true);
    _projectManager->setResolution(aspect);
    _projectManager->setDirection(landscape);
    QApplication::postEvent(this, new QResizeEvent(size(), size()));
    const QSize movie = _projectManager->movieSize(_previewSizeLevel);
    if (_engine) {
        _engine->updateLayout(movie.width(), movie.height());
        const QSizeF videoSize(movie);
        for (int index = 0; index < _projectManager->segmentCount(); ++index) {
            const auto* text = dynamic_cast<const TextSegment*>(_projectManager->segmentAt(index));
            if (text)
                _engine->setSegmentProperty(text->serialNumber(), kFontScaleProperty,
                                            text->fontSize(videoSize) / float(movie.width()), 0.0f, 0.0f, 0.0f);
        }
        _engine->requestRedraw();
    }
    if (_previewArea)
        QApplication::postEvent(_previewArea, new QResizeEvent(_previewArea->size(), _previewArea->size()));
}

// --- Help tips once idle ----------------------------------------------------------------

// Not while closing; while segments still load, a second later.
void MainWindow::_runWhenIdle(const std::function<void()>& step)
{
    if (!_autosaveTimer || !_autosaveTimer->isActive())
        return;
    if (AssetLoadingThreadPool::instance()->activeThreadCount() > 0) {
        _runForProject(kBusyRetryMs, [this, step] { _runWhenIdle(step); });
        return;
    }
    step();
}

void MainWindow::_showMediaExplorerHelpTip()
{
    _runWhenIdle([this] {
        if (_mediaArea && !_isMediaAreaCollapsed())
            TipManager::instance()->showTipDelayed(QStringLiteral("MediaExplorerHelpTip"), _mediaArea, centralWidget(),
                                                   kTipDelayMs);
    });
}

void MainWindow::_showSegmentOperationTips(SegmentWidget* widget)
{
    // A given tile that went meanwhile gets no tip; none given means the first one.
    const bool given = widget != nullptr;
    QPointer<SegmentWidget> tile = widget;
    _runWhenIdle([this, given, tile] {
        if (_timeline && _timeline->isEditingSegment())
            return;
        SegmentWidget* target = given ? tile.data() : qobject_cast<SegmentWidget*>(_projectManager->segmentWidgetAt(0));
        if (!target)
            return;
        TipManager* tips = TipManager::instance();
        if (!tips->showTipDelayed(QStringLiteral("SegmentOperationDoubleTapTip"), target, centralWidget(), kTipDelayMs))
            tips->showTipDelayed(QStringLiteral("SegmentOperationPressAndDragTip"), target, centralWidget(),
                                 kTipDelayMs);
    });
}

void MainWindow::_showSegmentOperationTipsSoon(SegmentWidget* widget)
{
    QPointer<SegmentWidget> tile = widget;
    _runForProject(kNewTileTipsDelayMs, [this, tile] {
        if (tile)
            _showSegmentOperationTips(tile);
    });
}
