#include "AssetLoadingThreadPool.h"
#include "LayerSegment.h"
#include "ProjectTestSupport.h"

#include <QDeadlineTimer>
#include <QSemaphore>
#include <QThread>

#include <thread>

namespace {

// Widgets are only carried beside their segments, never touched: distinct addresses do.
QWidget* fakeWidget(int number)
{
    return reinterpret_cast<QWidget*>(quintptr(0x1000 + 0x10 * number));
}

TEST(ProjectManager, AspectRatiosSizesAndMovieSizesFollowResolutionAndDirection)
{
    ProjectManager manager;
    const float landscape[] = {1.7777778f, 1.0f, 1.25f, 2.1666667f, 2.3333333f, 1.3333334f};
    const float portrait[] = {0.5625f, 1.0f, 0.8f, 0.46153846f, 0.42857143f, 0.75f};
    for (int resolution = 1; resolution <= 6; ++resolution) {
        manager.setResolution(resolution);
        manager.setDirection(true);
        EXPECT_FLOAT_EQ(manager.aspectRatio(), landscape[resolution - 1]) << resolution;
        manager.setDirection(false);
        EXPECT_FLOAT_EQ(manager.aspectRatio(), portrait[resolution - 1]) << resolution;
    }
    manager.setResolution(4);
    EXPECT_EQ(manager.aspectSize(), QSizeF(9, 19.5));
    EXPECT_EQ(manager.movieSizeF(1), QSizeF(442, 960));
    manager.setResolution(1);
    manager.setDirection(true);
    EXPECT_EQ(manager.movieSize(7), manager.movieSize(1));
    EXPECT_EQ(manager.movieSize(3), QSize(1920, 1080));
}

TEST(ProjectManager, ListOperationsKeepWidgetsBesideTheirSegments)
{
    ProjectManager manager;
    int loaded = -1, total = -1;
    EXPECT_TRUE(manager.loadedSegmentCount(&loaded, &total));
    EXPECT_EQ(QPoint(loaded, total), QPoint(0, 0));
    EXPECT_EQ(manager.segmentStartingAtOrAfter(0, 0), nullptr);

    auto* first = new FakeMediaSegment("IMAGE", 1, 0);
    auto* second = new FakeMediaSegment("MUSIC", 2, 5);
    auto* third = new FakeMediaSegment("MOVIE", 3, 1, 4);
    manager.appendSegment(first, fakeWidget(1));
    manager.appendSegment(second, fakeWidget(2));
    manager.appendSegment(third, fakeWidget(3));
    // Same track and start: after the segment already there, before the higher track.
    auto* inserted = new FakeMediaSegment("TEXT", 2, 5);
    manager.addSegmentSorted(inserted, fakeWidget(4));
    EXPECT_EQ(manager.segmentAt(2), inserted);
    EXPECT_EQ(manager.segmentWidgetFor(inserted), fakeWidget(4));
    EXPECT_EQ(manager.segmentWidgetAt(3), fakeWidget(3));
    manager.addSegmentSorted(new FakeMediaSegment("TEXT", 2, 0.5f), nullptr);
    EXPECT_EQ(manager.segmentAt(1)->rangeStart(), 0.5f);

    EXPECT_EQ(manager.indexOfSegmentId(third->serialNumber()), 4);
    EXPECT_EQ(manager.indexOfSegmentUId(second->uid()), 2);
    EXPECT_EQ(manager.segmentWidgetAtTime(5.0f, 3), nullptr);
    EXPECT_FLOAT_EQ(manager.movieDuration(), 5.0f);
    manager.updateDuration();
    EXPECT_FLOAT_EQ(manager.duration(), 6.0f);
    first->loaded = false;
    EXPECT_FALSE(manager.loadedSegmentCount(&loaded, &total));
    EXPECT_EQ(QPoint(loaded, total), QPoint(4, 5));

    // Removing what the list does not hold changes nothing, not even the flag.
    manager.setModified(false);
    FakeMediaSegment stranger("IMAGE");
    manager.removeSegment(&stranger);
    manager.removeSegmentAt(5);
    EXPECT_FALSE(manager.isModified());
    manager.removeSegment(inserted);
    delete inserted;
    EXPECT_TRUE(manager.isModified());
    EXPECT_EQ(manager.segmentWidgetAt(3), fakeWidget(3));

    // A segment given a new tile (an undo builds the tiles anew) is found with it by the segment too.
    manager.setSegmentWidgetAt(fakeWidget(5), 3);
    EXPECT_EQ(manager.segmentWidgetAt(3), fakeWidget(5));
    EXPECT_EQ(manager.segmentWidgetFor(manager.segmentAt(3)), fakeWidget(5));
}

// Segments added together land where adding them one at a time puts them:
// in a list in track order by a search, in one out of order by the same rule.
TEST(ProjectManager, SegmentsAddedTogetherGoWhereOneAtATimeWouldPutThem)
{
    const std::vector<std::pair<int, float>> places{{2, 5}, {1, 3}, {2, 1}, {1, 3}, {3, 0}, {2, 5}, {1, 0.5f}};
    ProjectManager together;
    ProjectManager oneByOne;
    std::vector<std::pair<Segment*, QWidget*>> added;
    for (size_t index = 0; index < places.size(); ++index) {
        const auto [track, start] = places[index];
        added.emplace_back(new FakeMediaSegment("TEXT", track, start), fakeWidget(int(index)));
        oneByOne.addSegmentSorted(new FakeMediaSegment("TEXT", track, start), fakeWidget(int(index)));
    }
    together.addSegmentsSorted(added);
    // By track, then start; equal places in the order they came.
    const std::vector<int> order{6, 1, 3, 2, 0, 5, 4};
    ASSERT_EQ(together.segmentCount(), int(order.size()));
    for (size_t index = 0; index < order.size(); ++index) {
        EXPECT_EQ(together.segmentAt(int(index)), added[size_t(order[index])].first) << index;
        EXPECT_EQ(together.segmentWidgetAt(int(index)), fakeWidget(order[index])) << index;
        EXPECT_EQ(oneByOne.segmentWidgetAt(int(index)), fakeWidget(order[index])) << index;
    }
    EXPECT_TRUE(together.contains(added[0].first));

    // Out of order (track 2 before track 1): before the first later start on
    // the track, else before the first higher track, else at the end.
    ProjectManager unordered;
    unordered.appendSegment(new FakeMediaSegment("TEXT", 2, 4), fakeWidget(10));
    unordered.appendSegment(new FakeMediaSegment("TEXT", 1, 9), fakeWidget(11));
    unordered.appendSegment(new FakeMediaSegment("TEXT", 2, 1), fakeWidget(12));
    auto* laterOnTrackOne = new FakeMediaSegment("TEXT", 1, 20);
    unordered.addSegmentsSorted({{new FakeMediaSegment("TEXT", 1, 5), fakeWidget(13)},
                                 {new FakeMediaSegment("TEXT", 2, 2), fakeWidget(14)},
                                 {new FakeMediaSegment("TEXT", 3, 0), fakeWidget(15)},
                                 {laterOnTrackOne, fakeWidget(16)}});
    const std::vector<int> widgets{16, 14, 10, 13, 11, 12, 15};
    ASSERT_EQ(unordered.segmentCount(), int(widgets.size()));
    for (size_t index = 0; index < widgets.size(); ++index)
        EXPECT_EQ(unordered.segmentWidgetAt(int(index)), fakeWidget(widgets[index])) << index;
    EXPECT_EQ(unordered.segmentWidgetFor(laterOnTrackOne), fakeWidget(16));
    unordered.removeSegment(laterOnTrackOne);
    EXPECT_FALSE(unordered.contains(laterOnTrackOne));
    delete laterOnTrackOne;
}

TEST(ProjectManager, NearestStartSearchesUseTheFrameToleranceAndTheirTieRules)
{
    ProjectManager manager;
    auto* a = new FakeMediaSegment("IMAGE", 1, 1.0f);
    auto* b = new FakeMediaSegment("IMAGE", 2, 1.02f);  // equal to a within 1/30 s
    auto* c = new FakeMediaSegment("IMAGE", 1, 3.0f);
    auto* beyond = new FakeMediaSegment("IMAGE", 1, 9.0f);
    for (Segment* segment : std::initializer_list<Segment*>{a, b, c, beyond})
        manager.appendSegment(segment, nullptr);
    manager.setDuration(5.0f);

    EXPECT_EQ(manager.segmentStartingAtOrAfter(1.0f, 0), b);   // the last of equal starts
    EXPECT_EQ(manager.segmentStartingAfter(0.5f, 0), a);       // the first of equal starts
    EXPECT_EQ(manager.segmentStartingAtOrAfter(0.99f, 1), a);  // within the tolerance
    EXPECT_EQ(manager.segmentStartingAfter(1.0f, 0), c);
    EXPECT_EQ(manager.segmentStartingAfter(3.0f, 0), nullptr); // beyond the project's end
    EXPECT_EQ(manager.segmentStartingAtOrBefore(2.0f, 0), b);
    EXPECT_EQ(manager.segmentStartingBefore(2.0f, 0), a);
    EXPECT_EQ(manager.segmentStartingBefore(1.01f, 0), nullptr);
    EXPECT_EQ(manager.segmentStartingAtOrBefore(20.0f, 1), beyond);
}

TEST(ProjectManager, FileUseAndLayerIdsLookAtTheRightSegments)
{
    ProjectManager manager;
    auto* movie = new FakeMediaSegment("MOVIE");
    movie->setPath("/projects/demo/clip.mp4");
    auto* text = new FakeMediaSegment("TEXT");
    text->setPath("song.mp3");
    manager.appendSegment(movie, nullptr);
    manager.appendSegment(text, nullptr);
    EXPECT_TRUE(manager.isFileUsedByOtherSegment("clip.mp4", nullptr));
    EXPECT_TRUE(manager.isFileUsedByOtherSegment("/projects/demo/../demo/clip.mp4", nullptr));
    EXPECT_FALSE(manager.isFileUsedByOtherSegment("/elsewhere/clip.mp4", nullptr));
    EXPECT_FALSE(manager.isFileUsedByOtherSegment("clip.mp4", movie));
    EXPECT_FALSE(manager.isFileUsedByOtherSegment("song.mp3", nullptr));

    QVector<int> layers;
    for (int i = 0; i < 40; ++i) {
        auto* layer = new LayerSegment(nullptr);
        layers.append(layer->serialNumber());
        manager.appendSegment(layer, nullptr);
    }
    EXPECT_EQ(manager.layerSegmentIds(), layers);
}

TEST(ProjectManager, PathsStayInsideTheProjectsFolder)
{
    TemporaryProduct product;
    const QString projects = product.path() + "/Projects";
    EXPECT_EQ(ProjectManager::projectsDirectory(), projects);
    EXPECT_TRUE(QFileInfo(projects).isDir());
    EXPECT_EQ(ProjectManager::projectXmlPath("Trip", "Examples"), projects + "/Examples/Trip/project.xml");
    EXPECT_EQ(ProjectManager::historySnapshotPath("Trip", "", 7), projects + "/Trip/history/project007.xml");
    for (const char* name : {"..", ".", "", "../Trip", "a/b"})
        EXPECT_TRUE(ProjectManager::projectXmlPath(name, "").isEmpty()) << name;
    EXPECT_TRUE(ProjectManager::propertiesXmlPath("Trip", "..").isEmpty());
}

TEST(ProjectManager, DeletionCancelsQueuedLoadingTasksAndWaitsForRunningOnes)
{
    AssetLoadingThreadPool* pool = AssetLoadingThreadPool::instance();
    QSemaphore started, release;
    std::atomic<int> runs{0};
    auto manager = std::make_unique<ProjectManager>();
    auto* segment = new FakeMediaSegment("IMAGE");
    manager->appendSegment(segment, nullptr);
    // Occupy every thread, so that the segment's last task stays queued.
    const int threads = pool->maxThreadCount();
    for (int i = 0; i <= threads; ++i) {
        pool->startForSegment(segment, QRunnable::create([&] {
            started.release();
            release.acquire();
            ++runs;
        }));
    }
    ASSERT_TRUE(started.tryAcquire(threads, 10000));
    EXPECT_EQ(pool->pendingTaskCount(segment), threads + 1);

    std::atomic<bool> deleted{false};
    std::thread deleter([&] {
        manager.reset();
        deleted = true;
    });
    // The queued task is cancelled before the running ones may end.
    for (QDeadlineTimer deadline(10000); pool->pendingTaskCount(segment) > threads && !deadline.hasExpired();)
        QThread::msleep(5);
    EXPECT_EQ(pool->pendingTaskCount(segment), threads);
    EXPECT_FALSE(deleted) << "the manager must wait for the running tasks";
    release.release(threads + 1);
    deleter.join();
    EXPECT_EQ(runs, threads) << "the queued task must never run";
    EXPECT_EQ(pool->pendingTaskCount(segment), 0);
}

// A loading task that notes how many tasks its segment still had when it was destroyed.
class NotingTask : public QRunnable
{
public:
    NotingTask(const Segment* segment, QSemaphore* started, std::atomic<int>* pendingWhenDestroyed)
        : _segment(segment), _started(started), _pendingWhenDestroyed(pendingWhenDestroyed)
    {
    }
    ~NotingTask() override { *_pendingWhenDestroyed = AssetLoadingThreadPool::instance()->pendingTaskCount(_segment); }
    void run() override { _started->release(); }

private:
    const Segment* _segment;
    QSemaphore* _started;
    std::atomic<int>* _pendingWhenDestroyed;
};

TEST(ProjectManager, ALoadingTaskIsDestroyedBeforeItsSegmentMayBeDeleted)
{
    AssetLoadingThreadPool* pool = AssetLoadingThreadPool::instance();
    FakeMediaSegment segment("IMAGE");
    QSemaphore started;
    std::atomic<int> pendingWhenDestroyed{-1};
    pool->startForSegment(&segment, new NotingTask(&segment, &started, &pendingWhenDestroyed));
    ASSERT_TRUE(started.tryAcquire(1, 10000));
    ASSERT_TRUE(pool->cancelOrWaitForSegment(&segment, 10000));
    EXPECT_EQ(pendingWhenDestroyed, 1) << "the task was still counted when it was destroyed";
}

} // namespace
