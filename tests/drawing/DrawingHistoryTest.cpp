#include "DrawingTestSupport.h"
#include "FolderSwapper.h"
#include "IsolatedSettings.h"
#include "Util.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <memory>

namespace {

constexpr int kWriterWaitMs = 10000;

class DrawingHistoryTest : public ::testing::Test
{
protected:
    QDir cacheRoot() const
    {
        QDir().mkpath(Util::cacheLocation());
        return QDir(Util::cacheLocation());
    }

    // A file of someone else's in the cache root, which the history must leave alone.
    QString writeForeignFile() const
    {
        const QString path = cacheRoot().filePath("foreign.txt");
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("not a snapshot");
        return path;
    }

    IsolatedSettings settings;
};

QImage filled(const QColor& color)
{
    QImage image(64, 48, QImage::Format_ARGB32_Premultiplied);
    image.fill(color);
    return image;
}

// Noise takes the PNG encoder a while, long enough to be caught writing.
QImage noise(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<quint32*>(image.scanLine(y));
        for (int x = 0; x < width; ++x)
            line[x] = random.generate();
    }
    return image;
}

// The writer thread wakes at once for a push into an idle history; after this
// pause it is encoding, so the snapshot is no longer merely queued.
void letTheWriterStart()
{
    QThread::msleep(50);
}

// The largest difference of any channel of any pixel, compared premultiplied.
int maxChannelDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 256;
    const QImage left = a.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage right = b.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    int largest = 0;
    for (int y = 0; y < left.height(); ++y) {
        const uchar* l = left.constScanLine(y);
        const uchar* r = right.constScanLine(y);
        for (int i = 0; i < left.width() * 4; ++i)
            largest = std::max(largest, std::abs(l[i] - r[i]));
    }
    return largest;
}

// Holds the history's one writer thread until released (or for at most 10 s).
struct BlockedWriter {
    explicit BlockedWriter(QThreadPool& pool)
    {
        pool.start([this] { gate.tryAcquire(1, kWriterWaitMs); });
    }
    ~BlockedWriter() { release(); }
    void release()
    {
        if (!released)
            gate.release();
        released = true;
    }
    QSemaphore gate;
    bool released = false;
};

} // namespace

TEST_F(DrawingHistoryTest, SnapshotsPushedTogetherPopNewestFirstEachFromItsOwnFile)
{
    HistoryDataCompressionTaskManager history(nullptr);
    EXPECT_EQ(history.folder().dirName(), "DrawingHistory");
    EXPECT_FALSE(history.hasHistory());
    EXPECT_TRUE(history.pop().isNull());
    // Pushed in one go: most likely within one millisecond.
    for (const QColor& color : {QColor(Qt::red), QColor(Qt::green), QColor(Qt::blue)})
        history.push(filled(color));
    ASSERT_TRUE(history.waitUntilIdle(kWriterWaitMs));
    ASSERT_EQ(snapshotFiles(history).size(), 3);

    for (const QColor& color : {QColor(Qt::blue), QColor(Qt::green), QColor(Qt::red)}) {
        const QImage snapshot = history.pop().toImage();
        EXPECT_EQ(snapshot.pixel(10, 10), color.rgba());
    }
    EXPECT_TRUE(snapshotFiles(history).isEmpty());
    EXPECT_FALSE(history.hasHistory());
    EXPECT_TRUE(history.pop().isNull());
}

TEST_F(DrawingHistoryTest, WaitForTheWriterIsBounded)
{
    HistoryDataCompressionTaskManager history(nullptr);
    BlockedWriter writer(history);
    history.push(filled(Qt::red));
    EXPECT_TRUE(history.isBusy());
    EXPECT_FALSE(history.waitUntilIdle(100));
    writer.release();
    EXPECT_TRUE(history.waitUntilIdle(kWriterWaitMs));
    EXPECT_EQ(snapshotFiles(history).size(), 1);
}

TEST_F(DrawingHistoryTest, DestructionWaitsForTheWriterAndLeavesOtherFilesInTheCacheRoot)
{
    const QString foreign = writeForeignFile();
    {
        HistoryDataCompressionTaskManager history(nullptr);
        history.push(filled(Qt::red));
        ASSERT_TRUE(history.waitUntilIdle(kWriterWaitMs));
        history.push(noise(1920, 1080));
        letTheWriterStart();
    }
    EXPECT_FALSE(cacheRoot().exists("DrawingHistory"));
    EXPECT_TRUE(QFile::exists(foreign));

    // A plain file in the way: the snapshots go to the cache root itself.
    const QString blocker = cacheRoot().filePath("DrawingHistory");
    QFile(blocker).open(QIODevice::WriteOnly);
    {
        HistoryDataCompressionTaskManager history(nullptr);
        EXPECT_EQ(history.folder(), cacheRoot());
        history.push(filled(Qt::red));
        ASSERT_TRUE(history.waitUntilIdle(kWriterWaitMs));
        EXPECT_EQ(snapshotFiles(history).size(), 3);  // the snapshot beside the two files above
        // Still being written when the history goes.
        history.push(noise(1920, 1080));
        letTheWriterStart();
        EXPECT_TRUE(history.isBusy());
    }
    QStringList left = cacheRoot().entryList(QDir::Files);
    left.sort();
    EXPECT_EQ(left, QStringList({"DrawingHistory", "foreign.txt"}));
}

// Another process keeps swapping the history's folder for a link to a
// user's folder and back while the history goes with its canvas: the
// user's folder stays byte for byte as it was.
TEST_F(DrawingHistoryTest, ItsFolderSwappedForALinkNeverLeadsTheRemovalIntoAUsersFolder)
{
    QTemporaryDir outside;
    const UserFolder user(outside.filePath("user"));
    for (int round = 0; round < 20; ++round) {
        auto history = std::make_unique<HistoryDataCompressionTaskManager>(nullptr);
        for (int index = 0; index < 20; ++index)
            history->push(filled(Qt::red));
        ASSERT_TRUE(history->waitUntilIdle(kWriterWaitMs));
        FolderSwapper swapper(cacheRoot().path(), user.path);
        ASSERT_TRUE(QTest::qWaitFor([&swapper] { return swapper.swaps() > 0; }, kWriterWaitMs));
        history.reset();
        swapper.stop();
        ASSERT_TRUE(user.isUnchanged()) << "round " << round << ": the user's folder changed";
        for (const QFileInfo& entry : cacheRoot().entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System))
            ASSERT_TRUE(entry.isDir() && !entry.isSymLink() ? QDir(entry.filePath()).removeRecursively()
                                                            : QFile::remove(entry.filePath()));
    }
}

TEST_F(DrawingHistoryTest, UndoGivesBackEachEarlierCanvasAndStopsAtTheFirst)
{
    auto canvas = std::make_unique<CanvasWidget>(1280, 720);
    showCanvas(*canvas, QSize(640, 360));
    HistoryDataCompressionTaskManager* history = historyOf(*canvas);
    std::vector<QImage> before;
    const std::vector<QColor> colors{Qt::red, Qt::blue, QColor(255, 255, 0)};
    for (size_t i = 0; i < colors.size(); ++i) {
        before.push_back(canvasImage(*canvas));
        canvas->setPenColor(colors[i]);
        const int y = 60 + int(i) * 100;
        dragThrough(*canvas, {QPoint(40, y), QPoint(200, y + 50), QPoint(400, y), QPoint(600, y + 30)});
    }
    const QImage drawn = canvasImage(*canvas);
    ASSERT_GT(maxChannelDifference(drawn, before.back()), 200);
    ASSERT_TRUE(history->waitUntilIdle(kWriterWaitMs));
    ASSERT_EQ(snapshotFiles(*history).size(), 3);

    for (int i = 2; i >= 0; --i) {
        canvas->undo();
        EXPECT_LE(maxChannelDifference(canvasImage(*canvas), before[i]), 1) << i;
        EXPECT_EQ(snapshotFiles(*history).size(), i);
    }
    canvas->undo();
    EXPECT_LE(maxChannelDifference(canvasImage(*canvas), before[0]), 1);

    const QString folder = history->folder().path();
    const QString foreign = writeForeignFile();
    dragThrough(*canvas, {QPoint(40, 40), QPoint(300, 300)});
    canvas.reset();
    EXPECT_FALSE(QFileInfo::exists(folder));
    EXPECT_TRUE(QFile::exists(foreign));
}

TEST_F(DrawingHistoryTest, UndoWaitsForTheSnapshotStillBeingWritten)
{
    CanvasWidget canvas(1280, 720);
    showCanvas(canvas, QSize(640, 360));
    const QImage empty = canvasImage(canvas);
    HistoryDataCompressionTaskManager* history = historyOf(canvas);
    BlockedWriter writer(*history);
    dragThrough(canvas, {QPoint(40, 40), QPoint(300, 200), QPoint(500, 100)});
    ASSERT_TRUE(history->isBusy());

    QSignalSpy showWaiting(&canvas, &CanvasWidget::canvasWidgetShowWaiting);
    QSignalSpy hideWaiting(&canvas, &CanvasWidget::canvasWidgetHideWaiting);
    QTimer::singleShot(200, [&] { writer.release(); });
    canvas.undo();
    EXPECT_EQ(showWaiting.size(), 1);
    EXPECT_EQ(hideWaiting.size(), 1);
    EXPECT_LE(maxChannelDifference(canvasImage(canvas), empty), 1);
    EXPECT_TRUE(snapshotFiles(*history).isEmpty());
}

// The wait runs the event loop, so the editor may close and take the canvas
// with it; undo must then end without touching either again.
TEST_F(DrawingHistoryTest, CanvasDeletedWhileUndoWaitsEndsTheUndo)
{
    auto canvas = std::make_unique<CanvasWidget>(1280, 720);
    showCanvas(*canvas, QSize(640, 360));
    HistoryDataCompressionTaskManager* history = historyOf(*canvas);
    const QString folder = history->folder().path();
    BlockedWriter writer(*history);
    dragThrough(*canvas, {QPoint(40, 40), QPoint(300, 200), QPoint(500, 100)});
    ASSERT_TRUE(history->isBusy());

    int hidden = 0;
    QObject::connect(canvas.get(), &CanvasWidget::canvasWidgetHideWaiting, [&] { ++hidden; });
    QObject::connect(canvas.get(), &CanvasWidget::canvasWidgetShowWaiting, [&] {
        QTimer::singleShot(100, [&] {
            writer.release();
            canvas.reset();
        });
    });
    canvas->undo();
    EXPECT_FALSE(canvas);
    EXPECT_EQ(hidden, 0);
    EXPECT_FALSE(QFileInfo::exists(folder));
}

// Clearing is a step of its own: undo brings back what was cleared.
TEST_F(DrawingHistoryTest, UndoAfterClearingGivesBackTheDrawing)
{
    CanvasWidget canvas(1280, 720);
    showCanvas(canvas, QSize(640, 360));
    HistoryDataCompressionTaskManager* history = historyOf(canvas);
    canvas.setPenColor(Qt::red);
    dragThrough(canvas, {QPoint(40, 60), QPoint(200, 110), QPoint(400, 60)});
    const QImage drawn = canvasImage(canvas);
    ASSERT_TRUE(history->waitUntilIdle(kWriterWaitMs));
    ASSERT_EQ(snapshotFiles(*history).size(), 1);

    canvas.clearPainting();
    EXPECT_GT(maxChannelDifference(canvasImage(canvas), drawn), 200);
    ASSERT_TRUE(history->waitUntilIdle(kWriterWaitMs));
    EXPECT_EQ(snapshotFiles(*history).size(), 2);
    canvas.undo();
    EXPECT_LE(maxChannelDifference(canvasImage(canvas), drawn), 1);
}
