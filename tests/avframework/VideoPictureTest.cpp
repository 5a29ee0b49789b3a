// Composed video frames against what the ffmpeg command line shows of the
// same clips, made here: the edges of padded pictures, non-square pixels and
// the colour matrix of standard and high definition.

#include "AVComposition.h"
#include "AVGLFramebuffer.h"
#include "AVPixelBuffer.h"
#include "AVVideoSegment.h"
#include "AVVideoStream.h"
#include "GLTestContext.h"
#include "StreamTestHelpers.h"

#include <QFileInfo>
#include <QProcess>
#include <QSize>
#include <QTemporaryDir>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

using namespace StreamTest;

namespace {

// Runs ffmpeg with the arguments; its standard output, or an empty array
// when it failed. *started is false when there is no ffmpeg to run.
QByteArray runFfmpeg(const QStringList& arguments, bool* started)
{
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", QStringList{"-hide_banner", "-loglevel", "error", "-nostdin", "-y"} + arguments);
    *started = ffmpeg.waitForStarted(5000);
    if (!*started || !ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0)
        return QByteArray();
    return ffmpeg.readAllStandardOutput();
}

// BGRA pixels of a composed frame, top row first.
struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> bgra;

    const uint8_t* at(int x, int y) const { return bgra.data() + (size_t(y) * width + x) * 4; }
};

// Peak signal to noise ratio of the colour channels, in dB.
double psnr(const Picture& picture, const QByteArray& expected)
{
    return colourPsnr(picture.bgra.data(), reinterpret_cast<const uint8_t*>(expected.constData()),
                      std::min(picture.bgra.size(), size_t(expected.size())));
}

class VideoPictureTest : public GLTest {
protected:
    void SetUp() override
    {
        GLTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        ASSERT_TRUE(folder.isValid());
    }

    // Encodes the lavfi source into a clip named name with the further
    // output options; empty (the test skipped or failed) when it cannot.
    QString makeClip(const QString& name, const QString& source, const QStringList& options)
    {
        const QString path = folder.filePath(name);
        bool started = false;
        runFfmpeg(QStringList{"-f", "lavfi", "-i", source} + options + QStringList{path}, &started);
        if (!started)
            return QString();
        EXPECT_TRUE(QFileInfo::exists(path)) << name.toStdString();
        return QFileInfo::exists(path) ? path : QString();
    }

    // What ffmpeg decodes of the clip at time, as BGRA at its own size,
    // after the further filters.
    QByteArray ffmpegFrame(const QString& clip, double time, const QString& filters = "format=bgra")
    {
        bool started = false;
        return runFfmpeg({"-ss", QString::number(time), "-i", clip, "-frames:v", "1", "-vf", filters, "-f",
                          "rawvideo", "-"},
                         &started);
    }

    // The clip composed alone at time into a width x height composition.
    Picture compose(const QString& clip, int width, int height, double time)
    {
        composition = std::make_unique<AVComposition>(width, height, 44100, 2, renderer);
        auto* video = new AVVideoSegment(0.0, clip.toUtf8().constData(), uint32_t(width), uint32_t(height), 64);
        composition->addSegment(video, 1);
        segment = video;
        EXPECT_TRUE(waitUntil([&] { return video->status() == 0; })) << video->status();
        composition->seek(time, false);
        const auto shown = int64_t(std::llround(time * 1000));
        EXPECT_TRUE(waitUntil([&] {
            composition->compositeVideo(time, 1, 0, 0);
            return video->shownFrameMs() == shown;
        })) << video->shownFrameMs();
        return front();
    }

    // The composition's last frame.
    Picture front()
    {
        Picture picture;
        AVGLFramebuffer* front = composition->frontFramebuffer();
        if (!front)
            return picture;
        AVGLRenderer::bindFramebuffer(renderer, front);
        int32_t stride = 0;
        uint8_t* pixels = avReadPixels(front->color, &stride);
        if (!pixels)
            return picture;
        picture.width = front->color->width;
        picture.height = front->color->height;
        picture.bgra.assign(pixels, pixels + size_t(stride) * picture.height);
        std::free(pixels);
        return picture;
    }

    QTemporaryDir folder;
    std::unique_ptr<AVComposition> composition;
    AVVideoSegment* segment = nullptr;  // owned by the composition
};

// A smooth picture 322 pixels wide, the same on every run.
const QString kGradient = "gradients=s=322x180:r=5:d=0.4:type=radial:nb_colors=3:c0=0x3050e0:c1=0xf0c020:"
                          "c2=0x20d060:x0=0:y0=0:x1=321:y1=179";

// The largest difference of a colour channel between two pixels.
int channelDifference(const uint8_t* a, const uint8_t* b)
{
    int worst = 0;
    for (int c = 0; c < 3; ++c)
        worst = std::max(worst, std::abs(int(a[c]) - int(b[c])));
    return worst;
}

} // namespace

TEST_F(VideoPictureTest, RightEdgeOfPaddedPicturesIsThePictureNotThePadding)
{
    const uint8_t grey[3] = {128, 128, 128};
    const QStringList eightBit{"-c:v", "libx264", "-preset", "ultrafast", "-qp", "0", "-pix_fmt", "yuv420p"};
    const QStringList tenBit{"-c:v", "libx265", "-preset", "ultrafast", "-x265-params", "log-level=error:lossless=1",
                             "-pix_fmt", "yuv420p10le"};
    const std::pair<QSize, QStringList> cases[] = {
        {QSize(720, 576), eightBit}, {QSize(720, 480), eightBit}, {QSize(960, 540), eightBit},
        {QSize(720, 576), tenBit}};
    int index = 0;
    for (const auto& [size, encode] : cases) {
        const QString name = QString("grey%1_%2x%3.mp4").arg(index++).arg(size.width()).arg(size.height());
        const QString source = QString("color=c=0x808080:s=%1x%2:r=10:d=0.2").arg(size.width()).arg(size.height());
        const QString clip = makeClip(name, source, encode);
        if (clip.isEmpty())
            GTEST_SKIP() << "the ffmpeg command line is not available";
        Picture own = compose(clip, size.width(), size.height(), 0.0);
        ASSERT_EQ(own.width, size.width());
        int worstEdge = 0;
        for (int y = 0; y < own.height; ++y)
            worstEdge = std::max(worstEdge, channelDifference(own.at(own.width - 1, y), own.at(own.width - 2, y)));
        EXPECT_LE(worstEdge, 2) << name.toStdString() << ": the last column is its neighbour's colour";

        // Enlarged into a wider frame: every column of the picture is grey.
        const Picture large = compose(clip, 1920, 1080, 0.0);
        ASSERT_EQ(large.width, 1920);
        const int shownWidth = int(std::lround(1080.0 * size.width() / size.height()));
        const int left = (1920 - std::min(shownWidth, 1920)) / 2;
        int worst = 0;
        for (int x = left; x < 1920 - left; ++x) {
            for (int y : {0, 540, 1079})
                worst = std::max(worst, channelDifference(large.at(x, y), grey));
        }
        EXPECT_LE(worst, 3) << name.toStdString();
    }
}

TEST_F(VideoPictureTest, NonSquarePixelsAreShownAtTheirDisplayAspect)
{
    // 16:9 PAL: 720x576 stored, 1024x576 shown; a red frame along its border.
    const QString clip = makeClip("anamorphic.mp4", "color=c=blue:s=720x576:r=10:d=0.3",
                                  {"-vf", "drawbox=x=0:y=0:w=iw:h=ih:color=red:t=8,setsar=64/45", "-c:v",
                                   "libx264", "-preset", "ultrafast", "-pix_fmt", "yuv420p"});
    if (clip.isEmpty())
        GTEST_SKIP() << "the ffmpeg command line is not available";
    AVVideoStream stream(clip.toUtf8().constData(), 0, 0);
    ASSERT_EQ(stream.openAndReadRotation(), 0);
    uint32_t width = 0, height = 0;
    stream.size(&width, &height);
    EXPECT_EQ(width, 1024u);
    EXPECT_EQ(height, 576u);
    stream.outputSize(&width, &height);
    EXPECT_EQ(width, 720u) << "pictures are converted at the coded size";

    const Picture picture = compose(clip, 1024, 576, 0.0);
    ASSERT_EQ(picture.width, 1024);
    const auto red = [&](int x, int y) {
        const uint8_t* p = picture.at(x, y);
        return p[2] > 200 && p[1] < 60 && p[0] < 60;
    };
    EXPECT_TRUE(red(1, 288)) << "the red frame at the left edge";
    EXPECT_TRUE(red(1022, 288)) << "and at the right edge: no pillarbox";
    EXPECT_FALSE(red(20, 288)) << "the blue picture inside the frame";
    EXPECT_EQ(segment->imageWidth(), 1024u);

    ASSERT_TRUE(waitUntil([&] { return segment->thumbnailCount() == AVVideoSegment::kThumbnailCount; }));
    const AVPixelBuffer* thumbnail = segment->thumbnail(0);
    ASSERT_NE(thumbnail, nullptr);
    EXPECT_NEAR(double(thumbnail->width) / thumbnail->height, 16.0 / 9.0, 0.05);
}

TEST_F(VideoPictureTest, StandardDefinitionConvertsWithItsOwnMatrix)
{
    const QStringList encode{"-c:v", "libx264", "-preset", "ultrafast", "-crf", "10", "-pix_fmt"};
    const auto tagged = [](const char* space) {
        return QStringList{"-colorspace", space, "-color_primaries", space, "-color_trc", space};
    };
    struct Case {
        const char* name;
        QSize size;
        QStringList tags;
        const char* matrix;  // the one ffmpeg is told to read it with
        const char* pixelFormat;
    };
    const Case cases[] = {
        {"bars601.mp4", QSize(720, 480), tagged("smpte170m"), "bt601", "yuv420p"},
        {"bars709.mp4", QSize(1280, 720), tagged("bt709"), "bt709", "yuv420p"},
        {"untagged480.mp4", QSize(640, 480), {}, "bt601", "yuv420p"},
        // PAL, the largest standard definition picture.
        {"untagged576.mp4", QSize(720, 576), {}, "bt601", "yuv420p"},
        {"untagged720.mp4", QSize(1280, 720), {}, "bt709", "yuv420p"},
        // 4:2:2 goes through the converter to BGRA instead of the shaders.
        {"bars601_422.mp4", QSize(720, 480), tagged("smpte170m"), "bt601", "yuv422p"},
        {"bars709_422.mp4", QSize(1280, 720), tagged("bt709"), "bt709", "yuv422p"},
    };
    for (const Case& c : cases) {
        const QString source = QString("smptebars=s=%1x%2:r=5:d=2.2").arg(c.size.width()).arg(c.size.height());
        const QString clip = makeClip(c.name, source, c.tags + encode + QStringList{c.pixelFormat});
        if (clip.isEmpty())
            GTEST_SKIP() << "the ffmpeg command line is not available";
        // Chroma interpolated as the renderer does, not repeated per pair of pixels.
        const QByteArray expected = ffmpegFrame(
            clip, 2.0,
            QString("scale=in_color_matrix=%1:in_range=tv:flags=bilinear+full_chroma_int+accurate_rnd,format=bgra")
                .arg(c.matrix));
        ASSERT_EQ(expected.size(), c.size.width() * c.size.height() * 4) << c.name;
        const Picture picture = compose(clip, c.size.width(), c.size.height(), 2.0);
        ASSERT_EQ(picture.bgra.size(), size_t(expected.size())) << c.name;
        EXPECT_GE(psnr(picture, expected), 35.0) << c.name << ": the other matrix gives about 27 dB";

        // A key for a colour the bars do not have runs the effect program instead.
        segment->setChromaKeyEnabled(1);
        segment->setChromaKeySensitivity(1);
        segment->setChromaKeySmoothing(1);
        segment->setChromaKeyColor({0.5f, 0.25f, 0.0f, 1.0f});
        composition->compositeVideo(2.0, 1, 0, 0);
        EXPECT_GE(psnr(front(), expected), 35.0) << c.name << " through the effect program";
    }
}

// Decoded pictures reach their textures sample for sample, whatever the
// decoder's rows look like: padded (x264) or tight (raw video, 322 bytes a
// row), planar, semi-planar, packed and 10-bit, and the composed picture is
// what ffmpeg shows of the same clip.
TEST_F(VideoPictureTest, EveryDecodedLayoutReachesItsTexturesUnchanged)
{
    struct Plane {
        GLenum format;
        GLenum type;
        int bytes;
    };
    struct Case {
        const char* name;
        const char* pixelFormat;
        QStringList encode;
        uint32_t code;
        std::vector<Plane> planes;
    };
    const int luma = 322 * 180;
    const int chroma = 161 * 90;
    const QStringList raw{"-c:v", "rawvideo", "-pix_fmt"};
    const Case cases[] = {
        {"padded.mp4", "yuv420p", {"-c:v", "libx264", "-preset", "ultrafast", "-qp", "0", "-pix_fmt", "yuv420p"},
         AVVideoFrameYUV420P, {{GL_RED, GL_UNSIGNED_BYTE, luma}, {GL_RED, GL_UNSIGNED_BYTE, chroma},
                               {GL_RED, GL_UNSIGNED_BYTE, chroma}}},
        {"tight.nut", "yuv420p", raw + QStringList{"yuv420p"}, AVVideoFrameYUV420P,
         {{GL_RED, GL_UNSIGNED_BYTE, luma}, {GL_RED, GL_UNSIGNED_BYTE, chroma}, {GL_RED, GL_UNSIGNED_BYTE, chroma}}},
        {"nv12.nut", "nv12", raw + QStringList{"nv12"}, AVVideoFrameNV12,
         {{GL_RED, GL_UNSIGNED_BYTE, luma}, {GL_RG, GL_UNSIGNED_BYTE, 2 * chroma}}},
        {"uyvy.nut", "uyvy422", raw + QStringList{"uyvy422"}, AVVideoFrameUYVY422,
         {{GL_RGBA, GL_UNSIGNED_BYTE, 2 * luma}}},
        {"deep.nut", "yuv420p10le", raw + QStringList{"yuv420p10le"}, AVVideoFrameYUV420P10,
         {{GL_RED, GL_UNSIGNED_SHORT, 2 * luma}, {GL_RED, GL_UNSIGNED_SHORT, 2 * chroma},
          {GL_RED, GL_UNSIGNED_SHORT, 2 * chroma}}},
    };
    // The first clip is the source of the others: all hold the same samples.
    QString source = kGradient;
    std::vector<uint8_t> firstComposed;
    for (const Case& c : cases) {
        const QString clip = makeClip(c.name, source, c.encode);
        if (clip.isEmpty())
            GTEST_SKIP() << "the ffmpeg command line is not available";
        const QByteArray samples = ffmpegFrame(clip, 0.0, QString("format=%1").arg(c.pixelFormat));
        const Picture composed = compose(clip, 322, 180, 0.0);
        ASSERT_EQ(segment->frameFormat(), c.code) << c.name;
        const AVGLTexture* textures[3] = {segment->texture(), segment->secondPlane(), segment->thirdPlane()};
        int offset = 0;
        for (size_t i = 0; i < c.planes.size(); ++i) {
            const Plane& plane = c.planes[i];
            ASSERT_NE(textures[i], nullptr) << c.name << " plane " << i;
            const std::vector<uint8_t> stored = storedTexels(gl, textures[i], plane.format, plane.type,
                                                            size_t(plane.bytes));
            ASSERT_LE(offset + plane.bytes, samples.size()) << c.name;
            EXPECT_EQ(std::memcmp(stored.data(), samples.constData() + offset, size_t(plane.bytes)), 0)
                << c.name << " plane " << i;
            offset += plane.bytes;
        }
        EXPECT_EQ(offset, samples.size()) << c.name;

        const QByteArray expected = ffmpegFrame(
            clip, 0.0,
            "scale=in_color_matrix=bt601:in_range=tv:flags=bilinear+full_chroma_int+accurate_rnd,format=bgra");
        ASSERT_EQ(composed.bgra.size(), size_t(expected.size())) << c.name;
        EXPECT_GE(psnr(composed, expected), 35.0) << c.name << " " << psnr(composed, expected);
        // The same samples, padded by the decoder or not, compose to the same picture.
        if (firstComposed.empty()) {
            firstComposed = composed.bgra;
            source = "movie=" + clip;
        } else if (c.code == AVVideoFrameYUV420P) {
            EXPECT_TRUE(composed.bgra == firstComposed) << c.name;
        }
    }
}

// Pictures with an alpha channel go through BGRA: composed over the black
// background they are what ffmpeg lays over black.
TEST_F(VideoPictureTest, PicturesWithAlphaComposeAsFfmpegOverlaysThem)
{
    const QString clip = makeClip("alpha.webm", kGradient + ",format=yuva420p,colorchannelmixer=aa=0.5",
                                  {"-c:v", "libvpx-vp9", "-pix_fmt", "yuva420p", "-auto-alt-ref", "0"});
    if (clip.isEmpty())
        GTEST_SKIP() << "the ffmpeg command line is not available";
    bool started = false;
    const QByteArray expected = runFfmpeg(
        {"-c:v", "libvpx-vp9", "-i", clip, "-f", "lavfi", "-i", "color=c=black:s=322x180", "-frames:v", "1",
         "-filter_complex",
         "[0:v]scale=in_color_matrix=bt601:in_range=tv:flags=bilinear+full_chroma_int+accurate_rnd,format=rgba[top];"
         "[1:v][top]overlay=format=rgb,format=bgra",
         "-f", "rawvideo", "-"},
        &started);
    ASSERT_EQ(expected.size(), 322 * 180 * 4);
    const Picture composed = compose(clip, 322, 180, 0.0);
    ASSERT_EQ(segment->frameFormat(), uint32_t(AVVideoFrameBGRA));
    ASSERT_EQ(composed.bgra.size(), size_t(expected.size()));
    // Premultiplied 8-bit pixels lose a little on the way: about 34 dB.
    EXPECT_GE(psnr(composed, expected), 30.0) << psnr(composed, expected);
}
