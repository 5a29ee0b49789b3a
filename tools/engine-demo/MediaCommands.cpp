#include "DemoCommands.h"
#include "DemoSupport.h"

#include "AVAudioStream.h"
#include "AVVideoStream.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QDataStream>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kThumbnailCount = 16;
constexpr int kThumbnailHeight = 90;
constexpr double kLoadTimeLimit = 30.0;   // seconds
constexpr qint64 kDecodeTimeLimitMs = 600000;

struct LoadResult {
    std::atomic<bool> done{false};
    std::atomic<int32_t> result{0};
};

void onLoaded(AVStreamBase*, int32_t result, void* context)
{
    auto* load = static_cast<LoadResult*>(context);
    load->result = result;
    load->done = true;
}

// Waits for a load started with onLoaded; false when it took too long.
bool waitForLoad(const LoadResult& load)
{
    return waitFor([&] { return load.done.load(); }, kLoadTimeLimit);
}

struct Thumbnails {
    QString folder;
    std::atomic<int> delivered{0};
    std::atomic<int> written{0};
};

void onThumbnail(AVVideoStream*, int32_t, AVPixelBuffer* picture, void* context)
{
    auto* thumbnails = static_cast<Thumbnails*>(context);
    const int index = thumbnails->delivered++;
    if (!picture) {
        std::fprintf(stderr, "engine-demo: no picture for thumbnail %d\n", index);
        return;
    }
    const QImage image(picture->data, int(picture->width), int(picture->height), int(picture->width) * 4,
                       QImage::Format_ARGB32_Premultiplied);
    const QString name = QDir(thumbnails->folder).filePath(QString("thumbnail_%1.png").arg(index, 2, 10, QChar('0')));
    if (image.save(name))
        ++thumbnails->written;
    else
        std::fprintf(stderr, "engine-demo: cannot write %s\n", qPrintable(name));
    avPixelBufferFree(picture);
}

// The format code of the first frame the decoding thread delivers.
int firstFrameFormat(AVVideoStream& stream)
{
    stream.awaken();
    stream.seek(0.0, nullptr, nullptr, true);
    int32_t size = 0;
    uint32_t format = 0;
    uint32_t colour = 0;
    uint8_t* data = stream.popFrame(&size, nullptr, &format, nullptr, nullptr, nullptr, &colour, true);
    if (!data)
        return -1;
    std::free(data);
    std::printf("colour code:  %u\n", colour);
    return int(format);
}

int probeSound(const QByteArray& path)
{
    AVAudioStream audio(path.constData(), 44100, 2);
    const int32_t result = audio.openForMetadata();
    std::printf("sound:        %s (%d)\n", result == 0 ? "yes" : "no", result);
    if (result == 0) {
        std::printf("sound length: %.3f s\n", audio.duration());
        const char* title = audio.title();
        const char* artist = audio.artist();
        std::printf("title:        %s\nartist:       %s\n", title ? title : "-", artist ? artist : "-");
    }
    return result;
}

} // namespace

int runProbe(const QStringList& arguments)
{
    if (arguments.isEmpty() || arguments.first().startsWith("--")) {
        std::fprintf(stderr, "usage: engine-demo probe FILE [--out DIR]\n");
        return 2;
    }
    const QByteArray path = arguments.first().toUtf8();
    Thumbnails thumbnails;
    thumbnails.folder = optionText(arguments, "--out", ".");
    QDir().mkpath(thumbnails.folder);
    std::vector<float> times;
    for (int i = 0; i < kThumbnailCount; ++i)
        times.push_back(float(i) / kThumbnailCount);

    // Declared before the stream: a load that outlasts the wait still reports into it.
    LoadResult load;
    AVVideoStream video(path.constData(), 0, 0);
    video.startLoadWithThumbnails(&onLoaded, &load, kThumbnailCount, times.data(),
                                  float(kThumbnailHeight * 16 / 9), float(kThumbnailHeight), nullptr,
                                  &onThumbnail, &thumbnails);
    if (!waitForLoad(load)) {
        std::fprintf(stderr, "engine-demo: %s did not open within %.0f s\n", path.constData(), kLoadTimeLimit);
        return 1;
    }
    std::printf("file:         %s\npicture:      %s (%d)\n", path.constData(), load.result == 0 ? "yes" : "no",
                int(load.result));
    const int soundResult = probeSound(path);
    if (load.result != 0)
        return soundResult == 0 ? 0 : 1;
    uint32_t width = 0;
    uint32_t height = 0;
    video.size(&width, &height);
    std::printf("duration:     %.3f s\nsize:         %u x %u\nrotation:     %u\nframe rate:   %.3f\n"
                "frame step:   %u\n",
                video.duration(), width, height, video.rotation(), video.frameRate(), video.frameStep());
    std::printf("format code:  %d\nthumbnails:   %d written to %s\n", firstFrameFormat(video),
                thumbnails.written.load(), qPrintable(thumbnails.folder));
    return 0;
}

int runDecodeAudio(const QStringList& arguments)
{
    const QString output = optionText(arguments, "--out", QString());
    bool scaleOk = false;
    bool pitchOk = false;
    const double scale = optionText(arguments, "--scale", "1").toDouble(&scaleOk);
    const double pitch = optionText(arguments, "--pitch", "1").toDouble(&pitchOk);
    if (arguments.isEmpty() || arguments.first().startsWith("--") || output.isEmpty() || !scaleOk || !pitchOk) {
        std::fprintf(stderr, "usage: engine-demo decode-audio IN [--scale S] [--pitch P] --out OUT.wav\n");
        return 2;
    }
    const QByteArray path = arguments.first().toUtf8();
    LoadResult load; // outlives the stream, whose load thread reports into it
    AVAudioStream audio(path.constData(), 44100, 2);
    audio.setTimeScale(scale);
    audio.setPitch(pitch);
    audio.startLoad(&onLoaded, &load);
    if (!waitForLoad(load) || load.result != 0) {
        std::fprintf(stderr, "engine-demo: cannot open the sound of %s (%d)\n", path.constData(), int(load.result));
        return 1;
    }
    audio.awaken();
    audio.seek(0.0, nullptr, nullptr, true);
    QByteArray samples;
    // Wall time: an empty pop itself waits for up to a few seconds.
    QElapsedTimer decoding;
    decoding.start();
    bool ended = false;
    while (!ended && decoding.elapsed() < kDecodeTimeLimitMs) {
        int32_t size = 0;
        uint8_t* data = audio.popFrame(&size, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, true);
        if (data) {
            samples.append(reinterpret_cast<const char*>(data), size);
            std::free(data);
        } else {
            ended = audio.decodeEnded();
        }
    }
    if (!ended) {
        std::fprintf(stderr, "engine-demo: decoding %s did not end within %lld s\n", path.constData(),
                     static_cast<long long>(kDecodeTimeLimitMs / 1000));
        return 1;
    }
    if (!writeWavFile(output, 44100, 2, samples)) {
        std::fprintf(stderr, "engine-demo: cannot write %s\n", qPrintable(output));
        return 1;
    }
    std::printf("%lld samples per channel (%.3f s) at 44100 Hz stereo written to %s\n",
                static_cast<long long>(samples.size() / 4), samples.size() / 4 / 44100.0, qPrintable(output));
    return 0;
}
