#include "OpeningWindow.h"

#include "AVAudioSegment.h"
#include "AVComposition.h"
#include "AVSegment.h"
#include "AVVideoSegment.h"
#include "HelpTipsSeen.h"
#include "IsolatedSettings.h"
#include "MovieSegment.h"
#include "ProjectTestSupport.h"
#include "TestMedia.h"

#include <QDir>
#include <QGraphicsOpacityEffect>
#include <QPointer>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

const QString kName = QStringLiteral("Placement");

// The window with the timeline's notifications and the placement step open to the tests.
class PlacementWindow : public OpeningWindow
{
public:
    using OpeningWindow::OpeningWindow;
    using MainWindow::_placeSegmentOnTrack;
    using MainWindow::editScrollArea_moveSegmentToTrack;
    using MainWindow::editScrollArea_removeSegment;
    using MainWindow::editScrollArea_beginDraggingTrackWidget;
    using MainWindow::editScrollArea_endDraggingTrackWidget;
    using MainWindow::editScrollArea_removeTrack;
    int keepPositionSerial() const { return _keepPositionSerial; }

    bool undo() { return stepHistory(true); }
    int undoSteps() const { return _projectManager->history().count(); }
};

struct Span {
    float start;
    float duration;
};

class MainWindowPlacement : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Undo does nothing while a help tip is in front.
        markHelpTipsSeen();
        dir = product.projectDir(kName);
    }
    // The engine threads call back into the window until its closing step.
    void TearDown() override
    {
        if (window)
            window->_finishClosing();
    }

    static RecordBuilder text(const char* label, int track, float start, float duration)
    {
        return std::move(RecordBuilder("TEXT").set("Text", label).set("TrackId", track).set("RangeStart", start)
                             .set("RangeDuration", duration).set("FontSize", 20));
    }

    // Opens the project; false without a GL context for the preview.
    bool open(std::vector<RecordBuilder>& records)
    {
        writeProject(dir, records);
        window = std::make_unique<PlacementWindow>(kName, QSize(320, 180));
        window->show();
        return window->_openProject() && waitFor([&] { return window->preview() != nullptr; }, 5000)
            && window->preview()->isValid();
    }

    // Every record became a segment that finished loading, failed or not,
    // and has its engine side (made on the window's thread once reported).
    bool loaded() const
    {
        ProjectManager* manager = window->projectManager();
        return waitFor([&] {
            int done = 0;
            for (int index = 0; index < manager->segmentCount(); ++index) {
                const Segment* segment = manager->segmentAt(index);
                done += segment->state() == 4 && engineSide(segment) ? 1 : 0;
            }
            return manager->segmentCount() == int(recordCount) && done == manager->segmentCount();
        }, 60000);
    }

    Segment* find(const QString& label) const
    {
        ProjectManager* manager = window->projectManager();
        for (int index = 0; index < manager->segmentCount(); ++index) {
            if (manager->segmentAt(index)->text() == label)
                return manager->segmentAt(index);
        }
        return nullptr;
    }

    QVector<Segment*> onTrack(int trackId) const
    {
        QVector<Segment*> found;
        ProjectManager* manager = window->projectManager();
        for (int index = 0; index < manager->segmentCount(); ++index) {
            if (manager->segmentAt(index)->trackId() == trackId)
                found.append(manager->segmentAt(index));
        }
        return found;
    }

    AVSegment* engineSide(const Segment* segment) const
    {
        return window->composition()->findSegment(uint32_t(segment->serialNumber()));
    }

    // The model and the engine agree on where the segment plays.
    void expectSpan(const Segment* segment, Span span) const
    {
        ASSERT_NE(segment, nullptr);
        EXPECT_NEAR(segment->rangeStart(), span.start, 1e-4) << qPrintable(segment->text());
        EXPECT_NEAR(segment->duration(), span.duration, 1e-4) << qPrintable(segment->text());
        AVSegment* engine = engineSide(segment);
        ASSERT_NE(engine, nullptr) << qPrintable(segment->text());
        EXPECT_NEAR(engine->startTime(), span.start, 1e-4) << qPrintable(segment->text());
        EXPECT_NEAR(engine->duration(), span.duration, 1e-4) << qPrintable(segment->text());
    }

    std::string states() const
    {
        QString text;
        ProjectManager* manager = window->projectManager();
        for (int index = 0; index < manager->segmentCount(); ++index)
            text += QStringLiteral("%1=%2 ").arg(manager->segmentAt(index)->type()).arg(manager->segmentAt(index)->state());
        return text.toStdString();
    }

    // A [0,2) B [2,5) on one track.
    static std::vector<RecordBuilder> oneTrack()
    {
        std::vector<RecordBuilder> records;
        records.push_back(text("A", 1, 0, 2));
        records.push_back(text("B", 1, 2, 3));
        return records;
    }

    // A [0,2) B [2,3) on the first track, C [0,4) on the second.
    static std::vector<RecordBuilder> twoTracks()
    {
        std::vector<RecordBuilder> records;
        records.push_back(text("A", 1, 0, 2));
        records.push_back(text("B", 1, 2, 1));
        records.push_back(text("C", 2, 0, 4));
        return records;
    }

    // Tracks and gutter buttons, the empty bottom one included, and the project's length.
    void expectTimeline(int tracks, float duration) const
    {
        EXPECT_EQ(window->timeline()->trackWidgetCount(), tracks);
        EXPECT_EQ(window->gutter()->buttonCount(), tracks);
        EXPECT_FLOAT_EQ(window->projectManager()->duration(), duration);
    }

    TrackWidget* trackAt(int index) const { return window->timeline()->trackWidgetAt(index); }

    IsolatedSettings settings;
    TemporaryProduct product;
    QString dir;
    std::unique_ptr<PlacementWindow> window;
    size_t recordCount = 0;
};

#define OPEN_OR_SKIP(records)                                                                                \
    recordCount = records.size();                                                                                \
    if (!open(records))                                                                                          \
        GTEST_SKIP() << "no OpenGL context for the preview";                                                     \
    ASSERT_TRUE(loaded()) << states()

} // namespace

TEST_F(MainWindowPlacement, InsertModeMoveLaterOnItsOwnTrackClosesTheGapFirst)
{
    std::vector<RecordBuilder> records = oneTrack();
    OPEN_OR_SKIP(records);
    Segment* a = find("A");
    Segment* b = find("B");
    window->projectManager()->setModified(false);

    window->editScrollArea_moveSegmentToTrack(a, trackAt(0), 6.0f);

    expectSpan(b, {0, 3});
    expectSpan(a, {4, 2});
    EXPECT_EQ(a->trackId(), trackAt(0)->trackId());
    EXPECT_NE(window->projectManager()->segmentWidgetFor(a), nullptr);
    // The list stays ordered by start on the track.
    EXPECT_EQ(window->projectManager()->segmentAt(0), b);
    EXPECT_TRUE(window->projectManager()->isModified());
    EXPECT_EQ(window->timeline()->trackWidgetCount(), 2);
}

TEST_F(MainWindowPlacement, InsertModeDropInsideASegmentPushesIt)
{
    std::vector<RecordBuilder> records = oneTrack();
    OPEN_OR_SKIP(records);
    Segment* a = find("A");
    Segment* b = find("B");

    window->editScrollArea_moveSegmentToTrack(a, trackAt(0), 3.5f);

    expectSpan(a, {1.5f, 2});
    expectSpan(b, {3.5f, 3});
    EXPECT_FLOAT_EQ(window->projectManager()->duration(), 6.5f);
}

TEST_F(MainWindowPlacement, MovingOntoTheEmptyTrackTypesItAndLeavingATrackRemovesIt)
{
    std::vector<RecordBuilder> records;
    records.push_back(text("A", 1, 0, 2));
    records.push_back(text("C", 2, 1, 2));
    OPEN_OR_SKIP(records);
    Segment* c = find("C");
    ASSERT_EQ(window->timeline()->trackWidgetCount(), 3);
    TrackWidget* empty = window->newestTrack();
    const int emptyId = empty->trackId();
    const int oldTrack = c->trackId();

    window->editScrollArea_moveSegmentToTrack(c, empty, 5.0f);

    expectSpan(c, {5, 2});
    EXPECT_EQ(c->trackId(), emptyId);
    EXPECT_EQ(window->timeline()->trackWidgetById(oldTrack), nullptr);
    EXPECT_EQ(window->timeline()->trackWidgetById(emptyId)->trackType(), QStringLiteral("TEXT"));
    // A new empty track below, and the left track's button gone.
    ASSERT_EQ(window->timeline()->trackWidgetCount(), 3);
    EXPECT_NE(window->newestTrack(), nullptr);
    EXPECT_NE(window->newestTrack()->trackId(), emptyId);
    EXPECT_EQ(window->newestTrack(), trackAt(2));
    EXPECT_EQ(window->gutter()->buttonCount(), 3);
    QList<int> tags;
    for (int index = 0; index < window->gutter()->buttonCount(); ++index)
        tags << window->gutter()->buttonAt(index)->property("tag").toInt();
    EXPECT_FALSE(tags.contains(oldTrack));
}

TEST_F(MainWindowPlacement, RemovingTheOnlySegmentOfATrackRemovesTheTrackAndItsButton)
{
    std::vector<RecordBuilder> records = twoTracks();
    OPEN_OR_SKIP(records);
    Segment* a = find("A");
    Segment* b = find("B");
    Segment* c = find("C");
    const int32_t aSerial = a->serialNumber();
    const int cTrack = c->trackId();
    const int32_t cSerial = c->serialNumber();
    window->projectManager()->setModified(false);

    // Insert mode closes the gap on the track.
    window->editScrollArea_removeSegment(a);
    EXPECT_EQ(window->projectManager()->segmentCount(), 2);
    EXPECT_EQ(window->composition()->findSegment(uint32_t(aSerial)), nullptr);
    expectSpan(b, {0, 1});
    EXPECT_TRUE(window->projectManager()->isModified());

    window->editScrollArea_removeSegment(c);
    EXPECT_EQ(window->composition()->findSegment(uint32_t(cSerial)), nullptr);
    EXPECT_EQ(window->timeline()->trackWidgetById(cTrack), nullptr);
    expectTimeline(2, 1.0f);
}

TEST_F(MainWindowPlacement, RemovingATrackMarksTheProjectModified)
{
    std::vector<RecordBuilder> records = twoTracks();
    OPEN_OR_SKIP(records);
    const int32_t aSerial = find("A")->serialNumber();
    const int32_t bSerial = find("B")->serialNumber();
    window->projectManager()->setModified(false);

    window->editScrollArea_removeTrack(trackAt(0));

    EXPECT_TRUE(window->projectManager()->isModified());
    ASSERT_EQ(window->projectManager()->segmentCount(), 1);
    EXPECT_EQ(window->projectManager()->segmentAt(0)->text(), QStringLiteral("C"));
    EXPECT_EQ(window->composition()->findSegment(uint32_t(aSerial)), nullptr);
    EXPECT_EQ(window->composition()->findSegment(uint32_t(bSerial)), nullptr);
    expectTimeline(2, 4.0f);
}

// The span [4, 6) placed on four tracks: a segment covering it, two
// cut at one end, one inside it, one touching it and a drawing whose picture
// is missing.
TEST_F(MainWindowPlacement, OverwritePlacementCutsSplitsAndRemovesWhatTheSpanCovers)
{
    std::vector<RecordBuilder> records;
    records.push_back(text("X", 1, 0, 10));
    records.push_back(text("Z", 2, 2, 3));
    records.push_back(text("Y", 2, 5, 3));
    records.push_back(text("W", 3, 4.5f, 1));
    records.push_back(text("V", 3, 6, 1));
    records.push_back(std::move(RecordBuilder("DRAWING").set("File", "drawingImage-9.png").set("TrackId", 4)
                                    .set("RangeStart", 0).set("RangeDuration", 10)));
    OPEN_OR_SKIP(records);
    window->projectManager()->setSegmentMode(1);
    Segment* x = find("X");
    Segment* y = find("Y");
    Segment* z = find("Z");
    Segment* v = find("V");
    const int32_t wSerial = find("W")->serialNumber();
    // Two transitions on Y: one starting before its new start, one exactly there.
    ASSERT_EQ(y->addTransitionAtTime(0.4f, 5.5f), 1);
    ASSERT_EQ(y->addTransitionAtTime(0.5f, 7.0f), 2);
    y->setTransitionStart(1, 0.5f);
    y->setTransitionStart(2, 1.0f);
    ASSERT_NEAR(y->transitionStart(2), 1.0f, 1e-4);
    ASSERT_NEAR(y->transitionDuration(2), 0.5f, 1e-4);

    for (int index = 3; index >= 0; --index)
        window->_placeSegmentOnTrack(4.0f, 2.0f, trackAt(index), nullptr);

    expectSpan(x, {0, 4});
    const QVector<Segment*> xTrack = onTrack(x->trackId());
    ASSERT_EQ(xTrack.size(), 2);
    Segment* tail = xTrack[1];
    EXPECT_NE(tail, x);
    EXPECT_EQ(tail->text(), QStringLiteral("X"));
    EXPECT_NEAR(tail->rangeStart(), 6.0f, 1e-4);
    EXPECT_NEAR(tail->duration(), 4.0f, 1e-4);
    // The last cut made the tail: its load must not move the play position.
    EXPECT_EQ(window->keepPositionSerial(), tail->serialNumber());
    EXPECT_NE(window->projectManager()->segmentWidgetFor(tail), nullptr);
    // The tail's engine side comes once it has loaded.
    ASSERT_TRUE(waitFor([&] { return tail->state() == 4 && engineSide(tail) != nullptr; }, 20000));
    expectSpan(tail, {6, 4});

    expectSpan(z, {2, 2});
    expectSpan(y, {6, 2});
    ASSERT_EQ(y->transitionCount(), 1);
    EXPECT_NEAR(y->transitionStart(1) + y->rangeStart(), 6.0f, 1e-4);
    EXPECT_NEAR(y->transitionDuration(1), 0.5f, 1e-4);
    EXPECT_EQ(find("W"), nullptr);
    EXPECT_EQ(window->composition()->findSegment(uint32_t(wSerial)), nullptr);
    EXPECT_EQ(trackAt(2)->segmentWidgetCount(), 1);
    expectSpan(v, {6, 1});

    const QVector<Segment*> drawings = onTrack(trackAt(3)->trackId());
    ASSERT_EQ(drawings.size(), 2);
    EXPECT_NEAR(drawings[0]->rangeStart(), 0.0f, 1e-4);
    EXPECT_NEAR(drawings[0]->duration(), 4.0f, 1e-4);
    EXPECT_NEAR(drawings[1]->rangeStart(), 6.0f, 1e-4);
    EXPECT_NEAR(drawings[1]->duration(), 4.0f, 1e-4);
    EXPECT_EQ(drawings[1]->type(), QStringLiteral("DRAWING"));
    EXPECT_EQ(drawings[1]->absoluteFilePath(), drawings[0]->absoluteFilePath());
}

// The engine plays media seconds: at speed 2 a movie's stored trims, not the
// halved timeline values, reach both its picture and its sound.
TEST_F(MainWindowPlacement, AMovieAtSpeedTwoGetsItsMediaTrimsOnCreationAndAfterAMove)
{
    ASSERT_TRUE(QFile::copy(TestMedia::path(QStringLiteral("clip_h264_aac.mp4")), dir + "/clip.mp4"));
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("MOVIE").set("File", "clip.mp4").set("TrackId", 1)
                                    .set("RangeStart", 0).set("RangeDuration", 1.2).set("TrimStart", 0.5)
                                    .set("TrimDuration", 1.2).set("Speed", 2)));
    records.push_back(text("A", 2, 0, 1));
    OPEN_OR_SKIP(records);
    auto* movie = dynamic_cast<MovieSegment*>(window->projectManager()->segmentAt(0));
    ASSERT_NE(movie, nullptr);
    ASSERT_NEAR(movie->duration(), 0.6f, 1e-4);
    const auto expectMediaTrims = [&](const char* when) {
        auto* picture = dynamic_cast<AVVideoSegment*>(engineSide(movie));
        auto* sound = dynamic_cast<AVAudioSegment*>(
            window->composition()->findSegment(uint32_t(movie->secondEngineId())));
        ASSERT_NE(picture, nullptr) << when;
        ASSERT_NE(sound, nullptr) << when;
        EXPECT_NEAR(picture->inPoint(), 0.5, 1e-4) << when;
        EXPECT_NEAR(picture->usedLength(), 1.2, 1e-4) << when;
        EXPECT_NEAR(sound->inPoint(), 0.5, 1e-4) << when;
        EXPECT_NEAR(sound->usedLength(), 1.2, 1e-4) << when;
        EXPECT_NEAR(picture->duration(), 0.6, 1e-4) << when;
    };
    expectMediaTrims("created");

    // A trimmed front pushes the timing again, trims included.
    window->beginEditing(movie);
    movie->setStartTime(0.1f);
    ASSERT_TRUE(window->_applySegmentTiming(movie, true));
    const float storedStart = Segment::floatAttribute(movie->attributes(), QStringLiteral("TrimStart"), 0.0f);
    ASSERT_NEAR(storedStart, 0.7f, 1e-3);
    auto* picture = dynamic_cast<AVVideoSegment*>(engineSide(movie));
    ASSERT_NE(picture, nullptr);
    EXPECT_NEAR(picture->inPoint(), 0.7, 1e-3);
    EXPECT_NEAR(picture->usedLength(), 1.0, 1e-3);
    EXPECT_NEAR(picture->duration(), 0.5, 1e-3);
}

TEST_F(MainWindowPlacement, ReorderedTracksReorderTheProjectAndTheGutterComesBack)
{
    std::vector<RecordBuilder> records = twoTracks();
    OPEN_OR_SKIP(records);
    TrackWidget* first = trackAt(0);
    TrackWidget* second = trackAt(1);
    window->projectManager()->setModified(false);

    window->editScrollArea_beginDraggingTrackWidget(second);
    EXPECT_NE(window->gutter()->graphicsEffect(), nullptr);
    ASSERT_TRUE(window->timeline()->moveTrackWidget(second, first));
    window->editScrollArea_endDraggingTrackWidget(second, true);

    ProjectManager* manager = window->projectManager();
    ASSERT_EQ(manager->segmentCount(), 3);
    EXPECT_EQ(manager->segmentAt(0)->text(), QStringLiteral("C"));
    EXPECT_EQ(manager->segmentAt(1)->text(), QStringLiteral("A"));
    EXPECT_EQ(manager->segmentAt(2)->text(), QStringLiteral("B"));
    EXPECT_EQ(manager->segmentAt(0)->trackId(), second->trackId());
    EXPECT_EQ(manager->segmentAt(1)->trackId(), first->trackId());
    EXPECT_EQ(manager->segmentWidgetAt(0), manager->segmentWidgetFor(find("C")));
    EXPECT_TRUE(manager->isModified());
    EXPECT_EQ(window->gutter()->buttonAt(0)->property("tag").toInt(), second->trackId());
    EXPECT_EQ(window->gutter()->buttonAt(1)->property("tag").toInt(), first->trackId());
    // The gutter fades back in and drops its effect once opaque.
    EXPECT_TRUE(waitFor([&] { return window->gutter()->graphicsEffect() == nullptr; }, 5000));
    EXPECT_TRUE(window->gutter()->isVisible());

    // A drag that changed nothing keeps the project as it was.
    manager->setModified(false);
    window->editScrollArea_beginDraggingTrackWidget(first);
    window->editScrollArea_endDraggingTrackWidget(first, false);
    EXPECT_FALSE(manager->isModified());
    EXPECT_EQ(manager->segmentAt(0)->text(), QStringLiteral("C"));
}

// A segment of a kind that cannot be copied would lose everything after the
// span if it were cut without its tail: it stays whole.
TEST_F(MainWindowPlacement, OverwritePlacementLeavesASegmentWithoutACopyUncut)
{
    std::vector<RecordBuilder> records;
    records.push_back(text("A", 1, 0, 1));
    OPEN_OR_SKIP(records);
    window->projectManager()->setSegmentMode(1);
    RecordBuilder sketch("SKETCH");
    sketch.set("RangeStart", 0).set("RangeDuration", 10);
    auto* uncopyable = new Segment(std::move(sketch.attributes), window.get());
    TrackWidget* track = window->newestTrack();
    SegmentWidget* widget = track->addSegmentWidget(uncopyable);
    uncopyable->setTrackId(track->trackId());
    window->projectManager()->addSegmentSorted(uncopyable, widget);

    window->_placeSegmentOnTrack(4.0f, 2.0f, track, nullptr);

    EXPECT_EQ(onTrack(track->trackId()).size(), 1);
    EXPECT_NEAR(uncopyable->rangeStart(), 0.0f, 1e-4);
    EXPECT_NEAR(uncopyable->duration(), 10.0f, 1e-4);
    EXPECT_EQ(window->keepPositionSerial(), 0);
}

TEST_F(MainWindowPlacement, OverwriteModeMoveCutsTheDestinationAndLeavesTheSourceGap)
{
    std::vector<RecordBuilder> records = twoTracks();
    OPEN_OR_SKIP(records);
    window->projectManager()->setSegmentMode(1);
    Segment* a = find("A");
    Segment* b = find("B");
    Segment* c = find("C");
    const int destination = c->trackId();

    window->editScrollArea_moveSegmentToTrack(a, trackAt(1), 1.0f);

    expectSpan(a, {1, 2});
    EXPECT_EQ(a->trackId(), destination);
    // Nothing closes the gap A left.
    expectSpan(b, {2, 1});
    expectSpan(c, {0, 1});
    const QVector<Segment*> cut = onTrack(destination);
    ASSERT_EQ(cut.size(), 3);
    EXPECT_EQ(cut[1], a);
    EXPECT_EQ(cut[2]->text(), QStringLiteral("C"));
    EXPECT_NEAR(cut[2]->rangeStart(), 3.0f, 1e-4);
    EXPECT_NEAR(cut[2]->duration(), 1.0f, 1e-4);
}

// Every gesture below leaves one undo step; undoing it puts model and engine
// back as they were, keeping the segments that survive.
TEST_F(MainWindowPlacement, UndoingAMoveRestoresTheEarlierPlacement)
{
    std::vector<RecordBuilder> records = twoTracks();
    OPEN_OR_SKIP(records);
    Segment* a = find("A");
    Segment* b = find("B");
    Segment* c = find("C");
    const int steps = window->undoSteps();

    window->editScrollArea_moveSegmentToTrack(a, trackAt(1), 6.0f);
    EXPECT_EQ(window->undoSteps(), steps + 1);
    expectSpan(a, {6, 2});
    expectSpan(b, {0, 1});
    ASSERT_EQ(a->trackId(), c->trackId());

    ASSERT_TRUE(window->undo());
    EXPECT_EQ(find("A"), a);
    EXPECT_EQ(find("B"), b);
    expectSpan(a, {0, 2});
    expectSpan(b, {2, 1});
    expectSpan(c, {0, 4});
    EXPECT_EQ(a->trackId(), trackAt(0)->trackId());
    EXPECT_EQ(b->trackId(), trackAt(0)->trackId());
    EXPECT_EQ(c->trackId(), trackAt(1)->trackId());
    expectTimeline(3, 4.0f);
}

TEST_F(MainWindowPlacement, UndoingARemovalBringsTheSegmentBack)
{
    std::vector<RecordBuilder> records = oneTrack();
    OPEN_OR_SKIP(records);
    Segment* b = find("B");
    const int32_t aSerial = find("A")->serialNumber();
    const int steps = window->undoSteps();

    window->editScrollArea_removeSegment(find("A"));
    EXPECT_EQ(window->undoSteps(), steps + 1);
    expectSpan(b, {0, 3});

    ASSERT_TRUE(window->undo());
    Segment* back = find("A");
    ASSERT_NE(back, nullptr);
    // Removed segments are gone for good: it comes back as a new one.
    EXPECT_NE(back->serialNumber(), aSerial);
    ASSERT_TRUE(waitFor([&] { return back->state() == 4 && engineSide(back) != nullptr; }, 20000));
    expectSpan(back, {0, 2});
    expectSpan(b, {2, 3});
    EXPECT_EQ(find("B"), b);
    EXPECT_EQ(back->trackId(), b->trackId());
    expectTimeline(2, 5.0f);
}

TEST_F(MainWindowPlacement, UndoingATrackRemovalBringsTheTrackBack)
{
    std::vector<RecordBuilder> records = twoTracks();
    OPEN_OR_SKIP(records);
    Segment* c = find("C");
    const int steps = window->undoSteps();

    window->editScrollArea_removeTrack(trackAt(0));
    EXPECT_EQ(window->undoSteps(), steps + 1);
    expectTimeline(2, 4.0f);

    ASSERT_TRUE(window->undo());
    expectTimeline(3, 4.0f);
    Segment* a = find("A");
    Segment* b = find("B");
    ASSERT_TRUE(a && b);
    ASSERT_TRUE(waitFor([&] { return engineSide(a) && engineSide(b); }, 20000));
    expectSpan(a, {0, 2});
    expectSpan(b, {2, 1});
    EXPECT_EQ(find("C"), c);
    expectSpan(c, {0, 4});
    EXPECT_EQ(a->trackId(), trackAt(0)->trackId());
    EXPECT_EQ(b->trackId(), trackAt(0)->trackId());
    EXPECT_EQ(trackAt(0)->trackType(), QStringLiteral("TEXT"));
    EXPECT_EQ(c->trackId(), trackAt(1)->trackId());
}

// Only a drag that changed the order leaves a step.
TEST_F(MainWindowPlacement, UndoingATrackReorderPutsTheTracksBack)
{
    std::vector<RecordBuilder> records = twoTracks();
    OPEN_OR_SKIP(records);
    TrackWidget* first = trackAt(0);
    TrackWidget* second = trackAt(1);
    const int steps = window->undoSteps();
    window->editScrollArea_beginDraggingTrackWidget(second);
    ASSERT_TRUE(window->timeline()->moveTrackWidget(second, first));
    window->editScrollArea_endDraggingTrackWidget(second, true);
    EXPECT_EQ(window->undoSteps(), steps + 1);
    window->editScrollArea_beginDraggingTrackWidget(first);
    window->editScrollArea_endDraggingTrackWidget(first, false);
    EXPECT_EQ(window->undoSteps(), steps + 1);
    ASSERT_EQ(window->projectManager()->segmentAt(0)->text(), QStringLiteral("C"));

    ASSERT_TRUE(window->undo());
    ProjectManager* manager = window->projectManager();
    ASSERT_EQ(manager->segmentCount(), 3);
    EXPECT_EQ(manager->segmentAt(0)->text(), QStringLiteral("A"));
    EXPECT_EQ(manager->segmentAt(2)->text(), QStringLiteral("C"));
    EXPECT_EQ(find("A")->trackId(), trackAt(0)->trackId());
    EXPECT_EQ(find("C")->trackId(), trackAt(1)->trackId());
    EXPECT_EQ(window->gutter()->buttonAt(0)->property("tag").toInt(), trackAt(0)->trackId());
}
