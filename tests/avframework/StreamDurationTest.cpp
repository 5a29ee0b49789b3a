// Streams whose file states no duration: the length comes from where the
// last packet ends, and still pictures are found at their times.
#include "AVVideoStream.h"
#include "StreamTestHelpers.h"

#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

using namespace StreamTest;

namespace {

// A 2 s, 30 fps elementary H.264 stream: no container, no timestamps.
QByteArray makeElementaryH264(const QTemporaryDir& folder)
{
    const QString path = folder.filePath("elementary.h264");
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", {"-hide_banner", "-loglevel", "error", "-nostdin", "-y", "-f", "lavfi", "-i",
                            "testsrc2=s=160x120:r=30:d=2", "-c:v", "libx264", "-preset", "veryfast", "-g", "30",
                            "-f", "h264", path});
    EXPECT_TRUE(ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0);
    return path.toUtf8();
}

struct Pictures {
    std::atomic<int> count{0};
    std::vector<QByteArray> hashes{16};

    static void picture(AVVideoStream*, int32_t, AVPixelBuffer* picture, void* context)
    {
        auto* pictures = static_cast<Pictures*>(context);
        const int index = pictures->count;
        if (picture) {
            pictures->hashes[index] = QByteArray(reinterpret_cast<const char*>(picture->data),
                                                 int(picture->width * picture->height * 4));
            avPixelBufferFree(picture);
        }
        ++pictures->count;
    }
};

} // namespace

TEST(StreamDurationTest, ElementaryStreamLastsUntilItsLastPacket)
{
    QTemporaryDir folder;
    const QByteArray path = makeElementaryH264(folder);
    AVVideoStream stream(path.constData(), 0, 0);
    ASSERT_EQ(stream.openAndReadRotation(), 0);
    EXPECT_NEAR(stream.duration(), 2.0, 1.0 / 30);
}

TEST(StreamDurationTest, ElementaryStreamThumbnailsComeFromTheirOwnTimes)
{
    QTemporaryDir folder;
    const QByteArray path = makeElementaryH264(folder);
    std::vector<float> times;
    for (int i = 0; i < 16; ++i)
        times.push_back(float(i) / 16);
    Pictures pictures;
    Load load;
    {
        AVVideoStream stream(path.constData(), 0, 0);
        stream.startLoadWithThumbnails(&Load::callback, &load, 16, times.data(), 160, 120, nullptr,
                                       &Pictures::picture, &pictures);
        ASSERT_TRUE(waitUntil([&] { return load.done.load() && !stream.isLoading(); }, 30.0));
        ASSERT_EQ(load.result, 0);
    }
    ASSERT_EQ(pictures.count, 16);
    std::set<QByteArray> distinct;
    for (const QByteArray& picture : pictures.hashes) {
        EXPECT_FALSE(picture.isEmpty());
        distinct.insert(picture);
    }
    EXPECT_EQ(distinct.size(), 16u) << "every time shows its own picture";
}
