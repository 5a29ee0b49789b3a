#include "AVAudioSegment.h"
#include "AVClock.h"
#include "AVComposition.h"
#include "AVExporter.h"
#include "AVGLFramebuffer.h"
#include "AVPixelBuffer.h"
#include "AVVideoSegment.h"
#include "GLTestContext.h"
#include "StreamTestHelpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QMutexLocker>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <unistd.h>

using namespace StreamTest;

namespace {

constexpr double kPi = 3.14159265358979;

// A plain layer showing a BGRA picture of the canvas size (premultiplied).
class PictureLayer : public AVLayerSegment {
public:
    PictureLayer(double duration, uint32_t width, uint32_t height, const std::vector<uint32_t>& bgra,
                 bool ready = true)
        : AVLayerSegment(0.0, duration, width, height), _ready(ready)
    {
        AVPixelBuffer* picture = avPixelBufferCreate(width, height, 1);
        std::memcpy(picture->data, bgra.data(), bgra.size() * 4);
        setImage(picture);
        setStatus(AVSegmentReady);
    }
    bool isReady() const override { return _ready; }
    void prepareAt(double time, bool drawFlag, bool playing) override
    {
        if (!texture())
            uploadImage();
        AVLayerSegment::prepareAt(time, drawFlag, playing);
    }

private:
    bool _ready;
};

// What the export thread reported, in order.
struct Reports {
    QMutex mutex;
    std::vector<double> progress;
    std::vector<double> remaining;
    std::vector<double> remainingAt;  // engine clock seconds of each remaining-time report
    std::vector<double> finished;

    static void callback(AVExporter*, int32_t message, double value, void* context)
    {
        auto* reports = static_cast<Reports*>(context);
        QMutexLocker lock(&reports->mutex);
        if (message == AVExporter_Msg_Progress) {
            reports->progress.push_back(value);
        } else if (message == AVExporter_Msg_RemainingTime) {
            reports->remaining.push_back(value);
            reports->remainingAt.push_back(avCurrentTimeSeconds());
        } else if (message == AVExporter_Msg_Finished) {
            reports->finished.push_back(value);
        }
    }
    bool hasFinished()
    {
        QMutexLocker lock(&mutex);
        return !finished.empty();
    }
    size_t remainingCount()
    {
        QMutexLocker lock(&mutex);
        return remaining.size();
    }
};

QByteArray runTool(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QByteArray();
    return process.readAllStandardOutput();
}

std::string probe(const QString& file, const QStringList& arguments)
{
    return runTool("ffprobe", QStringList{"-v", "error"} + arguments + QStringList{"-of", "compact", file})
        .trimmed()
        .toStdString();
}

// The duration of a movie's stream (as "v:0" or "a:0") from its header; -1 when none.
double streamDuration(const QString& file, const char* stream)
{
    const std::string line = probe(file, {"-select_streams", stream, "-show_entries", "stream=duration"});
    const size_t equals = line.find('=');
    return equals == std::string::npos ? -1.0 : std::atof(line.c_str() + equals + 1);
}

// Frame n of a movie as BGRA bytes (decoded with the named decoder when given).
QByteArray decodedFrame(const QString& file, int n, const char* pixelFormat, const QString& decoder = QString())
{
    QStringList arguments{"-v", "error"};
    if (!decoder.isEmpty())
        arguments << "-c:v" << decoder;
    arguments << "-i" << file << "-vf" << QString("select=eq(n\\,%1)").arg(n) << "-frames:v" << "1" << "-pix_fmt"
              << pixelFormat << "-f" << "rawvideo" << "-";
    return runTool("ffmpeg", arguments);
}

// The frequency in 100..2000 Hz (5 Hz steps) with the most energy in the
// movie's sound, from a Goertzel scan of its middle.
double dominantFrequency(const QString& file)
{
    const QByteArray raw = runTool("ffmpeg", {"-v", "error", "-i", file, "-vn", "-ac", "1", "-ar", "44100", "-f",
                                              "f32le", "-"});
    const auto* samples = reinterpret_cast<const float*>(raw.constData());
    const int count = std::min<int>(raw.size() / 4 / 2, 16384);
    const int start = raw.size() / 4 / 4;
    double best = 0, bestPower = -1;
    for (double frequency = 100; frequency <= 2000; frequency += 5) {
        const double coefficient = 2 * std::cos(2 * kPi * frequency / 44100);
        double s1 = 0, s2 = 0;
        for (int i = 0; i < count; ++i) {
            const double s0 = samples[start + i] + coefficient * s1 - s2;
            s2 = s1;
            s1 = s0;
        }
        const double power = s1 * s1 + s2 * s2 - coefficient * s1 * s2;
        if (power > bestPower) {
            bestPower = power;
            best = frequency;
        }
    }
    return best;
}

double psnr(const QByteArray& a, const QByteArray& b)
{
    return colourPsnr(reinterpret_cast<const uint8_t*>(a.constData()), reinterpret_cast<const uint8_t*>(b.constData()),
                      size_t(std::min(a.size(), b.size())));
}

// Exports run on their own thread and context: the test's engine context
// is made current only around its own drawing.
class ExporterTest : public GLTest {
protected:
    void SetUp() override
    {
        GLTest::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        avGLEndDrawing();
        if (runTool("ffprobe", {"-version"}).isEmpty())
            GTEST_SKIP() << "the ffprobe command line is not available";
        ASSERT_TRUE(folder.isValid());
    }

    void makeComposition(int width, int height)
    {
        composition = std::make_unique<AVComposition>(width, height, 44100, 2, nullptr);
    }

    // The fixture clip's picture and sound from time 0.
    AVVideoSegment* addClip(const char* name)
    {
        auto* video = new AVVideoSegment(0.0, fixture(name).constData(), uint32_t(composition->width()),
                                         uint32_t(composition->height()), 64);
        auto* sound = new AVAudioSegment(0.0, fixture(name).constData(), 44100, 2);
        composition->addSegment(video, 1);
        composition->addSegment(sound, 2);
        EXPECT_TRUE(waitUntil([&] { return video->status() == 0 && sound->status() == 0; }));
        return video;
    }

    std::unique_ptr<AVExporter> makeExporter(const QString& file, AVExportCodec codec, bool alpha = false)
    {
        auto exporter = std::make_unique<AVExporter>(
            uint32_t(composition->width()), uint32_t(composition->height()), AVExporter::videoBitRateForLevel(3, 30),
            30, codec, alpha, 44100, 2, 128000, file.toStdString(), nullptr, true);
        exporter->setProgressCallback(&Reports::callback, &reports);
        exporter->attachToComposition(composition.get());
        return exporter;
    }

    // Runs the export to its end; the GUI thread keeps handling events
    // (the export context is deleted there).
    void exportAll(AVExporter* exporter, double seconds = 60)
    {
        exporter->start();
        EXPECT_TRUE(waitUntil(
            [&] {
                QCoreApplication::processEvents();
                return reports.hasFinished();
            },
            seconds));
        exporter->detachFromComposition();
        ASSERT_EQ(reports.finished.size(), 1u) << "exactly one finished report";
    }

    // The composition's picture at a time, drawn on the test's context,
    // which then leaves nothing behind for the export context.
    QByteArray composedFrame(double time, AVVideoSegment* video)
    {
        EXPECT_TRUE(avGLBeginDrawing(&contexts));
        composition->setRenderer(renderer);
        composition->seek(time, true);
        EXPECT_TRUE(waitUntil([&] {
            composition->compositeVideo(time, 1, 0, 0);
            return video->shownFrameMs() == std::llround(time * 1000);
        }));
        AVGLFramebuffer* front = composition->frontFramebuffer();
        AVGLRenderer::bindFramebuffer(renderer, front);
        int32_t stride = 0;
        uint8_t* pixels = avReadPixels(front->color, &stride);
        QByteArray frame(reinterpret_cast<const char*>(pixels), stride * front->color->height);
        std::free(pixels);
        composition->releaseGLResources();
        composition->setRenderer(nullptr);
        avGLEndDrawing();
        return frame;
    }

    QString outPath(const char* name) const { return folder.filePath(name); }

    QTemporaryDir folder;
    std::unique_ptr<AVComposition> composition;
    Reports reports;
};

} // namespace

TEST_F(ExporterTest, H264MovieHoldsEveryComposedFrameUprightAndTheSound)
{
    makeComposition(640, 360);
    AVVideoSegment* video = addClip("export_source_640x360.mp4");
    const QByteArray composed = composedFrame(0.0, video);
    const QString out = outPath("movie.mp4");
    auto exporter = makeExporter(out, AVExportCodecH264);
    testing::internal::CaptureStdout();
    exportAll(exporter.get());
    QStringList notes = QString::fromStdString(testing::internal::GetCapturedStdout()).split('\n');
    notes = notes.filter(QRegularExpression("^Some audio|^maybe not"));
    // 2 s at 44100 Hz end in 88200 % 1024 = 136 samples, in two channels of two bytes.
    EXPECT_EQ(notes.join('|').toStdString(), "Some audio frame data left (544).");
    EXPECT_EQ(reports.finished[0], 0.0);
    ASSERT_FALSE(reports.progress.empty());
    EXPECT_DOUBLE_EQ(reports.progress.back(), 1.0);
    EXPECT_TRUE(std::is_sorted(reports.progress.begin(), reports.progress.end()));
    EXPECT_FALSE(QFile::exists(out + ".part"));

    EXPECT_EQ(probe(out, {"-count_frames", "-select_streams", "v:0", "-show_entries",
                          "stream=codec_name,width,height,nb_read_frames"}),
              "stream|codec_name=h264|width=640|height=360|nb_read_frames=60");
    EXPECT_EQ(probe(out, {"-select_streams", "a:0", "-show_entries", "stream=codec_name,sample_rate,channels"}),
              "stream|codec_name=aac|sample_rate=44100|channels=2");
    const std::string duration = probe(out, {"-show_entries", "format=duration"});
    EXPECT_NEAR(std::stod(duration.substr(duration.find('=') + 1)), 2.0, 0.1) << duration;
    // The video track lasts as long as its 60 frames, the sound as long as the movie.
    EXPECT_EQ(probe(out, {"-select_streams", "v:0", "-show_entries", "stream=duration"}), "stream|duration=2.000000");
    EXPECT_NEAR(streamDuration(out, "a:0"), 2.0, 0.03);

    const QByteArray first = decodedFrame(out, 0, "bgra");
    ASSERT_EQ(first.size(), composed.size());
    EXPECT_GE(psnr(first, composed), 30.0);
    // Upright: the red mark at the top left, the green one at the bottom right.
    const auto channel = [&](int x, int y, int c) { return uint8_t(first[(y * 640 + x) * 4 + c]); };
    EXPECT_GT(channel(10, 10, 2), 200);
    EXPECT_LT(channel(10, 10, 1), 60);
    EXPECT_GT(channel(630, 350, 1), 100);
    EXPECT_LT(channel(630, 350, 2), 60);
    // Frame n shows time n / 30: the middle frame differs from the first.
    EXPECT_LT(psnr(decodedFrame(out, 30, "bgra"), first), 25.0);

    EXPECT_NEAR(dominantFrequency(out), 440.0, 5.0);
}

TEST_F(ExporterTest, EachExportedFrameIsTheComposedPictureOfItsOwnTime)
{
    makeComposition(640, 360);
    // As the editing window has it: the preview reads the front target.
    composition->setDoubleBuffered(1);
    AVVideoSegment* video = addClip("export_source_640x360.mp4");
    // The first frames, some in the middle and the last: where the export
    // starts drawing ahead, runs, and stops.
    const std::vector<int> checked{0, 1, 31, 58, 59};
    std::map<int, QByteArray> composed;
    for (const int n : {0, 1, 2, 30, 31, 32, 57, 58, 59})
        composed[n] = composedFrame(n / 30.0, video);
    const QString out = outPath("movie.mp4");
    auto exporter = makeExporter(out, AVExportCodecH264);
    exportAll(exporter.get());
    ASSERT_EQ(reports.finished[0], 0.0);
    for (const int n : checked) {
        const QByteArray exported = decodedFrame(out, n, "bgra");
        ASSERT_EQ(exported.size(), composed[n].size()) << "frame " << n;
        const double own = psnr(exported, composed[n]);
        EXPECT_GE(own, 30.0) << "frame " << n;
        for (const int neighbour : {n - 1, n + 1}) {
            if (composed.count(neighbour)) {
                EXPECT_GT(own, psnr(exported, composed[neighbour]) + 1.0)
                    << "frame " << n << " is closer to the picture of frame " << neighbour;
            }
        }
    }
}

TEST_F(ExporterTest, HevcIsTaggedHvc1AndAnOddSizeBecomesEvenWithoutSound)
{
    makeComposition(675, 540);
    composition->addSegment(new PictureLayer(0.5, 675, 540, std::vector<uint32_t>(675 * 540, 0xff2040c0)), 1);
    const QString out = outPath("movie.mp4");
    auto exporter = makeExporter(out, AVExportCodecHEVC);
    exportAll(exporter.get());
    EXPECT_EQ(reports.finished[0], 0.0);
    EXPECT_EQ(probe(out, {"-count_frames", "-show_entries",
                          "stream=codec_name,codec_tag_string,width,height,nb_read_frames"}),
              "stream|codec_name=hevc|codec_tag_string=hvc1|width=674|height=540|nb_read_frames=15")
        << "one video stream and no sound: the composition has no sound segment";
    EXPECT_EQ(probe(out, {"-show_entries", "stream=duration"}), "stream|duration=0.500000");
    // The encoder writes its settings into the stream: level 3 at 30 fps is
    // 15 Mb/s, of which HEVC asks six tenths.
    QFile movie(out);
    ASSERT_TRUE(movie.open(QIODevice::ReadOnly));
    EXPECT_TRUE(movie.readAll().contains(" bitrate=9000 "));
}

TEST_F(ExporterTest, Vp9WithTransparentBackgroundKeepsStraightAlpha)
{
    constexpr int kWidth = 192, kHeight = 96;
    makeComposition(kWidth, kHeight);
    composition->setBackgroundColor(0, 0, 0, 0);
    // Thirds: opaque red, red at half cover (premultiplied), nothing.
    std::vector<uint32_t> picture(kWidth * kHeight);
    for (int i = 0; i < kWidth * kHeight; ++i) {
        const int third = i % kWidth / (kWidth / 3);
        picture[size_t(i)] = third == 0 ? 0xffff0000 : third == 1 ? 0x80800000 : 0;
    }
    composition->addSegment(new PictureLayer(0.4, kWidth, kHeight, picture), 1);
    const QString out = outPath("movie.webm");
    auto exporter = makeExporter(out, AVExportCodecVP9, true);
    exportAll(exporter.get());
    EXPECT_EQ(reports.finished[0], 0.0);
    EXPECT_EQ(probe(out, {"-show_entries", "stream=codec_name"}), "stream|codec_name=vp9");

    const QByteArray frame = decodedFrame(out, 0, "bgra", "libvpx-vp9");
    ASSERT_EQ(frame.size(), kWidth * kHeight * 4);
    const auto at = [&](int third, int c) { return uint8_t(frame[(kHeight / 2 * kWidth + third * 64 + 32) * 4 + c]); };
    EXPECT_GT(at(0, 3), 240);
    EXPECT_NEAR(at(1, 3), 128, 12);
    EXPECT_GT(at(1, 2), 225) << "half-covered red keeps its full colour, not a darkened one";
    EXPECT_LT(at(2, 3), 15);
}

TEST_F(ExporterTest, CancelEndsWithMinusOneAndKeepsTheEarlierMovie)
{
    makeComposition(640, 360);
    composition->addSegment(new PictureLayer(60.0, 640, 360, std::vector<uint32_t>(640 * 360, 0xff808080)), 1);
    const QString out = outPath("movie.mp4");
    QFile earlier(out);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("an earlier movie");
    earlier.close();
    auto exporter = makeExporter(out, AVExportCodecH264);
    exporter->start();
    waitUntil([] { QCoreApplication::processEvents(); return false; }, 0.5);
    EXPECT_FALSE(reports.hasFinished()) << "60 s of movie take longer than half a second";
    exporter->cancel();
    ASSERT_TRUE(waitUntil([&] {
        QCoreApplication::processEvents();
        return reports.hasFinished();
    }));
    EXPECT_EQ(reports.finished, std::vector<double>{-1.0});
    // Under load the cancel may come before the first frame's report.
    if (!reports.progress.empty()) {
        EXPECT_LT(reports.progress.back(), 1.0);
    }
    EXPECT_FALSE(exporter->isRunning());
    ASSERT_TRUE(earlier.open(QIODevice::ReadOnly));
    EXPECT_EQ(earlier.readAll(), QByteArray("an earlier movie"));
    EXPECT_FALSE(QFile::exists(out + ".part")) << "the unfinished movie is not left behind";
}

TEST_F(ExporterTest, RemainingTimeComesAfterThreeSecondsAtMostOnceASecond)
{
    makeComposition(160, 90);
    // Ten minutes: far more than the export gets done before it is cancelled.
    composition->addSegment(new PictureLayer(600.0, 160, 90, std::vector<uint32_t>(160 * 90, 0xff808080)), 1);
    auto exporter = makeExporter(outPath("long.mp4"), AVExportCodecH264);
    const double started = avCurrentTimeSeconds();
    exporter->start();
    const bool twoReports = waitUntil(
        [&] {
            QCoreApplication::processEvents();
            return reports.remainingCount() >= 2 || reports.hasFinished();
        },
        20.0);
    exporter->cancel();
    ASSERT_TRUE(waitUntil([&] {
        QCoreApplication::processEvents();
        return reports.hasFinished();
    }));
    ASSERT_TRUE(twoReports);
    ASSERT_GE(reports.remaining.size(), 2u);
    EXPECT_GE(reports.remainingAt[0] - started, 3.0) << "none during the first three seconds";
    EXPECT_GE(reports.remainingAt[1] - reports.remainingAt[0], 0.99) << "at most one a second";
    EXPECT_GT(reports.remaining[0], 0.0);
    EXPECT_EQ(reports.finished, std::vector<double>{-1.0});
}

TEST_F(ExporterTest, SetUpFailuresEndWithTheirCodes)
{
    makeComposition(320, 180);
    composition->addSegment(new PictureLayer(1.0, 320, 180, std::vector<uint32_t>(320 * 180, 0xff808080)), 1);
    auto unwritable = makeExporter(outPath("missing-folder/movie.mp4"), AVExportCodecH264);
    exportAll(unwritable.get());
    EXPECT_EQ(reports.finished[0], -11.0);

    reports.finished.clear();
    auto prores = makeExporter(outPath("movie.mov"), AVExportCodecProRes);
    exportAll(prores.get());
    EXPECT_EQ(reports.finished[0], -3.0);
    EXPECT_FALSE(QFile::exists(outPath("movie.mov")));
}

TEST_F(ExporterTest, EmptyCompositionFinishesWithFiniteProgress)
{
    makeComposition(320, 180);
    const QString out = outPath("empty.mp4");
    auto exporter = makeExporter(out, AVExportCodecH264);
    exportAll(exporter.get());
    EXPECT_EQ(reports.finished[0], 0.0);
    for (double progress : reports.progress)
        EXPECT_TRUE(std::isfinite(progress) && progress >= 0.0 && progress <= 1.0) << progress;
    EXPECT_TRUE(QFile::exists(out));
}

TEST_F(ExporterTest, LayerThatNeverBecomesReadyDelaysTheExportOnlyOnce)
{
    makeComposition(160, 90);
    composition->addSegment(new PictureLayer(0.2, 160, 90, std::vector<uint32_t>(160 * 90, 0xff00ff00), false), 1);
    const QString out = outPath("late.mp4");
    auto exporter = makeExporter(out, AVExportCodecH264);
    exportAll(exporter.get(), 30);
    EXPECT_EQ(reports.finished[0], 0.0);
    EXPECT_EQ(probe(out, {"-count_frames", "-show_entries", "stream=nb_read_frames"}), "stream|nb_read_frames=6");
}

TEST_F(ExporterTest, MovieThatCannotTakeItsNameIsAFailure)
{
    makeComposition(160, 90);
    composition->addSegment(new PictureLayer(0.2, 160, 90, std::vector<uint32_t>(160 * 90, 0xff0000ff)), 1);
    // A folder that is not empty already holds the name.
    const QString out = outPath("taken.mp4");
    ASSERT_TRUE(QDir().mkpath(out + "/inside"));
    auto exporter = makeExporter(out, AVExportCodecH264);
    exportAll(exporter.get());
    EXPECT_EQ(reports.finished[0], double(AVExporterResultMovieNameTaken));
    EXPECT_FALSE(QFile::exists(out + ".part"));
    EXPECT_TRUE(QDir(out + "/inside").exists());
}

// A file that took the movie's name meanwhile is never replaced: the
// export fails, or goes to the name the caller's chooser gives.
TEST_F(ExporterTest, MovieNeverReplacesAFileThatTookItsName)
{
    makeComposition(160, 90);
    composition->addSegment(new PictureLayer(0.2, 160, 90, std::vector<uint32_t>(160 * 90, 0xff0000ff)), 1);
    const QString out = outPath("taken.mp4");
    QFile taken(out);
    ASSERT_TRUE(taken.open(QIODevice::WriteOnly));
    taken.write("the user's own file");
    taken.close();
    auto unnamed = makeExporter(out, AVExportCodecH264);
    exportAll(unnamed.get());
    EXPECT_EQ(reports.finished[0], double(AVExporterResultMovieNameTaken));

    reports.finished.clear();
    auto renamed = makeExporter(out, AVExportCodecH264);
    renamed->setFreeNameChooser([&] { return outPath("free.mp4").toStdString(); });
    exportAll(renamed.get());
    EXPECT_EQ(reports.finished[0], 0.0);
    EXPECT_EQ(renamed->moviePath(), outPath("free.mp4").toStdString());
    EXPECT_EQ(probe(outPath("free.mp4"), {"-count_frames", "-show_entries", "stream=nb_read_frames"}),
              "stream|nb_read_frames=6");
    ASSERT_TRUE(taken.open(QIODevice::ReadOnly));
    EXPECT_EQ(taken.readAll(), QByteArray("the user's own file"));
    EXPECT_FALSE(QFile::exists(out + ".part"));
}

QByteArray fileContent(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeContent(const QString& path, const QByteArray& content)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

// Blue, green and red of frame 0's middle pixel.
std::string middleColour(const QString& movie, int width, int height)
{
    const QByteArray frame = decodedFrame(movie, 0, "bgra");
    if (frame.size() != width * height * 4)
        return "no picture";
    const int at = ((height / 2) * width + width / 2) * 4;
    return std::to_string(uint8_t(frame[at]) > 128) + std::to_string(uint8_t(frame[at + 1]) > 128)
        + std::to_string(uint8_t(frame[at + 2]) > 128);
}

// A file under the unfinished movie's name is the user's: it stays as it
// is, and the movie is written under another name of its own.
TEST_F(ExporterTest, AFileUnderTheUnfinishedNameIsKeptAndTheMovieStillLands)
{
    makeComposition(160, 90);
    composition->addSegment(new PictureLayer(0.2, 160, 90, std::vector<uint32_t>(160 * 90, 0xff0000ff)), 1);
    const QString out = outPath("Race.mp4");
    ASSERT_NO_FATAL_FAILURE(writeContent(out + ".part", "the user's own file"));
    auto exporter = makeExporter(out, AVExportCodecH264);
    exportAll(exporter.get());
    EXPECT_EQ(reports.finished[0], 0.0);
    EXPECT_EQ(probe(out, {"-count_frames", "-show_entries", "stream=nb_read_frames"}), "stream|nb_read_frames=6");
    EXPECT_EQ(fileContent(out + ".part"), QByteArray("the user's own file"));
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).join('|').toStdString(), "Race.mp4|Race.mp4.part");
}

// A file moved onto the unfinished movie's name while it is written is
// neither named as the movie nor removed: the export fails.
TEST_F(ExporterTest, AFileMovedOntoTheUnfinishedMovieIsNeitherNamedNorRemoved)
{
    makeComposition(160, 90);
    composition->addSegment(new PictureLayer(1.0, 160, 90, std::vector<uint32_t>(160 * 90, 0xff0000ff)), 1);
    const QString out = outPath("moved.mp4");
    ASSERT_NO_FATAL_FAILURE(writeContent(outPath("notes.txt"), "the user's notes, thirty-five bytes"));
    struct Mover {
        Reports* reports;
        QByteArray from, to;
        bool moved = false;
    } mover{&reports, QFile::encodeName(outPath("notes.txt")), QFile::encodeName(out + ".part")};
    auto exporter = makeExporter(out, AVExportCodecH264);
    // On the export thread at the first frame, while the movie is written.
    exporter->setProgressCallback(
        [](AVExporter* exporter, int32_t message, double value, void* context) {
            auto* self = static_cast<Mover*>(context);
            if (message == AVExporter_Msg_Progress && !self->moved)
                self->moved = std::rename(self->from.constData(), self->to.constData()) == 0;
            Reports::callback(exporter, message, value, self->reports);
        },
        &mover);
    exportAll(exporter.get());
    ASSERT_TRUE(mover.moved);
    EXPECT_EQ(reports.finished[0], double(AVExporterResultUnfinishedFileReplaced));
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_EQ(fileContent(out + ".part"), QByteArray("the user's notes, thirty-five bytes"));
}

// The unfinished movie moved away and a link to it put under its name: the
// name leads to the same file only through the link, which is neither
// named as the movie nor removed.
TEST_F(ExporterTest, ALinkToTheMovedUnfinishedMovieIsNeitherNamedNorRemoved)
{
    makeComposition(160, 90);
    composition->addSegment(new PictureLayer(1.0, 160, 90, std::vector<uint32_t>(160 * 90, 0xff0000ff)), 1);
    const QString out = outPath("linked.mp4");
    struct Linker {
        Reports* reports;
        QByteArray part, away;
        bool linked = false;
    } linker{&reports, QFile::encodeName(out + ".part"), QFile::encodeName(outPath("away.part"))};
    auto exporter = makeExporter(out, AVExportCodecH264);
    exporter->setProgressCallback(
        [](AVExporter* exporter, int32_t message, double value, void* context) {
            auto* self = static_cast<Linker*>(context);
            if (message == AVExporter_Msg_Progress && !self->linked)
                self->linked = std::rename(self->part.constData(), self->away.constData()) == 0
                    && symlink(self->away.constData(), self->part.constData()) == 0;
            Reports::callback(exporter, message, value, self->reports);
        },
        &linker);
    exportAll(exporter.get());
    ASSERT_TRUE(linker.linked);
    EXPECT_EQ(reports.finished[0], double(AVExporterResultUnfinishedFileReplaced));
    EXPECT_FALSE(QFileInfo::exists(out)) << "the link was named as the movie";
    EXPECT_TRUE(QFileInfo(out + ".part").isSymLink());
    EXPECT_TRUE(QFileInfo(outPath("away.part")).isFile());
}

// Two exports of one name at once each write a file of their own: each
// movie holds its own export's picture.
TEST_F(ExporterTest, TwoExportsOfOneNameAtOnceEachEndWithTheirOwnPicture)
{
    // Each export waits at its first frame until the other has begun too,
    // so that both write at once.
    struct Meeting {
        Reports* reports;
        std::atomic<int>* arrived;
        bool met = false;
        static void callback(AVExporter* exporter, int32_t message, double value, void* context)
        {
            auto* self = static_cast<Meeting*>(context);
            if (message == AVExporter_Msg_Progress && !self->met) {
                self->met = true;
                ++*self->arrived;
                waitUntil([&] { return self->arrived->load() == 2; }, 30);
            }
            Reports::callback(exporter, message, value, self->reports);
        }
    };
    std::atomic<int> arrived{0};
    makeComposition(160, 90);
    composition->addSegment(new PictureLayer(1.0, 160, 90, std::vector<uint32_t>(160 * 90, 0xff0000ff)), 1);
    auto blue = makeExporter(outPath("Same.mp4"), AVExportCodecH264);
    Meeting blueMeeting{&reports, &arrived};
    blue->setProgressCallback(&Meeting::callback, &blueMeeting);
    blue->setFreeNameChooser([&] { return outPath("Same blue.mp4").toStdString(); });
    AVComposition other(160, 90, 44100, 2, nullptr);
    other.addSegment(new PictureLayer(1.0, 160, 90, std::vector<uint32_t>(160 * 90, 0xffff0000)), 1);
    Reports otherReports;
    Meeting redMeeting{&otherReports, &arrived};
    AVExporter red(160, 90, AVExporter::videoBitRateForLevel(3, 30), 30, AVExportCodecH264, false, 44100, 2, 128000,
                   outPath("Same.mp4").toStdString(), nullptr, true);
    red.setProgressCallback(&Meeting::callback, &redMeeting);
    red.attachToComposition(&other);
    red.setFreeNameChooser([&] { return outPath("Same red.mp4").toStdString(); });
    red.start();
    blue->start();
    ASSERT_TRUE(waitUntil(
        [&] {
            QCoreApplication::processEvents();
            return reports.hasFinished() && otherReports.hasFinished();
        },
        60));
    red.detachFromComposition();
    blue->detachFromComposition();
    EXPECT_EQ(arrived.load(), 2);
    EXPECT_EQ(reports.finished, std::vector<double>{0.0});
    EXPECT_EQ(otherReports.finished, std::vector<double>{0.0});
    EXPECT_NE(red.moviePath(), blue->moviePath());
    EXPECT_EQ(middleColour(QString::fromStdString(blue->moviePath()), 160, 90), "100");
    EXPECT_EQ(middleColour(QString::fromStdString(red.moviePath()), 160, 90), "001");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files).size(), 2) << "nothing unfinished is left";
}

TEST_F(ExporterTest, VideoWriteFailingMidExportEndsItWithItsCode)
{
    makeComposition(640, 360);
    // Noise: every picture group's first frame is large.
    std::vector<uint32_t> noise(640 * 360);
    std::mt19937 random(1);
    for (uint32_t& pixel : noise)
        pixel = 0xff000000 | (random() & 0xffffff);
    composition->addSegment(new PictureLayer(60.0, 640, 360, std::move(noise)), 1);
    auto exporter = makeExporter(outPath("limited.mp4"), AVExportCodecH264);
    // Files of this process may not grow past the header and a few packets;
    // a write beyond fails instead of raising a signal.
    rlimit before{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &before), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limited = before;
    limited.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);
    exportAll(exporter.get());
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(reports.finished[0], -18.0);
    ASSERT_FALSE(reports.progress.empty());
    EXPECT_LT(reports.progress.back(), 0.5) << "ended at the failure, not at the end of the movie";
}

TEST_F(ExporterTest, CancelDuringTheReadinessWaitEndsItWithoutAFile)
{
    makeComposition(160, 90);
    composition->addSegment(new PictureLayer(1.0, 160, 90, std::vector<uint32_t>(160 * 90, 0xff00ff00), false), 1);
    const QString out = outPath("never.mp4");
    auto exporter = makeExporter(out, AVExportCodecH264);
    exporter->start();
    waitUntil([] { QCoreApplication::processEvents(); return false; }, 0.3);
    exporter->cancel();
    // Well before the wait would give up on its own.
    ASSERT_TRUE(waitUntil(
        [&] {
            QCoreApplication::processEvents();
            return reports.hasFinished();
        },
        5.0));
    EXPECT_EQ(reports.finished, std::vector<double>{-1.0});
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_FALSE(QFile::exists(out + ".part"));
}

// The window may cancel an export it has made but not started yet: the
// cancel wins, and the export ends at once as any cancelled one does.
TEST_F(ExporterTest, ACancelBeforeTheStartEndsTheExportWithoutAFile)
{
    makeComposition(160, 90);
    composition->addSegment(new PictureLayer(600.0, 160, 90, std::vector<uint32_t>(160 * 90, 0xff808080)), 1);
    const QString out = outPath("cancelled.mp4");
    auto exporter = makeExporter(out, AVExportCodecH264);
    exporter->cancel();
    exporter->start();
    ASSERT_TRUE(waitUntil([&] {
        QCoreApplication::processEvents();
        return reports.hasFinished();
    }));
    EXPECT_EQ(reports.finished, std::vector<double>{-1.0});
    EXPECT_TRUE(reports.progress.empty()) << "frames were made after the cancel";
    EXPECT_FALSE(QFile::exists(out));
    EXPECT_FALSE(QFile::exists(out + ".part"));
}

TEST_F(ExporterTest, NotRunningMeansTheCompositionIsFreeAgain)
{
    makeComposition(160, 90);
    composition->addSegment(new PictureLayer(0.2, 160, 90, std::vector<uint32_t>(160 * 90, 0xff0000ff)), 1);
    auto exporter = makeExporter(outPath("short.mp4"), AVExportCodecH264);
    exporter->start();
    // Polled without a pause: a caller that sees the export over may detach
    // or free the composition at once, so the export thread must be done
    // with it by then.
    QElapsedTimer waited;
    waited.start();
    while (exporter->isRunning() && waited.elapsed() < 30000) {
    }
    ASSERT_FALSE(exporter->isRunning());
    EXPECT_EQ(composition->renderer(), nullptr) << "the export renderer was still the composition's";
    ASSERT_TRUE(waitUntil([&] {
        QCoreApplication::processEvents();
        return reports.hasFinished();
    }));
    EXPECT_EQ(reports.finished, std::vector<double>{0.0});
}
