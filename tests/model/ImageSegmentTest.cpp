#include "AssetLoadingThreadPool.h"
#include "ImageSegment.h"
#include "RecordingListener.h"
#include "SegmentKeys.h"
#include "TestMedia.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

constexpr int kRowHeight = 44;

class ImageSegmentTest : public ::testing::Test
{
protected:
    void SetUp() override { Segment::setTrackHeight(kRowHeight); }
    void TearDown() override { Segment::setTrackHeight(0); }

    // A segment for a fixture, loaded on the asset pool.
    std::unique_ptr<ImageSegment> loaded(const QString& fixture)
    {
        listener.forgetStates();
        auto segment = std::make_unique<ImageSegment>(TestMedia::path(fixture), 0.0f, 5.0f, &listener);
        EXPECT_TRUE(listener.waitForState(4)) << fixture.toStdString();
        return segment;
    }

    RecordingListener listener;
};

// The frames of a GIF as a reader gives them one after the other.
QVector<QImage> framesOf(const QString& path)
{
    QImageReader reader(path);
    QVector<QImage> frames;
    for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read())
        frames.append(frame.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    return frames;
}

// Whether the buffer that gifFrameAt handed out holds the frame's pixels.
bool holdsFrame(uint8_t* pixels, const QSize& size, const QImage& frame)
{
    if (!pixels)
        return false;
    bool same = size == frame.size();
    for (int y = 0; same && y < frame.height(); ++y)
        same = std::memcmp(pixels + qint64(y) * frame.width() * 4, frame.constScanLine(y), size_t(frame.width()) * 4) == 0;
    std::free(pixels);
    return same;
}

TEST_F(ImageSegmentTest, PicturesAreDecodedAtRowHeightWithTheirOrientedSize)
{
    auto photo = loaded(QStringLiteral("photo_4000x3000.jpg"));
    EXPECT_EQ(listener.states(), (QVector<int>{1, 4}));
    EXPECT_EQ(photo->thumbnail().size(), QSize(58, 44));
    EXPECT_EQ(photo->imageSize(), QSizeF(4000, 3000));

    // Stored 240 x 320 with a quarter turn in its EXIF orientation.
    auto rotated = loaded(QStringLiteral("exif_rotated.jpg"));
    EXPECT_EQ(rotated->imageSize(), QSizeF(320, 240));

    // Smaller than the row: never scaled up.
    auto small = loaded(QStringLiteral("small_40x20.png"));
    EXPECT_EQ(small->thumbnail().size(), QSize(40, 20));
}

TEST_F(ImageSegmentTest, MissingAndDamagedFilesEndLoadingWithTheirErrors)
{
    auto missing = loaded(QStringLiteral("no_such_picture.png"));
    EXPECT_EQ(listener.states(), (QVector<int>{1, 4}));
    EXPECT_EQ(missing->errorCode(), 2);
    EXPECT_TRUE(missing->thumbnail().isNull());

    auto damaged = loaded(QStringLiteral("truncated.png"));
    EXPECT_EQ(damaged->errorCode(), 1);

    // The body of the missing file is the yellow message strip with text.
    QImage row(200, kRowHeight, QImage::Format_ARGB32_Premultiplied);
    row.fill(Qt::blue);
    QPainter painter(&row);
    missing->paintTimelineBody(&painter, row.rect(), 20.0f);
    painter.end();
    EXPECT_EQ(row.pixel(2, 2), 0xFFFFFF00u);
    int dark = 0;
    for (int x = 5; x < 120; ++x)
        dark += qGray(row.pixel(x, kRowHeight / 2)) < 100 ? 1 : 0;
    EXPECT_GT(dark, 3);
}

TEST_F(ImageSegmentTest, BodyTilesThePictureAcrossTheRow)
{
    auto picture = loaded(QStringLiteral("picture.png")); // 320 x 240: tiles 58 wide
    QImage row(180, kRowHeight, QImage::Format_ARGB32_Premultiplied);
    row.fill(Qt::black);
    QPainter painter(&row);
    picture->paintTimelineBody(&painter, row.rect(), 20.0f);
    painter.end();
    // Red block top left, green bottom right; a fourth tile starts and is cut at the edge.
    for (int left : {0, 58, 116, 174})
        EXPECT_GT(qRed(row.pixel(left + 3, 3)), 200) << left;
    EXPECT_GT(qGreen(row.pixel(58 + 54, 40)), 100);
}

TEST_F(ImageSegmentTest, FilesInsideTheProjectAreStoredByName)
{
    listener.projectDirectory = TestMedia::folder();
    auto picture = loaded(QStringLiteral("picture.png"));
    EXPECT_EQ(Segment::stringAttribute(picture->attributes(), SegmentKey::File), "picture.png");
    EXPECT_EQ(picture->absoluteFilePath(), TestMedia::path(QStringLiteral("picture.png")));

    // A folder that merely starts with the project's name is outside it.
    const QString outside = TestMedia::folder() + QStringLiteral("2/picture.png");
    picture->setFilePath(outside);
    EXPECT_EQ(Segment::stringAttribute(picture->attributes(), SegmentKey::File), outside);

    // A sub-folder of the project is kept relative and resolved against the
    // project, never against the working folder.
    listener.projectDirectory = QFileInfo(TestMedia::folder()).path();
    const QString nested = TestMedia::path(QStringLiteral("picture.png"));
    picture->setFilePath(nested);
    const QString relative = QFileInfo(TestMedia::folder()).fileName() + QStringLiteral("/picture.png");
    EXPECT_EQ(Segment::stringAttribute(picture->attributes(), SegmentKey::File), relative);
    EXPECT_EQ(picture->absoluteFilePath(), nested);
    // A remainder that would read as an absolute path stays whole.
    const QString doubled = listener.projectDirectory + QStringLiteral("//picture.png");
    picture->setFilePath(doubled);
    EXPECT_EQ(picture->absoluteFilePath(), doubled);
}

TEST_F(ImageSegmentTest, GifFramesFollowTheirDelaysAndLoop)
{
    const QString path = TestMedia::path(QStringLiteral("delays_100_100_200.gif"));
    auto gif = loaded(QStringLiteral("delays_100_100_200.gif"));
    gif->markDirty();
    ASSERT_TRUE(gif->loadGifFrames());
    EXPECT_EQ(gif->gifFrameCount(), 3);
    EXPECT_FLOAT_EQ(gif->gifTotalDuration(), 400.0f);
    EXPECT_FLOAT_EQ(gif->duration(), 0.4f); // a newly inserted animation takes its length
    const QVector<QImage> frames = framesOf(path);
    ASSERT_EQ(frames.size(), 3);
    ASSERT_NE(frames[0], frames[2]);

    QSize size;
    EXPECT_TRUE(holdsFrame(gif->gifFrameAt(250, 0, 0, &size), size, frames[2]));
    EXPECT_TRUE(holdsFrame(gif->gifFrameAt(450, 0, 0, &size), size, frames[0])); // 450 is 50 in the loop
    EXPECT_TRUE(holdsFrame(gif->gifFrameAt(150, 0, 0, &size), size, frames[1]));
}

// A GIF inserted from a file takes its animation's length once, whether its
// picture loads before or after the animation is opened or it is marked.
TEST_F(ImageSegmentTest, AnInsertedGifTakesItsLengthOnceWhicheverComesFirst)
{
    const QString path = TestMedia::path(QStringLiteral("delays_100_100_200.gif"));
    ImageSegment loadedFirst(path, 0.0f, 2.0f, nullptr);
    loadedFirst.markDirty();
    loadedFirst.loadImage();
    ASSERT_TRUE(loadedFirst.loadGifFrames());
    EXPECT_FLOAT_EQ(loadedFirst.duration(), 0.4f);

    ImageSegment openedFirst(path, 0.0f, 2.0f, nullptr);
    openedFirst.loadImage();
    ASSERT_TRUE(openedFirst.loadGifFrames());
    EXPECT_FLOAT_EQ(openedFirst.duration(), 2.0f);
    openedFirst.markDirty();
    EXPECT_FLOAT_EQ(openedFirst.duration(), 0.4f);

    // Marked while its picture loads on the pool, as the window marks it.
    listener.forgetStates();
    ImageSegment pooled(path, 0.0f, 2.0f, &listener);
    pooled.markDirty();
    ASSERT_TRUE(listener.waitForState(4));
    ASSERT_TRUE(pooled.loadGifFrames());
    EXPECT_FLOAT_EQ(pooled.duration(), 0.4f);

    // A length the user gave since stays when the picture is read again.
    openedFirst.setRangeDuration(3.0f);
    openedFirst.setFile(path);
    ASSERT_TRUE(openedFirst.loadGifFrames());
    EXPECT_FLOAT_EQ(openedFirst.duration(), 3.0f);
}

TEST_F(ImageSegmentTest, GifWithoutLengthOrWithOneFrameGivesNoFrames)
{
    // Delays of 0 are stored in the file; the reader may stand in its own
    // delay for them. Either way a time far in the future is answered at once.
    auto zero = loaded(QStringLiteral("zero_delays.gif"));
    ASSERT_TRUE(zero->loadGifFrames());
    EXPECT_EQ(zero->gifFrameCount(), 3);
    QSize size;
    uint8_t* late = zero->gifFrameAt(std::numeric_limits<int>::max(), 0, 0, &size);
    EXPECT_EQ(late != nullptr, zero->gifTotalDuration() > 0.0f);
    std::free(late);

    auto single = loaded(QStringLiteral("single_frame.gif"));
    EXPECT_FALSE(single->loadGifFrames());
    EXPECT_EQ(single->gifFrameAt(0, 0, 0, &size), nullptr);

    auto still = loaded(QStringLiteral("picture.png"));
    EXPECT_FALSE(still->loadGifFrames());
}

TEST_F(ImageSegmentTest, EngineFramesAndFileChangesDoNotRace)
{
    const QString gif = TestMedia::path(QStringLiteral("delays_100_100_200.gif"));
    ImageSegment segment(nullptr);
    segment.setFile(gif);
    ASSERT_TRUE(segment.loadGifFrames());
    std::atomic<bool> done{false};
    std::atomic<int> frames{0};
    // The engine asks for frames on its own thread while the file changes.
    std::unique_ptr<QThread> engine(QThread::create([&] {
        for (int time = 0; !done; time += 70) {
            QSize size;
            if (uint8_t* pixels = segment.gifFrameAt(time, 0, 0, &size)) {
                std::free(pixels);
                ++frames;
            }
        }
    }));
    engine->start();
    for (int round = 0; round < 30; ++round) {
        segment.setFile(round % 2 ? gif : TestMedia::path(QStringLiteral("picture.png")));
        segment.loadGifFrames();
        QThread::msleep(1);
    }
    done = true;
    ASSERT_TRUE(engine->wait(10000));
    EXPECT_GT(frames.load(), 0);
    EXPECT_EQ(segment.gifFrameCount(), 3);
}

TEST_F(ImageSegmentTest, DeletingASegmentSettlesItsLoadingTaskFirst)
{
    // Segments deleted right after construction, while their tasks are
    // queued or decoding: each task is either dropped or has finished.
    for (int round = 0; round < 20; ++round) {
        listener.forgetStates();
        auto* segment = new ImageSegment(TestMedia::path(QStringLiteral("photo_4000x3000.jpg")), 0.0f, 5.0f, &listener);
        delete segment;
        EXPECT_EQ(AssetLoadingThreadPool::instance()->pendingTaskCount(segment), 0);
        const QVector<int> states = listener.states();
        EXPECT_TRUE(states.isEmpty() || states == (QVector<int>{1, 4})) << states.size();
    }
}

} // namespace
