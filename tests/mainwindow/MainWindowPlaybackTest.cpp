#include "TestWindow.h"

#include "CanvasWidget.h"
#include "CountingRender.h"
#include "CropWidget.h"
#include "EditScrollArea.h"
#include "IsolatedSettings.h"
#include "MovieSegment.h"
#include "PointerWidget.h"
#include "ProjectManager.h"
#include "ProjectTestSupport.h"
#include "SegmentWidget.h"
#include "TestMedia.h"
#include "TextEditWidget.h"
#include "TextSegment.h"
#include "TrackWidget.h"

#include <QIcon>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QString kName = QStringLiteral("Trip");

// The window with its play-position state opened to the tests; the hooks
// the desktop window fills in record what reaches them.
class PlaybackWindow : public TestWindow
{
public:
    using TestWindow::TestWindow;
    // The timeline panel of a test goes first, also when a check gives up early.
    ~PlaybackWindow() override { setTimeline(nullptr); }

    using MainWindow::_animateScrollTo;
    using MainWindow::_currentScrollTime;
    using MainWindow::_initPointerArea;
    using MainWindow::_layoutTimelineOverlays;
    using MainWindow::_nextPosition;
    using MainWindow::_previousPosition;
    using MainWindow::_scrollToTime;
    using MainWindow::_seekPreview;
    using MainWindow::_seekToTime;
    using MainWindow::_updateEditingWidgetsAtPointer;
    using MainWindow::_updatePlayPauseButton;
    using MainWindow::_waitWhileBusy;
    using MainWindow::adjustPlaybackArea;
    using MainWindow::applyPreviewSizeLevel;
    using MainWindow::grabEditingSegmentScreen;

    void setPreviewPanel(QWidget* panel, QWidget* playbackArea)
    {
        _previewArea = panel;
        _previewContainer = playbackArea;
    }
    void setPlayPauseButton(QAbstractButton* button) { _playPauseButton = button; }
    void setTimelineArea(QWidget* editArea, QWidget* pointerArea, QAbstractButton* modeButton)
    {
        _editAreaWidget = editArea;
        _pointerArea = pointerArea;
        _segmentModeButton = modeButton;
    }
    // An engine the window neither made nor releases.
    void lendEngine(AVEngine* engine) { _engine = engine; }
    void setPlaying(bool playing) { _playing = playing; }
    // Opens the text (0), drawing (1) or crop (2) editor over the window.
    QWidget* openEditor(int kind)
    {
        if (kind == 0)
            return _textEditor = new TextEditWidget(this);
        if (kind == 1)
            return _canvas = new CanvasWidget(320, 180, this);
        return _cropWidget = new CropWidget(QRect(0, 0, 320, 180), QPixmap(), QRectF(0, 0, 1, 1), 0, 0, 0, 0, true, this);
    }
    void setFullScreen(bool on) { _fullScreen = on; }
    void setPreviewScale(float scale) { _previewScale = scale; }
    void setTimelineScale(float scale) { _timelineScale = scale; }
    float pointerOffset() const { return _pointerOffset; }
    bool scrollAnimating() const { return _scrollAnimating; }
    int previewSizeLevel() const { return _previewSizeLevel; }
    PointerWidget* pointer() const { return _pointer; }

    QList<float> controlTimes;
    QList<float> previewTimes;
    QList<Segment*> grabbed;
    int toggles = 0;

protected:
    void _updateEditingControls(float time) override { controlTimes << time; }
    void _updateFullscreenPosition(float time) override { previewTimes << time; }
    void editScrollArea_grabSegmentScreen(Segment* segment) override { grabbed << segment; }
    void _togglePlayback() override
    {
        ++toggles;
        MainWindow::_togglePlayback();
    }
};

// The timeline part of the desktop window's form: the edit area holding
// the pointer area and the tracks, 1080 wide, so that 960 pixels (40 s at
// zoom 1) lie between the margins.
class TimelinePanel
{
public:
    TimelinePanel()
    {
        editArea.resize(1080, 400);
        pointerArea = new QWidget(&editArea);
        modeButton = new QPushButton(pointerArea);
        area = new EditScrollArea(&editArea);
        area->setGeometry(0, 40, 1080, 300);
    }

    void attach(PlaybackWindow& window, float duration, int trackCount)
    {
        for (int index = 0; index < trackCount; ++index)
            area->addTrackWidget(1.0f, duration);
        area->relayoutTracks(1.0f, duration);
        window.setTimelineArea(&editArea, pointerArea, modeButton);
        window.setTimeline(area);
        window._initPointerArea();
        editArea.show();
    }

    SegmentWidget* addTile(Segment* segment, int trackIndex)
    {
        SegmentWidget* tile = area->trackWidgetAt(trackIndex)->addSegmentWidget(segment);
        area->connectSegmentWidget(tile);
        tile->setScale(1.0f, false);
        return tile;
    }

    QScrollBar* bar() const { return area->horizontalScrollBar(); }

    QWidget editArea;
    QWidget* pointerArea;
    QPushButton* modeButton;
    EditScrollArea* area;
};

TextSegment* addText(PlaybackWindow& window, float start, float duration, int track)
{
    auto* text = new TextSegment(QStringLiteral("caption"), start, duration, &window, nullptr);
    text->setTrackId(track);
    window.projectManager()->addSegmentSorted(text, nullptr);
    return text;
}

QImage iconPicture(const QIcon& icon)
{
    return icon.pixmap(25, 25).toImage();
}

QStringList gWarnings;

void recordWarning(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type == QtWarningMsg)
        gWarnings << message;
}

class MainWindowPlayback : public ::testing::Test
{
protected:
    IsolatedSettings settings;
    TemporaryProduct product;
};

} // namespace

TEST_F(MainWindowPlayback, PreviewScaleShrinksThePanelAroundItsCentreBeforeTheLetterbox)
{
    PlaybackWindow window(kName, QString());
    QWidget panel;
    panel.resize(1000, 600);
    auto* playbackArea = new QWidget(&panel);
    window.setPreviewPanel(&panel, playbackArea);
    ProjectManager* project = window.projectManager();
    project->setResolution(ProjectManager::Aspect16x9);
    project->setDirection(true);

    // 944 x 544 inside the margins, halved to 472 x 272 at (264, 164); the
    // 16:9 picture then is 265.5 high, rounded up, 3.25 below the top.
    window.setPreviewScale(0.5f);
    window.adjustPlaybackArea();
    EXPECT_EQ(playbackArea->geometry(), QRect(264, 167, 472, 266));

    // Portrait fits the 272 height: 153 wide, 159.5 in from the left.
    project->setDirection(false);
    window.adjustPlaybackArea();
    EXPECT_EQ(playbackArea->geometry(), QRect(424, 164, 153, 272));

    // Full screen takes the whole panel whatever the scale.
    project->setDirection(true);
    window.setFullScreen(true);
    window.adjustPlaybackArea();
    EXPECT_EQ(playbackArea->geometry(), QRect(28, 35, 944, 531));
    window.setFullScreen(false);
    window.setPreviewScale(1.0f);
    window.adjustPlaybackArea();
    EXPECT_EQ(playbackArea->geometry(), QRect(28, 35, 944, 531));
    window.setPreviewScale(0.75f);
    window.adjustPlaybackArea();
    // 944 x 544 less 118 and 68 on each side: 708 x 408, then 398.25 high.
    EXPECT_EQ(playbackArea->geometry(), QRect(146, 101, 708, 398));
}

TEST_F(MainWindowPlayback, PlayPauseIconFollowsThePlayingFlag)
{
    PlaybackWindow window(kName, QString());
    QPushButton button;
    window.setPlayPauseButton(&button);
    const QImage play = iconPicture(QIcon(QStringLiteral(":/images/navi_play")));
    const QImage pause = iconPicture(QIcon(QStringLiteral(":/images/navi_pause")));
    ASSERT_FALSE(play.isNull());
    ASSERT_FALSE(pause.isNull());
    ASSERT_NE(play, pause);

    window.setPlaying(true);
    window._updatePlayPauseButton();
    EXPECT_EQ(iconPicture(button.icon()), pause);
    window.setPlaying(false);
    window._updatePlayPauseButton();
    EXPECT_EQ(iconPicture(button.icon()), play);

    // An open editor has the button to itself; closed, the icon follows again.
    for (int kind : {0, 1, 2}) {
        const QImage before = iconPicture(button.icon());
        QWidget* editor = window.openEditor(kind);
        window.setPlaying(kind != 1);
        window._updatePlayPauseButton();
        EXPECT_EQ(iconPicture(button.icon()), before) << kind;
        delete editor;
        window._updatePlayPauseButton();
        EXPECT_EQ(iconPicture(button.icon()), kind == 1 ? play : pause) << kind;
    }
}

TEST_F(MainWindowPlayback, WaveformPixelsPerSecondIgnoreTheTimelineZoom)
{
    PlaybackWindow window(kName, QString());
    for (float scale : {0.2f, 1.0f, 4.0f}) {
        window.setTimelineScale(scale);
        EXPECT_FLOAT_EQ(window.segmentTimeToPixels(nullptr, 1.0f), 96.0f) << scale;
    }
}

TEST_F(MainWindowPlayback, PointerMovesUpToTheRightEdgeAndTheContentScrollsBeyond)
{
    PlaybackWindow window(kName, QString());
    TimelinePanel timeline;
    timeline.attach(window, 200.0f, 1);
    ASSERT_GT(timeline.bar()->maximum(), 1000);

    // Exactly at the right edge: 960 px after the margin.
    window._seekToTime(40.0f, false);
    EXPECT_EQ(timeline.bar()->value(), 0);
    EXPECT_FLOAT_EQ(window.pointerOffset(), 960.0f);
    EXPECT_FLOAT_EQ(window.pointer()->centerX(), 1020.0f);

    // One pixel beyond (963 - 2 = 961): the pointer stays, the content moves by that pixel.
    timeline.bar()->setValue(2);
    window._seekToTime(40.125f, false);
    EXPECT_EQ(timeline.bar()->value(), 3);
    EXPECT_FLOAT_EQ(window.pointerOffset(), 960.0f);
    EXPECT_FLOAT_EQ(window.pointer()->centerX(), 1020.0f);
    EXPECT_FLOAT_EQ(window._currentScrollTime(), 40.125f);

    // Inside the view only the pointer moves.
    window._seekToTime(10.0f, false);
    EXPECT_EQ(timeline.bar()->value(), 3);
    EXPECT_FLOAT_EQ(window.pointerOffset(), 237.0f);
    EXPECT_FLOAT_EQ(window.pointer()->centerX(), 297.0f);

    // The editing controls get the time under the pointer.
    window._updateEditingWidgetsAtPointer();
    EXPECT_EQ(window.controlTimes, QList<float>({10.0f}));

    // Scrolling to a time puts it under the pointer; a time at the start
    // of the content with the pointer further right moves the pointer.
    window._scrollToTime(50.0f, false);
    EXPECT_EQ(timeline.bar()->value(), 1200 - 237);
    EXPECT_FLOAT_EQ(window._currentScrollTime(), 50.0f);
    window._scrollToTime(1.0f, false);
    EXPECT_EQ(timeline.bar()->value(), 0);
    EXPECT_FLOAT_EQ(window.pointerOffset(), 24.0f);
    EXPECT_FLOAT_EQ(window._currentScrollTime(), 1.0f);
}

TEST_F(MainWindowPlayback, AnimatedScrollBeforeTheStartMovesThePointerWhenItEnds)
{
    PlaybackWindow window(kName, QString());
    TimelinePanel timeline;
    timeline.attach(window, 200.0f, 1);
    timeline.bar()->setValue(480);
    window._seekToTime(30.0f, false);
    ASSERT_FLOAT_EQ(window.pointerOffset(), 240.0f);

    // 2 s lies 432 px left of the view; with the pointer 240 px in, the
    // content would have to start 192 px before its beginning.
    window._seekToTime(2.0f, true);
    EXPECT_TRUE(window.scrollAnimating());
    EXPECT_FLOAT_EQ(window.pointerOffset(), 240.0f);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.scrollAnimating(); }, 5000));
    EXPECT_EQ(timeline.bar()->value(), 0);
    EXPECT_FLOAT_EQ(window.pointerOffset(), 48.0f);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.pointer()->centerX() == 108.0f; }, 5000))
        << window.pointer()->centerX();
    EXPECT_FLOAT_EQ(window._currentScrollTime(), 2.0f);

    // An offset already in place starts nothing.
    window._animateScrollTo(0, true);
    EXPECT_FALSE(window.scrollAnimating());
}

TEST_F(MainWindowPlayback, NextAndPreviousFollowTheEditedTrackAndIgnoreJumpsWhileScrolling)
{
    PlaybackWindow window(kName, QString());
    TimelinePanel timeline;
    addText(window, 0.0f, 4.0f, 1);
    addText(window, 6.0f, 4.0f, 1);
    TextSegment* edited = addText(window, 2.0f, 3.0f, 2);
    window.projectManager()->updateDuration();
    timeline.attach(window, window.projectManager()->duration(), 2);
    SegmentWidget* tile = timeline.addTile(edited, 1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&timeline.editArea));
    window._seekToTime(2.0f, false);

    QTest::mouseDClick(tile, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(tile, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    ASSERT_EQ(timeline.area->editingSegmentWidget(), tile);

    // Nothing on track 2 starts before 2 s, and the other tracks are not searched.
    window._previousPosition();
    EXPECT_TRUE(window.previewTimes.isEmpty());
    EXPECT_FALSE(window.scrollAnimating());
    EXPECT_FLOAT_EQ(window._currentScrollTime(), 2.0f);

    // Nothing on track 2 starts after 2 s either: the next start on any track.
    window._nextPosition();
    EXPECT_EQ(window.previewTimes, QList<float>({6.0f}));
    ASSERT_TRUE(window.scrollAnimating());
    window._nextPosition();
    window._previousPosition();
    EXPECT_EQ(window.previewTimes, QList<float>({6.0f}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.scrollAnimating(); }, 5000));
    EXPECT_EQ(timeline.bar()->value(), 144 - 48);
    EXPECT_FLOAT_EQ(window._currentScrollTime(), 6.0f);
    EXPECT_EQ(window.toggles, 0);

    // Out of editing every track counts: the edited segment's start is the nearest before.
    tile->toggleEditing();
    ASSERT_EQ(timeline.area->editingSegmentWidget(), nullptr);
    window._previousPosition();
    EXPECT_EQ(window.previewTimes, QList<float>({6.0f, 2.0f}));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.scrollAnimating(); }, 5000));
    EXPECT_FLOAT_EQ(window._currentScrollTime(), 2.0f);
}

TEST_F(MainWindowPlayback, JumpWhilePlayingSeeksTheEngineAndResumes)
{
    PlaybackWindow window(kName, QString());
    if (!window.startEngine(320, 180))
        GTEST_SKIP() << "no OpenGL context for the preview";
    TimelinePanel timeline;
    TextSegment* first = addText(window, 0.0f, 4.0f, 1);
    TextSegment* second = addText(window, 5.0f, 4.0f, 1);
    window.projectManager()->updateDuration();
    timeline.attach(window, window.projectManager()->duration(), 1);
    AVComposition* composition = window.composition();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return composition->findSegment(uint32_t(first->serialNumber())) &&
                   composition->findSegment(uint32_t(second->serialNumber()));
        },
        10000));
    window.engine()->refreshDuration();
    AVRender* render = window.engine()->renderer();

    window.engine()->togglePlayback();
    ASSERT_TRUE(QTest::qWaitFor([&] { return render->isPlaying(); }, 5000));
    window.setPlaying(true);
    window._nextPosition();
    EXPECT_NEAR(window.engine()->currentTime(), 5.0, 0.25);
    EXPECT_EQ(window.previewTimes, QList<float>({5.0f}));
    EXPECT_EQ(window.toggles, 0);
    // The play command comes back once the jump has settled.
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.toggles == 1; }, 5000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return render->isPlaying(); }, 5000));

    window.engine()->pause();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !render->isPlaying(); }, 5000));
    window.setPlaying(false);
    window._seekPreview(2.5f, true);
    EXPECT_NEAR(window.engine()->currentTime(), 2.5, 1e-4);
    window._finishClosing();
}

TEST_F(MainWindowPlayback, NewPreviewLevelResizesTheCompositionAndTheSameLevelDoesNothing)
{
    PlaybackWindow window(kName, QString());
    if (!window.startEngine(320, 180))
        GTEST_SKIP() << "no OpenGL context for the preview";
    ASSERT_EQ(window.previewSizeLevel(), 1);
    const QSize small = window.projectManager()->movieSize(0);
    ASSERT_NE(small, QSize(320, 180));
    window.applyPreviewSizeLevel(0);
    EXPECT_EQ(window.previewSizeLevel(), 0);
    AVComposition* composition = window.composition();
    EXPECT_TRUE(QTest::qWaitFor([&] { return composition->width() == small.width(); }, 5000));
    EXPECT_EQ(composition->height(), small.height());
    window._finishClosing();
}

TEST_F(MainWindowPlayback, SameLevelRequestsNoRedraw)
{
    PlaybackWindow window(kName, QString());
    AVComposition composition(320, 180, AVEngine::kSampleRate, AVEngine::kChannelCount, nullptr);
    CountingRender render;
    AVEngine engine(&composition, nullptr, &render);
    window.lendEngine(&engine);
    window.applyPreviewSizeLevel(1);
    EXPECT_EQ(render.tickets, 0);
    window.applyPreviewSizeLevel(2);
    EXPECT_EQ(render.tickets, 1);
    EXPECT_EQ(window.previewSizeLevel(), 2);
    window.applyPreviewSizeLevel(2);
    EXPECT_EQ(render.tickets, 1);
    window.lendEngine(nullptr);
}

TEST_F(MainWindowPlayback, PointerOverlayReachesDownToTheScrollBar)
{
    PlaybackWindow window(kName, QString());
    TimelinePanel timeline;
    timeline.attach(window, 60.0f, 1);
    window._seekToTime(10.0f, false);
    const int x = window.pointer()->x();
    window._layoutTimelineOverlays();
    EXPECT_EQ(window.pointer()->geometry(), QRect(x, 0, 52, 400 - 15));
    timeline.editArea.resize(1080, 250);
    window._layoutTimelineOverlays();
    EXPECT_EQ(window.pointer()->geometry(), QRect(x, 0, 52, 250 - 15));
}

TEST_F(MainWindowPlayback, GrabGoesOutOnlyForAnEditedMovie)
{
    PlaybackWindow window(kName, QString());
    TimelinePanel timeline;
    auto* movie = new MovieSegment(TestMedia::path(QStringLiteral("clip_h264_aac.mp4")), 0.0f, &window);
    movie->setTrackId(1);
    window.projectManager()->addSegmentSorted(movie, nullptr);
    TextSegment* text = addText(window, 0.0f, 3.0f, 2);
    timeline.attach(window, 10.0f, 2);
    SegmentWidget* movieTile = timeline.addTile(movie, 0);
    SegmentWidget* textTile = timeline.addTile(text, 1);

    window.grabEditingSegmentScreen();
    EXPECT_TRUE(window.grabbed.isEmpty());
    textTile->setEditing(true, false);
    ASSERT_EQ(timeline.area->editingSegmentWidget(), textTile);
    window.grabEditingSegmentScreen();
    EXPECT_TRUE(window.grabbed.isEmpty());
    movieTile->setEditing(true, false);
    ASSERT_EQ(timeline.area->editingSegmentWidget(), movieTile);
    window.grabEditingSegmentScreen();
    EXPECT_EQ(window.grabbed, QList<Segment*>({movie}));
    movieTile->setEditing(false, false);
}

TEST_F(MainWindowPlayback, WaitForThePauseEndsWithTheReportOrAfterItsBound)
{
    PlaybackWindow window(kName, QString());
    gWarnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(recordWarning);

    // Not playing: nothing to wait for.
    window._waitWhileBusy();
    // The renderer's pause report arrives through the event loop.
    window.setPlaying(true);
    QTimer::singleShot(50, &window, [&] { window.setPlaying(false); });
    window._waitWhileBusy();
    EXPECT_TRUE(gWarnings.isEmpty()) << gWarnings.join('\n').toStdString();

    // A renderer that never reports: the wait gives up and says so.
    window.setPlaying(true);
    window._waitWhileBusy();
    qInstallMessageHandler(previous);
    ASSERT_EQ(gWarnings.size(), 1);
    EXPECT_TRUE(gWarnings.first().contains(QStringLiteral("did not report its pause")));
    window.setPlaying(false);
}
