#include "TestWindow.h"

#include "CommonPopup.h"
#include "EditScrollArea.h"
#include "GutterScrollArea.h"
#include "IsolatedSettings.h"
#include "PointerWidget.h"
#include "ProjectManager.h"
#include "ProjectTestSupport.h"
#include "RulerScrollArea.h"
#include "RulerWidget.h"
#include "SegmentDraggingFrameWidget.h"
#include "SegmentWidget.h"
#include "TextSegment.h"
#include "TimelineMetrics.h"
#include "TipManager.h"
#include "TrackWidget.h"
#include "ZoomButtons.h"

#include <QNativeGestureEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QTest>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <cmath>

namespace {

const QString kName = QStringLiteral("Zoom");

// The window with its scrolling and zoom state opened to the tests; every
// preview time that reaches the window's hook is recorded.
class ScrollingWindow : public TestWindow
{
public:
    using TestWindow::TestWindow;
    ~ScrollingWindow() override
    {
        setTimeline(nullptr);
        setRuler(nullptr);
    }

    using MainWindow::_animateScrollToPosition;
    using MainWindow::_applyTimelineScale;
    using MainWindow::_autoScrollRangeLeft;
    using MainWindow::_autoScrollRangeRight;
    using MainWindow::_autoScrollSegmentLeft;
    using MainWindow::_autoScrollSegmentRight;
    using MainWindow::_autoScrollTrackDown;
    using MainWindow::_autoScrollTrackUp;
    using MainWindow::_autoScrollWhileDraggingSegment;
    using MainWindow::_autoScrollWhileDraggingTrack;
    using MainWindow::_autoScrollWhileSelectingRange;
    using MainWindow::_currentScrollTime;
    using MainWindow::_ensureWidgetVisibleInTimeline;
    using MainWindow::_initEditScrollArea;
    using MainWindow::_initGutterArea;
    using MainWindow::_initPointerArea;
    using MainWindow::_initRulerScrollArea;
    using MainWindow::_nextPosition;
    using MainWindow::_scrollToTime;
    using MainWindow::_seekToTime;
    using MainWindow::editScrollArea_scaleBegan;
    using MainWindow::editScrollArea_scaleChanged;
    using MainWindow::editScrollArea_scaleEnd;
    using MainWindow::editScrollArea_willEndDragging;
    using MainWindow::onZoomIn;
    using MainWindow::onZoomOut;
    using MainWindow::onZoomSliderValueChanged;

    void setTimelineArea(QWidget* editArea, QWidget* pointerArea, QAbstractButton* modeButton)
    {
        _editAreaWidget = editArea;
        _pointerArea = pointerArea;
        _segmentModeButton = modeButton;
    }
    void setPlaying(bool playing) { _playing = playing; }
    bool scrollAnimating() const { return _scrollAnimating; }
    float scale() const { return _timelineScale; }
    QSlider* zoomSlider() const { return _zoomSlider; }
    PointerWidget* pointer() const { return _pointer; }
    GutterScrollArea* gutter() const { return _gutterArea; }
    float pointerOffset() const { return _pointerOffset; }
    void setSelectionPointer(PointerWidget* pointer) { _selectionPointer = pointer; }
    void setDraggingRangeHandle(bool on, bool start)
    {
        _draggingRangeHandle = on;
        _draggingRangeStart = start;
    }
    float rangeSpeed() const { return _rangeAutoScrollSpeed; }
    void setDrop(TrackWidget* track, float contentX, float duration)
    {
        _dropTrack = track;
        _dropX = contentX;
        _draggedMediaDuration = duration;
    }
    float dropTime() const { return _dropTime; }
    float dropX() const { return _dropX; }

    QList<float> previewTimes;

protected:
    void _updateFullscreenPosition(float time) override { previewTimes << time; }
};

// The timeline part of the desktop window's form, 1080 wide, wired to the
// window as the form is: edit area, ruler, gutter, pointer and zoom controls.
class TimelineForm
{
public:
    TimelineForm()
    {
        editArea.resize(1080, 400);
        pointerArea = new QWidget(&editArea);
        modeButton = new QPushButton(pointerArea);
        ruler = new RulerScrollArea(&editArea);
        ruler->setGeometry(0, 20, 1080, 20);
        ruler->setWidget(new RulerWidget);
        area = new EditScrollArea(&editArea);
        area->setGeometry(0, 40, 1080, 300);
    }

    void attach(ScrollingWindow& window, float duration, int trackCount)
    {
        window.projectManager()->setDuration(duration);
        for (int index = 0; index < trackCount; ++index)
            area->addTrackWidget(1.0f, duration);
        area->relayoutTracks(1.0f, duration);
        window.setTimelineArea(&editArea, pointerArea, modeButton);
        window.setTimeline(area);
        window.setRuler(ruler);
        window._initPointerArea();
        window._initRulerScrollArea();
        window._initGutterArea();
        for (int index = 0; index <= trackCount; ++index)
            window.gutter()->addTrackButton();
        window.gutter()->setGeometry(0, 40, 60, 300);
        window._initEditScrollArea();
        editArea.show();
    }

    QScrollBar* bar() const { return area->horizontalScrollBar(); }
    int maximumX() const { return area->contentSize().width() - area->viewport()->width(); }

    QWidget editArea;
    QWidget* pointerArea;
    QPushButton* modeButton;
    RulerScrollArea* ruler;
    EditScrollArea* area;
};

class MainWindowScrolling : public ::testing::Test
{
protected:
    IsolatedSettings settings;
    TemporaryProduct product;
};

} // namespace

TEST_F(MainWindowScrolling, ZoomButtonsStepTheSliderInSinglePrecisionAndStopAtTheLimits)
{
    ScrollingWindow window(kName, QString());
    TimelineForm form;
    form.attach(window, 120.0f, 1);
    QSlider* slider = window.zoomSlider();
    ASSERT_NE(slider, nullptr);
    ASSERT_EQ(slider->value(), 10);

    // 0.7 x 10 + 2 is 9 in single precision (8.9999... in double).
    slider->setValue(7);
    EXPECT_FLOAT_EQ(window.scale(), 0.7f);
    EXPECT_FLOAT_EQ(window.projectManager()->timeScale(), 0.7f);
    window.onZoomIn();
    EXPECT_EQ(slider->value(), 9);
    EXPECT_FLOAT_EQ(window.scale(), 0.9f);
    slider->setValue(7);
    window.onZoomOut();
    EXPECT_EQ(slider->value(), 5);
    EXPECT_FLOAT_EQ(window.scale(), 0.5f);

    // The limits are the scale's, whatever range the slider allows.
    slider->setRange(0, 100);
    slider->setValue(40);
    ASSERT_FLOAT_EQ(window.scale(), 4.0f);
    window.onZoomIn();
    EXPECT_EQ(slider->value(), 40);
    EXPECT_FLOAT_EQ(window.scale(), 4.0f);
    slider->setValue(2);
    ASSERT_FLOAT_EQ(window.scale(), 0.2f);
    window.onZoomOut();
    EXPECT_EQ(slider->value(), 2);
    EXPECT_FLOAT_EQ(window.scale(), 0.2f);

    // Below the slider's smallest tenth the scale is clamped.
    slider->setValue(10);
    window.onZoomSliderValueChanged(1);
    EXPECT_FLOAT_EQ(window.scale(), 0.2f);
    EXPECT_FLOAT_EQ(window.projectManager()->timeScale(), 0.2f);
}

TEST_F(MainWindowScrolling, ZoomScalesTheOffsetRulerTracksAndRangeMarkers)
{
    ScrollingWindow window(kName, QString());
    TimelineForm form;
    auto* text = new TextSegment(QStringLiteral("caption"), 10.0f, 4.0f, &window, nullptr);
    text->setTrackId(1);
    window.projectManager()->addSegmentSorted(text, nullptr);
    form.attach(window, 200.0f, 2);
    SegmentWidget* tile = form.area->trackWidgetAt(0)->addSegmentWidget(text);
    tile->setScale(1.0f, false);
    const int tileX = tile->x();
    form.bar()->setValue(480);
    window.previewTimes.clear();

    window._applyTimelineScale(2.0f);
    EXPECT_EQ(form.bar()->value(), 960);
    EXPECT_EQ(tile->x() - tileX, TimelineMetrics::tileX(10.0f, 2.0f) - TimelineMetrics::tileX(10.0f, 1.0f));
    EXPECT_EQ(form.ruler->widget()->width(), TimelineMetrics::rulerContentWidth(2.0f, 200.0f, form.ruler->width()));
    EXPECT_EQ(form.area->contentSize().width(), TimelineMetrics::contentWidgetWidth(2.0f, 200.0f));
    ASSERT_FALSE(window.previewTimes.isEmpty());
    EXPECT_FLOAT_EQ(window.previewTimes.last(), window._currentScrollTime());
    EXPECT_FLOAT_EQ(window._currentScrollTime(), 960.0f / 48.0f);

    // Clamped to 4: the offset follows the applied scale, not the asked one.
    window._applyTimelineScale(9.0f);
    EXPECT_FLOAT_EQ(window.scale(), 4.0f);
    EXPECT_EQ(form.bar()->value(), 1920);

    // While playing the preview is left alone; in range selection the
    // markers stay on their times.
    PointerWidget second(3, 41, &form.editArea);
    second.setFixedWidth(52);
    window.setSelectionPointer(&second);
    form.area->setRangeSelectionMode(true);
    form.area->setSelectionStart(45.0f);
    form.area->setSelectionEnd(50.0f);
    window.setPlaying(true);
    window.previewTimes.clear();
    window._applyTimelineScale(1.0f);
    EXPECT_TRUE(window.previewTimes.isEmpty());
    EXPECT_EQ(form.bar()->value(), 480);
    EXPECT_FLOAT_EQ(window.pointer()->centerX(), 60.0f + 50.0f * 24.0f - 480.0f);
    EXPECT_FLOAT_EQ(second.centerX(), 60.0f + 45.0f * 24.0f - 480.0f);
    window.setSelectionPointer(nullptr);
}

// Zooming in and out, by the buttons, the slider or a pinch, keeps the
// play-head on a cut: at most a pixel away, never drifting, and the preview on
// the piece after the cut.
TEST_F(MainWindowScrolling, ZoomKeepsThePlayHeadsTimeOnACut)
{
    ScrollingWindow window(kName, QString());
    TimelineForm form;
    auto* before = new TextSegment(QStringLiteral("before"), 0.0f, 37.37f, &window, nullptr);
    auto* after = new TextSegment(QStringLiteral("after"), 37.37f, 60.0f, &window, nullptr);
    for (TextSegment* text : {before, after}) {
        text->setTrackId(1);
        window.projectManager()->addSegmentSorted(text, nullptr);
    }
    form.attach(window, 200.0f, 2);
    const ZoomButtons buttons(form.area);
    ASSERT_TRUE(buttons.in && buttons.out) << "the row beside the scroll bar is not zoom out, slider, zoom in";
    // The pointer away from the content's start, then the jump to the cut:
    // the content scrolls it under the pointer.
    window._seekToTime(10.0f, false);
    window._nextPosition();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.scrollAnimating(); }, 5000));
    const float time = window._currentScrollTime();
    ASSERT_GE(time, after->rangeStart());
    ASSERT_GT(form.bar()->value(), 0);
    const int pointerX = window.pointer()->x();

    const auto expectKept = [&](const char* how) {
        const float pixel = 1.0f / TimelineMetrics::pixelsPerSecond() / window.scale();
        EXPECT_NEAR(window._currentScrollTime(), time, pixel) << how << " at scale " << window.scale();
        EXPECT_NEAR(window.pointer()->x(), pointerX, 1) << how << " at scale " << window.scale();
        ASSERT_FALSE(window.previewTimes.isEmpty());
        EXPECT_GE(window.previewTimes.last(), after->rangeStart()) << how << " at scale " << window.scale();
    };
    for (QPushButton* button : {buttons.in, buttons.out}) {
        for (int click = 0; click < 9; ++click) {
            QTest::mouseClick(button, Qt::LeftButton);
            expectKept(button == buttons.in ? "zoomed in" : "zoomed out");
        }
    }
    EXPECT_FLOAT_EQ(window.scale(), 1.0f);
    for (const int tenths : {37, 3, 10}) {
        window.zoomSlider()->setValue(tenths);
        expectKept("slid");
    }
    for (const float pinch : {1.37f, 1.41f, 0.52f, 0.9f, 1.6f}) {
        window.editScrollArea_scaleChanged(pinch);
        expectKept("pinched");
    }
}

// Where the play-head stands in the view before the zooms, and how the user zooms.
enum class PlayHead { InTheMiddle, AtTheLeftEdge, AtTheRightEdge };
enum Way { Buttons, SliderKeys, CtrlWheel, Pinch, WayCount };

// Nine zooms in and nine out, by each of the user's ways, keep the play-head's
// time, however far it is from a whole pixel and wherever it stands: in the
// middle of the view, at its left edge where it starts and where playback
// and jumps leave it (the content scrolls under it), or at its right edge in a
// narrowed timeline. The preview is sought to that same time each step.
TEST_F(MainWindowScrolling, ZoomKeepsThePlayHeadsTimeFromAnyTime)
{
    // Far below a pixel even at scale 4 (1/96 s): what single precision loses.
    constexpr float kKept = 1e-4f;
    const struct {
        float time;
        PlayHead place;
    } starts[] = {{30.04f, PlayHead::InTheMiddle}, {52.40f, PlayHead::AtTheLeftEdge},
                  {57.30f, PlayHead::AtTheRightEdge}};
    const auto ctrlWheel = [](QWidget* viewport, int dy) {
        const QPointF at(200, 30);
        QWheelEvent wheel(at, viewport->mapToGlobal(at.toPoint()), QPoint(), QPoint(0, dy), Qt::NoButton,
                          Qt::ControlModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(viewport, &wheel);
    };
    const auto pinch = [](QWidget* area, Qt::NativeGestureType type, qreal value) {
        const QPointF at(200, 30);
        QNativeGestureEvent gesture(type, nullptr, at, at, area->mapToGlobal(at.toPoint()), value, 0, 0);
        QCoreApplication::sendEvent(area, &gesture);
    };
    const char* const ways[WayCount] = {"buttons", "slider keys", "Ctrl+wheel", "pinch"};

    for (const auto& start : starts) {
        for (int way = Buttons; way < WayCount; ++way) {
            ScrollingWindow window(kName, QString());
            TimelineForm form;
            form.attach(window, 60.0f, 2);
            const ZoomButtons buttons(form.area);
            ASSERT_TRUE(buttons.in && buttons.out) << "the row beside the scroll bar is not zoom out, slider, zoom in";
            switch (start.place) {
            case PlayHead::InTheMiddle:
                window._seekToTime(start.time, false);
                break;
            case PlayHead::AtTheLeftEdge:
                // The content brings the time under the play-head.
                window._scrollToTime(start.time, false);
                ASSERT_EQ(window.pointerOffset(), 0.0f);
                break;
            case PlayHead::AtTheRightEdge:
                // 900 px into the view; the timeline then narrows and brings it back to the edge.
                form.bar()->setValue(int(TimelineMetrics::timeToPixels(start.time, 1.0f)) - 900);
                window._seekToTime(start.time, false);
                form.editArea.resize(800, 400);
                form.area->resize(800, 300);
                window._ensureWidgetVisibleInTimeline();
                ASSERT_GT(window.pointerOffset(), 600.0f);
            }
            const float time = window._currentScrollTime();
            ASSERT_NEAR(time, start.time, 1.0f / 24.0f);
            const int pointerX = window.pointer()->x();
            const auto zoom = [&](bool in) {
                switch (way) {
                case Buttons:
                    QTest::mouseClick(in ? buttons.in : buttons.out, Qt::LeftButton);
                    break;
                case SliderKeys:
                    QTest::keyClick(window.zoomSlider(), in ? Qt::Key_Right : Qt::Key_Left);
                    break;
                case CtrlWheel:
                    ctrlWheel(form.area->viewport(), in ? 120 : -120);
                    break;
                default:
                    pinch(form.area, Qt::ZoomNativeGesture, in ? 0.13 : -0.115);
                }
            };
            if (way == Pinch)
                pinch(form.area, Qt::BeginNativeGesture, 0.0);
            for (bool in : {true, false}) {
                for (int step = 1; step <= 9; ++step) {
                    window.previewTimes.clear();
                    const float scale = window.scale();
                    zoom(in);
                    ASSERT_NE(window.scale(), scale) << ways[way];
                    const float kept = window._currentScrollTime();
                    const float sought = window.previewTimes.isEmpty() ? -1.0f : window.previewTimes.last();
                    const bool held = std::abs(kept - time) <= kKept && std::abs(sought - time) <= kKept
                        && window.pointer()->x() == pointerX;
                    EXPECT_TRUE(held) << ways[way] << (in ? " in" : " out") << ", step " << step << " to scale "
                                      << window.scale() << ": the play-head went from " << time << " s to " << kept
                                      << " s, and on screen from " << pointerX << " to " << window.pointer()->x()
                                      << "; the preview went to " << sought << " s";
                    if (!held)
                        break;
                }
            }
            if (way == Pinch) {
                window.previewTimes.clear();
                pinch(form.area, Qt::EndNativeGesture, 0.0);
                EXPECT_EQ(window.previewTimes, QList<float>({window._currentScrollTime()}));
            }
            EXPECT_NEAR(window._currentScrollTime(), time, kKept) << ways[way] << " from " << start.time << " s";
        }
    }
}

TEST_F(MainWindowScrolling, PinchKeepsItsOwnScaleAndSeeksExactlyWhenItEnds)
{
    ScrollingWindow window(kName, QString());
    TimelineForm form;
    form.attach(window, 120.0f, 1);
    QSlider* slider = window.zoomSlider();

    // The slider shows 9 tenths; the pinched 0.98 stays.
    window.editScrollArea_scaleChanged(0.98f);
    EXPECT_FLOAT_EQ(window.scale(), 0.98f);
    EXPECT_EQ(slider->value(), 9);
    window.editScrollArea_scaleChanged(1.25f);
    EXPECT_FLOAT_EQ(window.scale(), 1.225f);
    EXPECT_EQ(slider->value(), 12);

    window.setPlaying(true);
    window.editScrollArea_scaleChanged(2.0f);
    EXPECT_FLOAT_EQ(window.scale(), 1.225f);
    window.previewTimes.clear();
    window.editScrollArea_scaleEnd();
    EXPECT_TRUE(window.previewTimes.isEmpty());

    window.setPlaying(false);
    form.bar()->setValue(294);
    window.previewTimes.clear();
    window.editScrollArea_scaleEnd();
    EXPECT_EQ(window.previewTimes, QList<float>({window._currentScrollTime()}));
    EXPECT_FLOAT_EQ(window._currentScrollTime(), 294.0f / (24.0f * 1.225f));
    // A kinetic scroll that ends seeks the same way.
    window.editScrollArea_willEndDragging();
    EXPECT_EQ(window.previewTimes.size(), 2);
}

TEST_F(MainWindowScrolling, ScrollingMovesRulerAndGutterAndSeeksOrKeepsTheRangeMarkers)
{
    ScrollingWindow window(kName, QString());
    TimelineForm form;
    form.attach(window, 200.0f, 12);
    QScrollBar* vertical = form.area->verticalScrollBar();
    ASSERT_GT(vertical->maximum(), 40);

    // The help tip on screen goes with the first scroll.
    TipManager* tips = TipManager::instance();
    ASSERT_TRUE(tips->showTipDelayed(QStringLiteral("SegmentOperationPressAndDragTip"), form.area, &form.editArea, 0));
    ASSERT_TRUE(tips->isShowingTip());
    form.bar()->setValue(300);
    EXPECT_FALSE(tips->isShowingTip());
    EXPECT_EQ(form.ruler->horizontalScrollBar()->value(), 300);
    EXPECT_EQ(window.previewTimes, QList<float>({300.0f / 24.0f}));
    vertical->setValue(40);
    EXPECT_EQ(window.gutter()->verticalScrollBar()->value(), 40);

    // In range selection the markers stay on their times and nothing seeks.
    window.previewTimes.clear();
    PointerWidget second(3, 41, &form.editArea);
    second.setFixedWidth(52);
    window.setSelectionPointer(&second);
    form.area->setRangeSelectionMode(true);
    form.area->setSelectionStart(3.0f);
    form.area->setSelectionEnd(20.0f);
    form.bar()->setValue(100);
    EXPECT_TRUE(window.previewTimes.isEmpty());
    EXPECT_FLOAT_EQ(window.pointer()->centerX(), 60.0f + 480.0f - 100.0f);
    EXPECT_FLOAT_EQ(second.centerX(), 60.0f + 72.0f - 100.0f);

    // While a range end is held the markers are the drag's, and scrolling to
    // a time does nothing.
    window.setDraggingRangeHandle(true, false);
    form.bar()->setValue(50);
    EXPECT_FLOAT_EQ(second.centerX(), 60.0f + 72.0f - 100.0f);
    window._scrollToTime(30.0f, false);
    EXPECT_EQ(form.bar()->value(), 50);
    window.setDraggingRangeHandle(false, false);
    window._scrollToTime(30.0f, false);
    EXPECT_EQ(form.bar()->value(), int(std::ceil(720.0f - window.pointerOffset())));
    window.setSelectionPointer(nullptr);
}

TEST_F(MainWindowScrolling, ScrollToAPositionClampsBothAxes)
{
    ScrollingWindow window(kName, QString());
    TimelineForm form;
    form.attach(window, 200.0f, 12);
    QScrollBar* vertical = form.area->verticalScrollBar();
    form.bar()->setValue(480);
    vertical->setValue(30);
    window._seekToTime(25.0f, false);
    ASSERT_FLOAT_EQ(window.pointerOffset(), 120.0f);

    // A negative y keeps the rows; x before the start moves the pointer to the time.
    window._animateScrollToPosition(-72, -1, false);
    EXPECT_EQ(form.bar()->value(), 0);
    EXPECT_EQ(vertical->value(), 30);
    EXPECT_FLOAT_EQ(window.pointerOffset(), 48.0f);
    EXPECT_FLOAT_EQ(window._currentScrollTime(), 2.0f);

    window._animateScrollToPosition(240, 10, true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.bar()->value() == 240 && vertical->value() == 10; }, 5000));
    EXPECT_EQ(window.gutter()->verticalScrollBar()->value(), 10);
}

TEST_F(MainWindowScrolling, SegmentDragAutoScrollStopsAtTheEdgesAndNeverDropsBeforeZero)
{
    ScrollingWindow window(kName, QString());
    TimelineForm form;
    form.attach(window, 200.0f, 2);
    TrackWidget* track = form.area->trackWidgetAt(1);
    form.bar()->setValue(30);
    // The pointer over 1 s of content with a 2 s file.
    window.setDrop(track, 84.0f, 2.0f);

    window._autoScrollSegmentLeft = true;
    window._autoScrollSegmentRight = false;
    window._autoScrollWhileDraggingSegment();
    EXPECT_EQ(form.bar()->value(), 18);
    EXPECT_FLOAT_EQ(window.dropX(), 72.0f);
    EXPECT_FLOAT_EQ(window.dropTime(), 0.5f);
    ASSERT_NE(track->dropIndicator(), nullptr);
    // The next steps follow on their own until the start; the drop never goes before 0.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.dropX() == 54.0f; }, 5000));
    window._autoScrollSegmentLeft = false;
    window._autoScrollSegmentRight = false;
    EXPECT_EQ(form.bar()->value(), 0);
    EXPECT_FLOAT_EQ(window.dropTime(), 0.0f);
    EXPECT_EQ(track->dropIndicator()->geometry().width(), TimelineMetrics::tileWidth(2.0f, 1.0f));
    QTest::qWait(120);
    EXPECT_FLOAT_EQ(window.dropX(), 54.0f);

    // Right: half a second at scale 2, no further than the content's end.
    window._applyTimelineScale(2.0f);
    form.bar()->setValue(form.maximumX() - 30);
    window.setDrop(track, 600.0f, 2.0f);
    window._autoScrollSegmentLeft = false;
    window._autoScrollSegmentRight = true;
    window._autoScrollWhileDraggingSegment();
    EXPECT_EQ(form.bar()->value(), form.maximumX() - 6);
    EXPECT_FLOAT_EQ(window.dropTime(), (624.0f - 60.0f) / 48.0f);
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.bar()->value() == form.maximumX(); }, 5000));
    window._autoScrollSegmentLeft = false;
    window._autoScrollSegmentRight = false;
    EXPECT_FLOAT_EQ(window.dropX(), 630.0f);
}

TEST_F(MainWindowScrolling, TrackAndRangeAutoScrollClampAndTheRangeSpeedIsCappedByTheScale)
{
    ScrollingWindow window(kName, QString());
    TimelineForm form;
    form.attach(window, 200.0f, 12);
    QScrollBar* vertical = form.area->verticalScrollBar();
    const int maximumY = form.area->contentSize().height() - form.area->viewport()->height();
    vertical->setValue(15);
    window._autoScrollTrackUp = true;
    window._autoScrollTrackDown = false;
    window._autoScrollWhileDraggingTrack();
    EXPECT_EQ(vertical->value(), 5);
    ASSERT_TRUE(QTest::qWaitFor([&] { return vertical->value() == 0; }, 5000));
    vertical->setValue(maximumY - 4);
    window._autoScrollTrackUp = false;
    window._autoScrollTrackDown = true;
    ASSERT_TRUE(QTest::qWaitFor([&] { return vertical->value() == maximumY; }, 5000));
    window._autoScrollTrackUp = false;
    window._autoScrollTrackDown = false;

    // Dragging the range's end to the right at scale 1.1.
    window._applyTimelineScale(1.1f);
    PointerWidget second(3, 41, &form.editArea);
    second.setFixedWidth(52);
    window.setSelectionPointer(&second);
    form.area->setRangeSelectionMode(true);
    form.area->setSelectionStart(2.0f);
    form.bar()->setValue(100);
    window._autoScrollRangeLeft = false;
    window._autoScrollRangeRight = true;
    window._autoScrollWhileSelectingRange();
    EXPECT_EQ(form.bar()->value(), 124);
    EXPECT_FLOAT_EQ(window.rangeSpeed(), 1.05f);
    EXPECT_FLOAT_EQ(form.area->selectionEnd(), window._currentScrollTime());
    EXPECT_FLOAT_EQ(second.centerX(), std::ceil(TimelineMetrics::timeToContentX(2.0f, 1.1f) - 124.0f - 26.0f) + 26.0f);
    // 25.2 px (speed 1.05) truncated: the next step lands at 149.
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.bar()->value() >= 149; }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.rangeSpeed() >= 1.1f; }, 5000));
    QTest::qWait(120);
    EXPECT_FLOAT_EQ(window.rangeSpeed(), 1.1f);

    // Dragging the start to the left stops at 0 and leaves the end where it is.
    window._autoScrollRangeLeft = false;
    window._autoScrollRangeRight = false;
    form.area->setSelectionEnd(30.0f);
    window.setDraggingRangeHandle(true, true);
    form.bar()->setValue(20);
    window._autoScrollRangeLeft = true;
    window._autoScrollRangeRight = false;
    window._autoScrollWhileSelectingRange();
    window._autoScrollRangeLeft = false;
    window._autoScrollRangeRight = false;
    EXPECT_EQ(form.bar()->value(), 0);
    EXPECT_FLOAT_EQ(form.area->selectionStart(), window._currentScrollTime());
    EXPECT_FLOAT_EQ(form.area->selectionEnd(), 30.0f);
    EXPECT_FLOAT_EQ(window.pointer()->centerX(), std::ceil(TimelineMetrics::timeToContentX(30.0f, 1.1f) - 26.0f) + 26.0f);
    window.setSelectionPointer(nullptr);
}

TEST_F(MainWindowScrolling, NarrowedTimelineBringsThePointerBackWithItsTime)
{
    ScrollingWindow window(kName, QString());
    TimelineForm form;
    form.attach(window, 200.0f, 1);
    window._seekToTime(37.5f, false);
    ASSERT_FLOAT_EQ(window.pointer()->centerX(), 960.0f);

    // Wide enough: nothing moves.
    window._ensureWidgetVisibleInTimeline();
    EXPECT_FLOAT_EQ(window.pointerOffset(), 900.0f);

    form.editArea.resize(800, 400);
    form.area->resize(800, 300);
    window._ensureWidgetVisibleInTimeline();
    EXPECT_FLOAT_EQ(window.pointer()->centerX(), 748.0f);
    EXPECT_FLOAT_EQ(window.pointerOffset(), 688.0f);
    EXPECT_EQ(form.bar()->value(), 212);
    EXPECT_FLOAT_EQ(window._currentScrollTime(), 37.5f);
}

TEST_F(MainWindowScrolling, ZoomingPausesTheEngineAndAPinchEndSeeksItToTheScrollTime)
{
    ScrollingWindow window(kName, QString());
    if (!window.startEngine(320, 180))
        GTEST_SKIP() << "no OpenGL context for the preview";
    auto* text = new TextSegment(QStringLiteral("caption"), 0.0f, 120.0f, &window, nullptr);
    text->setTrackId(1);
    window.projectManager()->addSegmentSorted(text, nullptr);
    window.projectManager()->updateDuration();
    TimelineForm form;
    form.attach(window, window.projectManager()->duration(), 1);
    AVComposition* composition = window.composition();
    ASSERT_TRUE(QTest::qWaitFor([&] { return composition->findSegment(uint32_t(text->serialNumber())); }, 10000));
    window.engine()->refreshDuration();
    AVRender* render = window.engine()->renderer();

    // A pinch and a slider move each stop playback first (while the window
    // knows it plays, a zoom does not seek, which would pause as well).
    window.engine()->togglePlayback();
    ASSERT_TRUE(QTest::qWaitFor([&] { return render->isPlaying(); }, 5000));
    window.setPlaying(true);
    window.editScrollArea_scaleBegan();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !render->isPlaying(); }, 5000));
    window.engine()->togglePlayback();
    ASSERT_TRUE(QTest::qWaitFor([&] { return render->isPlaying(); }, 5000));
    window.setPlaying(true);
    window.zoomSlider()->setValue(15);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !render->isPlaying(); }, 5000));
    EXPECT_FLOAT_EQ(window.scale(), 1.5f);
    window.setPlaying(false);

    // 10 s under the content's edge; the play-head keeps the fraction of a
    // pixel its time had when the zoom came.
    form.bar()->setValue(360);
    ASSERT_EQ(form.bar()->value(), 360);
    ASSERT_NEAR(window._currentScrollTime(), 10.0, 1.0 / 36.0);
    window.editScrollArea_scaleEnd();
    EXPECT_NEAR(window.engine()->currentTime(), window._currentScrollTime(), 1e-4);
    window._finishClosing();
}
