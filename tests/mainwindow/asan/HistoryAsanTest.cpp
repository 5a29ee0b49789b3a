#include "HeldPool.h"
#include "HistoryWindow.h"
#include "VideoThumbnailsCache.h"

#include <QSet>

namespace {

// Track ids come from one counter for the whole run; push it past any
// fixed-size table the rebuild might index with them.
void advanceTrackIdsTo(int first)
{
    // Passed over as taken: one button takes the id before the first.
    QSet<int> below;
    for (int id = 1; id < first - 1; ++id)
        below.insert(id);
    GutterScrollArea gutter(nullptr);
    while (gutter.addTrackButton(below) < first - 1) {
    }
}

} // namespace

// Built with AddressSanitizer: a rebuild that wrote outside its track table
// stops the run with a report.
TEST_F(HistoryTest, UndoAndRedoCyclesWithLargeTrackIdsStayInBounds)
{
    advanceTrackIdsTo(10300);
    std::vector<RecordBuilder> records;
    records.push_back(std::move(RecordBuilder("TEXT").set("UId", "top").set("Text", "A").set("TrackId", 3)
                                    .set("RangeStart", 0).set("RangeDuration", 2)));
    records.push_back(std::move(RecordBuilder("TEXT").set("UId", "low").set("Text", "B").set("TrackId", 8)
                                    .set("RangeStart", 1).set("RangeDuration", 2)));
    std::unique_ptr<HistoryWindow> window;
    const QString problem = openProject(records, window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    ASSERT_GE(window->timeline()->trackWidgetAt(0)->trackId(), 10300);
    Segment* top = segmentByUId(*window, "top");
    ASSERT_NE(top, nullptr);
    window->moveSegment(top, 4.0f);

    for (int cycle = 0; cycle < 20; ++cycle) {
        window->undoNow();
        ASSERT_FLOAT_EQ(top->rangeStart(), 0.0f) << cycle;
        window->redoNow();
        ASSERT_FLOAT_EQ(top->rangeStart(), 4.0f) << cycle;
        ASSERT_EQ(segmentByUId(*window, "top"), top);
        ASSERT_EQ(window->timeline()->trackWidgetCount(), 3) << cycle;
        ASSERT_EQ(window->projectManager()->segmentCount(), 2) << cycle;
    }
    EXPECT_GT(window->timeline()->trackWidgetAt(0)->trackId(), 10300 + 20 * 3);
}

// Each segment's engine side is made once its loading task reports, while
// the window goes on placing the segment and moving it: nothing the tasks do
// may read a dictionary the window is rewriting, and every engine layer ends
// where its tile is.
TEST_F(HistoryTest, SegmentsMovedWhileTheyLoadEndWithTheirEngineLayersInPlace)
{
    ASSERT_TRUE(QFile::copy(TestMedia::path(QStringLiteral("clip_h264_aac.mp4")), dir + "/clip.mp4"));
    constexpr int kSegments = 72;
    constexpr int kTracks = 6;
    std::vector<RecordBuilder> records;
    for (int index = 0; index < kSegments; ++index) {
        const int track = index % kTracks + 1;
        const int start = (index / kTracks) * 3;
        if (track == 1) {
            records.push_back(std::move(RecordBuilder("MOVIE").set("File", "clip.mp4").set("TrackId", track)
                                            .set("RangeStart", start).set("RangeDuration", 2).set("TrimStart", 0)
                                            .set("TrimDuration", 2)));
        } else {
            records.push_back(std::move(RecordBuilder("TEXT").set("Text", QString::number(index)).set("TrackId", track)
                                            .set("RangeStart", start).set("RangeDuration", 2)));
        }
    }
    writeProject(dir, records);
    auto window = std::make_unique<HistoryWindow>(name, QSize(320, 180));
    window->show();
    ASSERT_TRUE(window->_openProject());
    ProjectManager* manager = window->projectManager();
    ASSERT_TRUE(waitFor([&] { return manager->segmentCount() == kSegments; }, 30000));
    // Straight on, with the loading tasks still running: every segment moves
    // half a second later and back, twice, as the window's moves do, without
    // the event loop turning.
    QHash<const Segment*, float> starts;
    for (int index = 0; index < manager->segmentCount(); ++index)
        starts.insert(manager->segmentAt(index), manager->segmentAt(index)->rangeStart());
    for (int round = 0; round < 4; ++round) {
        for (int index = 0; index < manager->segmentCount(); ++index) {
            Segment* segment = manager->segmentAt(index);
            window->moveSegment(segment, starts.value(segment) + (round % 2 == 0 ? 0.5f : 0.0f));
        }
    }
    AVComposition* composition = window->composition();
    ASSERT_TRUE(waitFor([&] {
        for (int index = 0; index < manager->segmentCount(); ++index) {
            const Segment* segment = manager->segmentAt(index);
            if (segment->state() != 4 || !composition || !composition->findSegment(uint32_t(segment->serialNumber())))
                return false;
        }
        return true;
    }, 60000)) << "the segments did not load";
    for (int index = 0; index < manager->segmentCount(); ++index) {
        const Segment* segment = manager->segmentAt(index);
        const AVSegment* layer = composition->findSegment(uint32_t(segment->serialNumber()));
        EXPECT_NEAR(layer->startTime(), segment->rangeStart(), 1e-4) << index;
        EXPECT_FLOAT_EQ(segment->rangeStart(), starts.value(segment)) << index;
    }
}

namespace {

// The window whose thumbnail cache can start empty again, as after a
// restart: the engine then collects every movie's thumbnails anew and the
// thumbnail tasks copy them out of its layers.
class RecollectingWindow : public HistoryWindow
{
public:
    using HistoryWindow::HistoryWindow;
    using MainWindow::editScrollArea_removeTrack;
    void forgetThumbnails()
    {
        // The tiles may still hold entries of the old cache: it lives on.
        _retiredCaches.emplace_back(std::exchange(_thumbnailsCache, new VideoThumbnailsCache()));
    }

private:
    std::vector<std::unique_ptr<VideoThumbnailsCache>> _retiredCaches;
};

} // namespace

// Movies deleted the moment their thumbnail tasks get the pool's threads:
// the tasks read the movies' engine layers and sounds while the window
// removes them, and nothing they found may be freed under them. Each undo
// brings the movies back to load anew with the pool held, so every round
// ends with the tasks waiting in its queue.
TEST_F(HistoryTest, MoviesDeletedAsTheirThumbnailTasksStartAreNotFreedUnderThem)
{
    ASSERT_TRUE(QFile::copy(TestMedia::path(QStringLiteral("clip_h264_aac.mp4")), dir + "/clip.mp4"));
    constexpr int kMovies = 3;
    constexpr int kRounds = 50;
    std::vector<RecordBuilder> records;
    for (int index = 0; index < kMovies; ++index)
        records.push_back(std::move(RecordBuilder("MOVIE").set("UId", QString::number(index)).set("File", "clip.mp4")
                                        .set("TrackId", 1).set("RangeStart", 2 * index).set("RangeDuration", 2)
                                        .set("TrimStart", 0).set("TrimDuration", 2)));
    std::unique_ptr<RecollectingWindow> window;
    const QString problem = openProject(records, window);
    if (!problem.isEmpty())
        GTEST_SKIP() << qPrintable(problem);
    ProjectManager* manager = window->projectManager();
    AssetLoadingThreadPool* pool = AssetLoadingThreadPool::instance();
    const auto deleteMovies = [&] { window->editScrollArea_removeTrack(window->timeline()->trackWidgetAt(0)); };
    deleteMovies();
    for (int round = 0; round < kRounds; ++round) {
        // Every tenth round the thumbnails are collected and copied out
        // anew; the others load faster.
        if (round % 10 == 0)
            window->forgetThumbnails();
        auto first = std::make_unique<HeldPool>();
        ASSERT_TRUE(first->holding()) << round;
        ASSERT_NO_FATAL_FAILURE(window->undoNow()) << round;
        ASSERT_EQ(manager->segmentCount(), kMovies) << round;
        // The movies' first tasks run, then the threads are held again, and
        // the thumbnail tasks the load reports start wait in the queue.
        HeldPool second;
        first.reset();
        ASSERT_TRUE(second.holding()) << round;
        ASSERT_TRUE(waitFor([&] {
            for (int index = 0; index < kMovies; ++index) {
                if (pool->pendingTaskCount(manager->segmentAt(index)) == 0)
                    return false;
            }
            return true;
        }, 30000)) << "no thumbnail task waits, round " << round;
        second.release();
        deleteMovies();
        ASSERT_EQ(manager->segmentCount(), 0) << round;
    }
}

// Qt and the GL driver keep allocations until exit by design; the run is
// about out-of-bounds accesses.
extern "C" const char* __asan_default_options()
{
    return "detect_leaks=0";
}
