// Styling and wiring of the panels the desktop window's form creates.
#include "MainWindow.h"

#include "EditScrollArea.h"
#include "GutterScrollArea.h"
#include "MediaExplorer.h"
#include "PointerWidget.h"
#include "ProjectManager.h"
#include "RulerScrollArea.h"
#include "Segment.h"
#include "SeekableSliderStyle.h"
#include "SegmentWidget.h"
#include "TimelineMetrics.h"
#include "TrackWidget.h"
#include "UiMetrics.h"

#include <QAbstractButton>
#include <QHBoxLayout>
#include <QPushButton>
#include <QSlider>

// The content widget draws on the area's background, not its own.
void MainWindow::_clearContentStyle(QScrollArea* area)
{
    if (QWidget* content = area->widget())
        content->setStyleSheet(QString());
}

void MainWindow::_initEditScrollArea()
{
    _timeline->setStyleSheet(QStringLiteral("background-color: rgb(19,20,21);border: none;"));
    _clearContentStyle(_timeline);
    _timeline->installEventFilter(this);
    // The context-menu and failed-segment notifications are queued and
    // carry these through the event loop.
    qRegisterMetaType<SegmentWidget*>("SegmentWidget*");
    qRegisterMetaType<QPoint>("QPoint");
    connect(_timeline, &EditScrollArea::editScrollAreaWillBeginDragging, this, &MainWindow::editScrollArea_willBeginDragging);
    connect(_timeline, &EditScrollArea::editScrollAreaDidScroll, this, &MainWindow::editScrollArea_didScroll);
    // Also the end of a wheel's scrolling, reported a moment after its last step.
    connect(_timeline, &EditScrollArea::editScrollAreaWillEndDragging, _projectScope, [this] { editScrollArea_willEndDragging(); });
    connect(_timeline, &EditScrollArea::editScrollAreaScaleBegan, this, &MainWindow::editScrollArea_scaleBegan);
    connect(_timeline, &EditScrollArea::editScrollAreaScaleChanged, this, &MainWindow::editScrollArea_scaleChanged);
    connect(_timeline, &EditScrollArea::editScrollAreaScaleEnd, this, &MainWindow::editScrollArea_scaleEnd);
    connect(_timeline, &EditScrollArea::editScrollAreaBeginDraggingSegment, this, &MainWindow::editScrollArea_beginDraggingSegment);
    connect(_timeline, &EditScrollArea::editScrollAreaEndDraggingSegment, this, &MainWindow::editScrollArea_endDraggingSegment);
    connect(_timeline, &EditScrollArea::editScrollAreaCopySegment, this, &MainWindow::editScrollArea_copySegment);
    connect(_timeline, &EditScrollArea::editScrollAreaRemoveSegment, this, &MainWindow::editScrollArea_removeSegment);
    connect(_timeline, &EditScrollArea::editScrollAreaSplitSegment, this, &MainWindow::editScrollArea_splitSegment);
    connect(_timeline, &EditScrollArea::editScrollAreaMoveSegmentToTrack, this, &MainWindow::editScrollArea_moveSegmentToTrack);
    connect(_timeline, &EditScrollArea::editScrollAreaRemoveTrack, this, &MainWindow::editScrollArea_removeTrack);
    connect(_timeline, &EditScrollArea::editScrollAreaDidEnterEditingSegment, this, &MainWindow::editScrollArea_didEnterEditingSegment);
    connect(_timeline, &EditScrollArea::editScrollAreaDidFinishEditingSegment, this, &MainWindow::editScrollArea_didFinishEditingSegment);
    connect(_timeline, &EditScrollArea::editScrollAreaDidFinishEditingSegmentImmediately, this, &MainWindow::editScrollArea_didFinishEditingSegmentImmediately);
    connect(_timeline, &EditScrollArea::editScrollAreaSeekToTime, this, &MainWindow::editScrollArea_seekToTime);
    connect(_timeline, &EditScrollArea::editScrollAreaReloadPreviewForSegment, this, &MainWindow::editScrollArea_reloadPreviewForSegment);
    connect(_timeline, &EditScrollArea::editScrollAreaBeginTrimSegment, this, &MainWindow::editScrollArea_beginTrimSegment);
    connect(_timeline, &EditScrollArea::editScrollAreaGetSegmentOverwriteMode, this, &MainWindow::editScrollArea_getSegmentOverwriteMode, Qt::DirectConnection);
    connect(_timeline, &EditScrollArea::editScrollAreaDidEnterEditingTransition, this, &MainWindow::editScrollArea_didEnterEditingTransition);
    connect(_timeline, &EditScrollArea::editScrollAreaDidFinishEditingTransition, this, &MainWindow::editScrollArea_didFinishEditingTransition);
    connect(_timeline, &EditScrollArea::editScrollAreaSeekToTransition, this, &MainWindow::editScrollArea_seekToTransition);
    connect(_timeline, &EditScrollArea::editScrollAreaTappedOnTransitionBar, this, &MainWindow::editScrollArea_tappedOnTransitionBar);
    connect(_timeline, &EditScrollArea::editScrollAreaReloadPreviewForTransition, this, &MainWindow::editScrollArea_reloadPreviewForTransition);
    connect(_timeline, &EditScrollArea::editScrollAreaDidTransitionRangeChange, this, &MainWindow::editScrollArea_didTransitionRangeChange);
    connect(_timeline, &EditScrollArea::editScrollAreaBeginMoveTransition, this, &MainWindow::editScrollArea_beginMoveTransition);
    connect(_timeline, &EditScrollArea::editScrollAreaEndMoveTransition, this, &MainWindow::editScrollArea_endMoveTransition);
    connect(_timeline, &EditScrollArea::editScrollAreaBeginTrimTransition, this, &MainWindow::editScrollArea_beginTrimTransition);
    connect(_timeline, &EditScrollArea::editScrollAreaEndTrimTransition, this, &MainWindow::editScrollArea_endTrimTransition);
    connect(_timeline, &EditScrollArea::editScrollAreaBeginDraggingTrackWidget, this, &MainWindow::editScrollArea_beginDraggingTrackWidget);
    connect(_timeline, &EditScrollArea::editScrollAreaEndDraggingTrackWidget, this, &MainWindow::editScrollArea_endDraggingTrackWidget);
    connect(_timeline, &EditScrollArea::editScrollAreaGetSafeAreaInsets, this, &MainWindow::editScrollArea_getSafeAreaInsets, Qt::DirectConnection);
    connect(_timeline, &EditScrollArea::editScrollAreaSelectNextSegmentByDirectionKey, this, &MainWindow::editScrollArea_onSelectNextSegmentByDirectionKey);
    connect(_timeline, &EditScrollArea::editScrollAreaSelectedSegmentWidgetChanged, this, &MainWindow::editScrollArea_onSelectedSegmentWidgetChanged);
    connect(_timeline, &EditScrollArea::editScrollAreaDeleteKeyPressed, this, &MainWindow::editScrollArea_onDeleteKeyPressed);
    connect(_timeline, &EditScrollArea::editScrollAreaPopupContextMenuForSegmentWidget, _projectScope, [this](SegmentWidget* tile, QPoint pos) { editScrollArea_onPopupContextMenuForSegmentWidget(tile, pos); }, Qt::QueuedConnection);
    connect(_timeline, &EditScrollArea::editScrollAreaDoubleClickedOnFailedSegment, _projectScope, [this](SegmentWidget* tile, QPoint pos) { editScrollArea_onDoubleClickedOnFaieldSegment(tile, pos); }, Qt::QueuedConnection);
    _createZoomControls();
}

QPushButton* MainWindow::_createZoomButton(const QString& icon)
{
    auto* button = new QPushButton(_editAreaWidget);
    button->setIcon(QIcon(icon));
    button->setIconSize(QSize(14, 14));
    button->setFlat(true);
    button->setFixedSize(22, 14);
    // Held down, the zoom keeps going.
    button->setAutoRepeat(true);
    return button;
}

void MainWindow::_createZoomControls()
{
    auto* slider = new QSlider(Qt::Horizontal, _editAreaWidget);
    slider->setFixedSize(80, 15);
    slider->setRange(2, 40);
    slider->setValue(int(_timelineScale * 10.0f));
    // A widget does not own its style: the slider does.
    auto* style = new SeekableSliderStyle;
    style->setParent(slider);
    slider->setStyle(style);
    slider->setStyleSheet(QStringLiteral(
        "QSlider::groove:horizontal {background: transparent; height: 5px; border-radius: 2px;}"
        "QSlider::sub-page:horizontal {background: #2A2929; height: 5px; border-radius: 2px;}"
        "QSlider::add-page:horizontal {background: #2A2929; height: 5px; border-radius: 2px;}"
        "QSlider::handle:horizontal {background: white; width: 11px; margin: -3px 0; border-radius: 4px;}"));
    connect(slider, &QSlider::valueChanged, this, &MainWindow::onZoomSliderValueChanged);
    QPushButton* zoomIn = _createZoomButton(QStringLiteral(":/images/track_zoom_in"));
    connect(zoomIn, &QPushButton::clicked, this, &MainWindow::onZoomIn);
    QPushButton* zoomOut = _createZoomButton(QStringLiteral(":/images/track_zoom_out"));
    connect(zoomOut, &QPushButton::clicked, this, &MainWindow::onZoomOut);
    // Each later right-aligned widget lands nearer the scroll bar, so the
    // row reads scroll bar, zoom out, slider, zoom in.
    _timeline->addScrollBarWidget(zoomIn, Qt::AlignRight);
    _timeline->addScrollBarWidget(slider, Qt::AlignRight);
    _timeline->addScrollBarWidget(zoomOut, Qt::AlignRight);
    _timeline->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    _zoomSlider = slider;
}

void MainWindow::_initGutterArea()
{
    _gutterArea = new GutterScrollArea(_timeline->parentWidget());
    _gutterArea->setStyleSheet(QStringLiteral("background-color: transparent;border:none;"));
    connect(_gutterArea, &GutterScrollArea::gutterAreaFunctionButtonPressed, this,
            &MainWindow::gutterArea_onFunctionButtonPressed);
}

void MainWindow::_initMediaExplorer(bool tabs)
{
    _mediaArea->setStyleSheet(QStringLiteral("QWidget {background-color: rgb(28,29,32);}"));
    _mediaArea->installEventFilter(this);
    _mediaExplorer = new MediaExplorer(_projectDirectory(), this);
    connect(_mediaExplorer, &MediaExplorer::showTextMessage, this, &MainWindow::mediaExplorer_onShowTextMessage);
    connect(_mediaExplorer, &MediaExplorer::showProgressHUD, this, &MainWindow::mediaExplorer_onShowProgressHUD);
    connect(_mediaExplorer, &MediaExplorer::hideProgressHUD, this, &MainWindow::mediaExplorer_onHideProgressHUD);
    connect(_mediaExplorer, &MediaExplorer::downloadFinished, this, &MainWindow::mediaExplorer_onDownloadFinished);
    connect(_mediaExplorer, &MediaExplorer::mediaItemClicked, this, &MainWindow::mediaExplorer_onMediaItemClicked);
    // A collapsed media area gets its explorer when it is opened.
    if (!_isMediaAreaCollapsed())
        _mediaExplorer->createWidget(_mediaArea, tabs);
}

void MainWindow::_initPointerArea()
{
    const int rulerHeight = UiMetrics::metric20();
    const int pointerAreaHeight = UiMetrics::metric21();
    _pointerArea->setFixedHeight(pointerAreaHeight);
    _pointerArea->setStyleSheet(QStringLiteral("background-color:rgb(19,20,21);"));
    _pointer = new PointerWidget(0, rulerHeight + pointerAreaHeight, _editAreaWidget);
    _pointer->setStyleSheet(QStringLiteral("background-color: transparent;"));
    _pointer->setFixedWidth(UiMetrics::metric52());
    _pointer->moveToX(float(TimelineMetrics::leftMargin()), false);
    _segmentModeButton->setFixedSize(40, 20);
    connect(_segmentModeButton, &QAbstractButton::clicked, this, &MainWindow::onSegmentModeButtonClicked);
    auto* layout = new QHBoxLayout(_pointerArea);
    layout->addStretch();
    layout->addWidget(_segmentModeButton);
    layout->setContentsMargins(12, 0, 12, 0);
    layout->setSpacing(0);
}

void MainWindow::_initPreviewArea()
{
    _previewArea->setStyleSheet(QStringLiteral("background-color: rgb(31,32,35);"));
    _previewArea->installEventFilter(this);
}

void MainWindow::_initRulerScrollArea()
{
    _ruler->setFixedHeight(20);
    _ruler->setStyleSheet(QStringLiteral("background-color:rgb(19,20,21); border:none;"));
    _clearContentStyle(_ruler);
    _ruler->setScale(_timelineScale, _projectManager->duration());
}
