#include "TestWindow.h"

#include "EditScrollArea.h"
#include "GutterScrollArea.h"
#include "IsolatedSettings.h"
#include "MediaExplorer.h"
#include "PointerWidget.h"
#include "ProjectManager.h"
#include "ProjectTestSupport.h"
#include "RulerScrollArea.h"
#include "RulerWidget.h"
#include "TimelineMetrics.h"
#include "SegmentWidget.h"
#include "TextSegment.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// Counts the edit-area notifications that reach the window's slots.
class PanelWindow : public TestWindow
{
public:
    using TestWindow::TestWindow;
    using MainWindow::_initEditScrollArea;
    using MainWindow::_initPreviewArea;
    using MainWindow::_initRulerScrollArea;

    using MainWindow::_initGutterArea;
    using MainWindow::_initMediaExplorer;
    using MainWindow::_initPointerArea;

    void setPreviewArea(QWidget* area) { _previewArea = area; }
    void setMediaArea(QWidget* area) { _mediaArea = area; }
    void setPointerArea(QWidget* area, QAbstractButton* modeButton, QWidget* editAreaWidget)
    {
        _pointerArea = area;
        _segmentModeButton = modeButton;
        _editAreaWidget = editAreaWidget;
    }
    GutterScrollArea* gutter() const { return _gutterArea; }
    MediaExplorer* explorer() const { return _mediaExplorer; }
    PointerWidget* pointer() const { return _pointer; }
    bool collapsed = false;
    QList<int> zoomValues;
    QSlider* zoomSlider() const { return _zoomSlider; }
    void setZoom(float scale) { _timelineScale = scale; }
    QList<int> gutterTags;
    QString clickedMedia;

    QStringList hits;
    QList<QObject*> filtered;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::User)
            filtered << watched;
        return TestWindow::eventFilter(watched, event);
    }

protected:
    bool _isMediaAreaCollapsed() const override { return collapsed; }
    void gutterArea_onFunctionButtonPressed(int tag) override { gutterTags << tag; }
    void mediaExplorer_onMediaItemClicked(QString id, int, QString path, QPixmap, QString) override
    {
        clickedMedia = id + QLatin1Char(':') + path;
    }
    void onSegmentModeButtonClicked() override { hit("segmentMode"); }
    void onZoomIn() override { hit("zoomIn"); }
    void onZoomOut() override { hit("zoomOut"); }
    void onZoomSliderValueChanged(int value) override { zoomValues << value; }
    void editScrollArea_willBeginDragging() override { hit("editScrollArea_willBeginDragging"); }
    void editScrollArea_didScroll(QPoint) override { hit("editScrollArea_didScroll"); }
    void editScrollArea_willEndDragging() override { hit("editScrollArea_willEndDragging"); }
    void editScrollArea_scaleBegan() override { hit("editScrollArea_scaleBegan"); }
    void editScrollArea_scaleChanged(float) override { hit("editScrollArea_scaleChanged"); }
    void editScrollArea_scaleEnd() override { hit("editScrollArea_scaleEnd"); }
    void editScrollArea_beginDraggingSegment() override { hit("editScrollArea_beginDraggingSegment"); }
    void editScrollArea_endDraggingSegment() override { hit("editScrollArea_endDraggingSegment"); }
    void editScrollArea_copySegment(Segment*) override { hit("editScrollArea_copySegment"); }
    void editScrollArea_removeSegment(Segment*) override { hit("editScrollArea_removeSegment"); }
    void editScrollArea_splitSegment(Segment*) override { hit("editScrollArea_splitSegment"); }
    void editScrollArea_moveSegmentToTrack(Segment*, TrackWidget*, float) override { hit("editScrollArea_moveSegmentToTrack"); }
    void editScrollArea_removeTrack(TrackWidget*) override { hit("editScrollArea_removeTrack"); }
    void editScrollArea_didEnterEditingSegment(Segment*) override { hit("editScrollArea_didEnterEditingSegment"); }
    void editScrollArea_didFinishEditingSegment(Segment*) override { hit("editScrollArea_didFinishEditingSegment"); }
    void editScrollArea_didFinishEditingSegmentImmediately(Segment*) override { hit("editScrollArea_didFinishEditingSegmentImmediately"); }
    void editScrollArea_seekToTime(float) override { hit("editScrollArea_seekToTime"); }
    void editScrollArea_reloadPreviewForSegment(Segment*, bool) override { hit("editScrollArea_reloadPreviewForSegment"); }
    void editScrollArea_beginTrimSegment(Segment*) override { hit("editScrollArea_beginTrimSegment"); }
    void editScrollArea_getSegmentOverwriteMode(bool& overwrite) override
    {
        hit("editScrollArea_getSegmentOverwriteMode");
        overwrite = true;
    }
    void editScrollArea_didEnterEditingTransition(Segment*, int, int) override { hit("editScrollArea_didEnterEditingTransition"); }
    void editScrollArea_didFinishEditingTransition(Segment*) override { hit("editScrollArea_didFinishEditingTransition"); }
    void editScrollArea_seekToTransition(int, bool) override { hit("editScrollArea_seekToTransition"); }
    void editScrollArea_tappedOnTransitionBar(int, bool) override { hit("editScrollArea_tappedOnTransitionBar"); }
    void editScrollArea_reloadPreviewForTransition(int, bool) override { hit("editScrollArea_reloadPreviewForTransition"); }
    void editScrollArea_didTransitionRangeChange(int) override { hit("editScrollArea_didTransitionRangeChange"); }
    void editScrollArea_beginMoveTransition(int, bool) override { hit("editScrollArea_beginMoveTransition"); }
    void editScrollArea_endMoveTransition(int, bool, bool) override { hit("editScrollArea_endMoveTransition"); }
    void editScrollArea_beginTrimTransition(int, bool) override { hit("editScrollArea_beginTrimTransition"); }
    void editScrollArea_endTrimTransition(int, bool, bool) override { hit("editScrollArea_endTrimTransition"); }
    void editScrollArea_beginDraggingTrackWidget(TrackWidget*) override { hit("editScrollArea_beginDraggingTrackWidget"); }
    void editScrollArea_endDraggingTrackWidget(TrackWidget*, bool) override { hit("editScrollArea_endDraggingTrackWidget"); }
    void editScrollArea_getSafeAreaInsets(float* left, float*, float*, float*) override
    {
        hit("editScrollArea_getSafeAreaInsets");
        *left = 9.0f;
    }
    void editScrollArea_onSelectNextSegmentByDirectionKey(int) override { hit("editScrollArea_onSelectNextSegmentByDirectionKey"); }
    void editScrollArea_onSelectedSegmentWidgetChanged(bool) override { hit("editScrollArea_onSelectedSegmentWidgetChanged"); }
    void editScrollArea_onDeleteKeyPressed() override { hit("editScrollArea_onDeleteKeyPressed"); }
    void editScrollArea_onPopupContextMenuForSegmentWidget(SegmentWidget*, QPoint) override { hit("editScrollArea_onPopupContextMenuForSegmentWidget"); }
    void editScrollArea_onDoubleClickedOnFaieldSegment(SegmentWidget*, QPoint) override { hit("editScrollArea_onDoubleClickedOnFaieldSegment"); }

private:
    void hit(const char* name) { hits << QString::fromLatin1(name); }
};

} // namespace

TEST(MainWindowPanels, EveryEditAreaNotificationReachesItsSlot)
{
    TemporaryProduct product;
    PanelWindow window(QStringLiteral("Trip"), QString());
    EditScrollArea area(nullptr);
    window.setTimeline(&area);
    window._initEditScrollArea();
    EXPECT_EQ(area.styleSheet(), QStringLiteral("background-color: rgb(19,20,21);border: none;"));
    EXPECT_EQ(window.zoomSlider()->value(), 10);
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&area, &event);
    EXPECT_EQ(window.filtered, QList<QObject*>({&area}));
    TextSegment text(QStringLiteral("a"), 0.0f, 1.0f, nullptr, nullptr);
    Segment* segment = &text;

    emit area.editScrollAreaWillBeginDragging();
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_willBeginDragging"));
    emit area.editScrollAreaDidScroll(QPoint(3, 4));
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_didScroll"));
    emit area.editScrollAreaWillEndDragging();
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_willEndDragging"));
    emit area.editScrollAreaScaleBegan();
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_scaleBegan"));
    emit area.editScrollAreaScaleChanged(1.5f);
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_scaleChanged"));
    emit area.editScrollAreaScaleEnd();
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_scaleEnd"));
    emit area.editScrollAreaBeginDraggingSegment();
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_beginDraggingSegment"));
    emit area.editScrollAreaEndDraggingSegment();
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_endDraggingSegment"));
    emit area.editScrollAreaCopySegment(segment);
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_copySegment"));
    emit area.editScrollAreaRemoveSegment(segment);
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_removeSegment"));
    emit area.editScrollAreaSplitSegment(segment);
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_splitSegment"));
    emit area.editScrollAreaMoveSegmentToTrack(segment, nullptr, 1.5f);
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_moveSegmentToTrack"));
    emit area.editScrollAreaRemoveTrack(nullptr);
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_removeTrack"));
    emit area.editScrollAreaDidEnterEditingSegment(segment);
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_didEnterEditingSegment"));
    emit area.editScrollAreaDidFinishEditingSegment(segment);
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_didFinishEditingSegment"));
    emit area.editScrollAreaDidFinishEditingSegmentImmediately(segment);
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_didFinishEditingSegmentImmediately"));
    emit area.editScrollAreaSeekToTime(1.5f);
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_seekToTime"));
    emit area.editScrollAreaReloadPreviewForSegment(segment, true);
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_reloadPreviewForSegment"));
    emit area.editScrollAreaBeginTrimSegment(segment);
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_beginTrimSegment"));
    bool overwrite = false;
    emit area.editScrollAreaGetSegmentOverwriteMode(overwrite);
    EXPECT_TRUE(overwrite);
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_getSegmentOverwriteMode"));
    emit area.editScrollAreaDidEnterEditingTransition(segment, 7, 7);
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_didEnterEditingTransition"));
    emit area.editScrollAreaDidFinishEditingTransition(segment);
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_didFinishEditingTransition"));
    emit area.editScrollAreaSeekToTransition(7, true);
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_seekToTransition"));
    emit area.editScrollAreaTappedOnTransitionBar(7, true);
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_tappedOnTransitionBar"));
    emit area.editScrollAreaReloadPreviewForTransition(7, true);
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_reloadPreviewForTransition"));
    emit area.editScrollAreaDidTransitionRangeChange(7);
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_didTransitionRangeChange"));
    emit area.editScrollAreaBeginMoveTransition(7, true);
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_beginMoveTransition"));
    emit area.editScrollAreaEndMoveTransition(7, true, true);
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_endMoveTransition"));
    emit area.editScrollAreaBeginTrimTransition(7, true);
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_beginTrimTransition"));
    emit area.editScrollAreaEndTrimTransition(7, true, true);
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_endTrimTransition"));
    emit area.editScrollAreaBeginDraggingTrackWidget(nullptr);
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_beginDraggingTrackWidget"));
    emit area.editScrollAreaEndDraggingTrackWidget(nullptr, true);
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_endDraggingTrackWidget"));
    float left = 0.0f, top = 0.0f, right = 0.0f, bottom = 0.0f;
    emit area.editScrollAreaGetSafeAreaInsets(&left, &top, &right, &bottom);
    EXPECT_EQ(left, 9.0f);
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_getSafeAreaInsets"));
    emit area.editScrollAreaSelectNextSegmentByDirectionKey(7);
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_onSelectNextSegmentByDirectionKey"));
    emit area.editScrollAreaSelectedSegmentWidgetChanged(true);
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_onSelectedSegmentWidgetChanged"));
    emit area.editScrollAreaDeleteKeyPressed();
    EXPECT_EQ(window.hits.last(), QStringLiteral("editScrollArea_onDeleteKeyPressed"));
    emit area.editScrollAreaPopupContextMenuForSegmentWidget(nullptr, QPoint(3, 4));
    emit area.editScrollAreaDoubleClickedOnFailedSegment(nullptr, QPoint(3, 4));
    EXPECT_EQ(window.hits.size(), 36);
    // The context menu and the failed-segment answer come after the edit area's handler returns.
    QCoreApplication::processEvents();
    EXPECT_EQ(window.hits.size(), 38);
    EXPECT_EQ(window.hits.mid(36), QStringList({"editScrollArea_onPopupContextMenuForSegmentWidget",
                                                "editScrollArea_onDoubleClickedOnFaieldSegment"}));
    EXPECT_EQ(QSet<QString>(window.hits.begin(), window.hits.end()).size(), 38);
    window.setTimeline(nullptr);
}

TEST(MainWindowPanels, RulerIsSizedForTheZoomAndDuration)
{
    TemporaryProduct product;
    PanelWindow window(QStringLiteral("Trip"), QString());
    RulerScrollArea ruler(nullptr);
    auto* content = new RulerWidget();
    content->setStyleSheet(QStringLiteral("background: red;"));
    ruler.setWidget(content);
    ruler.resize(300, 20);
    window.setRuler(&ruler);
    window.projectManager()->setDuration(120.0f);
    window._initRulerScrollArea();
    EXPECT_EQ(ruler.minimumHeight(), 20);
    EXPECT_EQ(ruler.maximumHeight(), 20);
    EXPECT_TRUE(content->styleSheet().isEmpty());
    EXPECT_EQ(content->width(), TimelineMetrics::rulerContentWidth(1.0f, 120.0f, ruler.width()));
    EXPECT_GT(content->width(), 300);
}

TEST(MainWindowPanels, PreviewAreaIsStyledAndWatched)
{
    TemporaryProduct product;
    PanelWindow window(QStringLiteral("Trip"), QString());
    QWidget area;
    window.setPreviewArea(&area);
    window._initPreviewArea();
    EXPECT_EQ(area.styleSheet(), QStringLiteral("background-color: rgb(31,32,35);"));
    QEvent event(QEvent::User);
    QCoreApplication::sendEvent(&area, &event);
    EXPECT_EQ(window.filtered, QList<QObject*>({&area}));
}

TEST(MainWindowPanels, GutterSitsBesideTheTracksAndReportsItsButtons)
{
    TemporaryProduct product;
    PanelWindow window(QStringLiteral("Trip"), QString());
    QWidget timelineParent;
    auto* area = new EditScrollArea(&timelineParent);
    window.setTimeline(area);
    window._initGutterArea();
    ASSERT_NE(window.gutter(), nullptr);
    EXPECT_EQ(window.gutter()->parentWidget(), &timelineParent);
    const int tag = window.gutter()->addTrackButton();
    window.gutter()->addTrackButton();
    QTest::mouseClick(window.gutter()->buttonForTag(tag), Qt::LeftButton);
    EXPECT_EQ(window.gutterTags, QList<int>({tag}));
    window.setTimeline(nullptr);
}

TEST(MainWindowPanels, MediaExplorerIsBuiltInTheMediaAreaUnlessCollapsed)
{
    TemporaryProduct product;
    IsolatedSettings settings;
    PanelWindow window(QStringLiteral("Trip"), QString());
    QWidget mediaArea;
    window.setMediaArea(&mediaArea);
    window._initMediaExplorer(true);
    ASSERT_TRUE(window.explorer()->hasWidget());
    EXPECT_EQ(window.explorer()->widget()->parentWidget(), &mediaArea);
    emit window.explorer()->mediaItemClicked(QStringLiteral("m1"), 1, QStringLiteral("/tmp/a.mp4"), QPixmap(), QString());
    EXPECT_EQ(window.clickedMedia, QStringLiteral("m1:/tmp/a.mp4"));

    PanelWindow collapsedWindow(QStringLiteral("Trip"), QString());
    collapsedWindow.collapsed = true;
    QWidget hiddenArea;
    collapsedWindow.setMediaArea(&hiddenArea);
    collapsedWindow._initMediaExplorer(true);
    EXPECT_FALSE(collapsedWindow.explorer()->hasWidget());
}

TEST(MainWindowPanels, PointerStartsAtTheTimelineOriginAndTheModeButtonReports)
{
    TemporaryProduct product;
    PanelWindow window(QStringLiteral("Trip"), QString());
    QWidget pointerArea;
    QWidget editAreaWidget;
    auto* modeButton = new QPushButton(&pointerArea);
    window.setPointerArea(&pointerArea, modeButton, &editAreaWidget);
    window._initPointerArea();
    EXPECT_EQ(pointerArea.maximumHeight(), 21);
    ASSERT_NE(window.pointer(), nullptr);
    EXPECT_EQ(window.pointer()->parentWidget(), &editAreaWidget);
    EXPECT_EQ(window.pointer()->centerX(), 60.0f);
    EXPECT_EQ(modeButton->size(), QSize(40, 20));
    pointerArea.resize(300, 21);
    pointerArea.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&pointerArea));
    // Right-aligned after the stretch, inside the 12-pixel margin.
    EXPECT_EQ(modeButton->geometry().right(), 300 - 12 - 1);
    QTest::mouseClick(modeButton, Qt::LeftButton);
    EXPECT_EQ(window.hits, QStringList({"segmentMode"}));
}

TEST(MainWindowPanels, ZoomControlsSitRightOfTheScrollBar)
{
    TemporaryProduct product;
    PanelWindow window(QStringLiteral("Trip"), QString());
    QWidget editAreaWidget;
    auto* area = new EditScrollArea(&editAreaWidget);
    window.setPointerArea(nullptr, nullptr, &editAreaWidget);
    window.setTimeline(area);
    window.setZoom(0.25f);
    window._initEditScrollArea();
    QSlider* slider = window.zoomSlider();
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->value(), 2);
    EXPECT_EQ(slider->minimum(), 2);
    EXPECT_EQ(slider->maximum(), 40);
    EXPECT_EQ(area->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(area->scrollBarWidgets(Qt::AlignRight).size(), 3);

    editAreaWidget.resize(600, 300);
    area->resize(600, 300);
    editAreaWidget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&editAreaWidget));
    // Left to right after the scroll bar: zoom out, the slider, zoom in.
    QList<QWidget*> row = area->scrollBarWidgets(Qt::AlignRight);
    const auto left = [area](QWidget* widget) { return widget->mapTo(area, QPoint(0, 0)).x(); };
    std::sort(row.begin(), row.end(), [&](QWidget* a, QWidget* b) { return left(a) < left(b); });
    auto* zoomOut = qobject_cast<QPushButton*>(row.at(0));
    auto* zoomIn = qobject_cast<QPushButton*>(row.at(2));
    ASSERT_TRUE(zoomIn && zoomOut);
    EXPECT_EQ(row.at(1), slider);
    EXPECT_FALSE(zoomIn->icon().pixmap(14, 14).isNull());
    EXPECT_FALSE(zoomOut->icon().pixmap(14, 14).isNull());
    QScrollBar* bar = area->horizontalScrollBar();
    EXPECT_LE(bar->mapTo(area, QPoint(bar->width(), 0)).x(), left(zoomOut));

    QTest::mouseClick(zoomOut, Qt::LeftButton);
    // Held down, the zoom-in button keeps clicking until released.
    QTest::mousePress(zoomIn, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.hits.count(QStringLiteral("zoomIn")) >= 2; }, 3000))
        << window.hits.join(",").toStdString() << zoomIn->isDown();
    QTest::mouseRelease(zoomIn, Qt::LeftButton);
    EXPECT_EQ(window.hits.first(), QStringLiteral("zoomOut"));
    EXPECT_GE(window.hits.count(QStringLiteral("zoomIn")), 2);
    slider->setValue(25);
    EXPECT_EQ(window.zoomValues, QList<int>({25}));
    window.setTimeline(nullptr);
}
