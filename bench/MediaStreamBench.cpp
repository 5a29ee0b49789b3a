// Decoding speed of the media streams, measured against the ffmpeg command
// line on the same files in the same run:
//   video: a 10 s 1920x1080 H.264 clip decoded through AVVideoStream versus
//          `ffmpeg -threads auto -i clip -f null -` (ratio of wall times);
//   sound: a 60 s AAC track through AVAudioStream, as a multiple of real time,
//          plain and through the tempo graph;
//   seeks: time from an exact seek to its first frame, on the MP4 clip and
//          on the same pictures in MPEG-TS with a key frame every second
//          (no index: seeks that land past the target are repeated earlier);
//   sound segment: 5 s of composition mixed the way the mixing thread asks for
//          it (cache fill + window read) at speeds 0.5 and 0.1, as a multiple
//          of real time (at 0.1 each second of output takes 10 s of media).
// Usage: media_stream_bench [WORK_DIR]  (the clips are made there when missing)

#include "AVAudioSegment.h"
#include "AVAudioStream.h"
#include "AVThread_QThread_Type.h"
#include "AVVideoStream.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kProcessTimeLimitMs = 600000;
constexpr qint64 kStallLimitMs = 30000;
constexpr int kDecodeRounds = 5;

bool runFfmpeg(const QStringList& arguments, double* seconds = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    process.start("ffmpeg", QStringList{"-hide_banner", "-loglevel", "error", "-nostdin", "-y"} + arguments);
    const bool ok = process.waitForFinished(kProcessTimeLimitMs) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
    if (seconds)
        *seconds = timer.nsecsElapsed() / 1e9;
    return ok;
}

bool makeClips(const QString& video, const QString& transport, const QString& audio)
{
    if (!QFileInfo::exists(video)
        && !runFfmpeg({"-f", "lavfi", "-i", "testsrc2=s=1920x1080:r=30:d=10", "-c:v", "libx264", "-preset",
                       "veryfast", "-pix_fmt", "yuv420p", "-g", "60", video}))
        return false;
    if (!QFileInfo::exists(transport)
        && !runFfmpeg({"-f", "lavfi", "-i", "testsrc2=s=1920x1080:r=30:d=10", "-c:v", "libx264", "-preset",
                       "veryfast", "-pix_fmt", "yuv420p", "-g", "30", "-f", "mpegts", transport}))
        return false;
    return QFileInfo::exists(audio)
        || runFfmpeg({"-f", "lavfi", "-i", "sine=frequency=440:sample_rate=48000:duration=60", "-ac", "2", "-c:a",
                      "aac", "-b:a", "160k", audio});
}

struct LoadResult {
    std::atomic<bool> done{false};
    std::atomic<int32_t> result{-1};

    static void callback(AVStreamBase*, int32_t value, void* context)
    {
        auto* load = static_cast<LoadResult*>(context);
        load->result = value;
        load->done = true;
    }
};

// The caller declares state before the stream: a load that outlasts the
// wait still reports into it.
bool load(AVStreamBase& stream, bool audio, LoadResult& state)
{
    stream.startLoad(audio, &LoadResult::callback, &state);
    for (int waited = 0; !state.done && waited < 30000; waited += 5)
        avThreadSleep(0.005);
    return state.done && state.result == 0;
}

// Pops frames until the stream has ended, or until no frame has come for
// kStallLimitMs; returns the number of frames.
int drain(AVStreamBase& stream, int64_t* bytes = nullptr)
{
    int frames = 0;
    QElapsedTimer sinceLastFrame;
    sinceLastFrame.start();
    for (;;) {
        // Taken as the segments take them: pictures as decoded, not packed.
        AVStreamFrame frame;
        if (!stream.takeFrame(frame, true)) {
            // Frames still queued when the decoder ends are popped first.
            if (stream.decodeEnded())
                return frames;
            if (sinceLastFrame.elapsed() >= kStallLimitMs) {
                std::fprintf(stderr, "media_stream_bench: decoding stalled after %d frames\n", frames);
                return frames;
            }
            continue;
        }
        sinceLastFrame.restart();
        ++frames;
        if (bytes)
            *bytes += frame.size;
    }
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

double benchVideo(const QString& clip)
{
    const QByteArray path = clip.toUtf8();
    LoadResult state;
    AVVideoStream stream(path.constData(), 0, 0);
    stream.setSoftwareOnly(true);
    if (!load(stream, false, state))
        return -1.0;
    QElapsedTimer timer;
    timer.start();
    stream.awaken();
    stream.seek(0.0, nullptr, nullptr, true);
    const int frames = drain(stream);
    const double seconds = timer.nsecsElapsed() / 1e9;
    std::printf("video: %d frames of 1920x1080 in %.3f s (%.1f fps) through AVVideoStream\n", frames, seconds,
                frames / seconds);
    return seconds;
}

void benchSeeks(const QString& clip, const char* description)
{
    const QByteArray path = clip.toUtf8();
    LoadResult state;
    AVVideoStream stream(path.constData(), 0, 0);
    stream.setSoftwareOnly(true);
    if (!load(stream, false, state))
        return;
    stream.awaken();
    const std::vector<double> targets{1.5, 7.7, 4.3, 9.1, 0.2, 5.9, 3.3, 8.4, 2.2, 2.77, 3.9, 5.5, 6.05, 9.95};
    std::vector<double> times;
    int off = 0; // first frames that are not the target's own
    for (double target : targets) {
        QElapsedTimer timer;
        timer.start();
        stream.seek(target, nullptr, nullptr, true);
        double at = -1.0;
        int32_t size = 0;
        uint8_t* data = stream.popFrame(&size, &at, nullptr, nullptr, nullptr, nullptr, nullptr, true);
        times.push_back(timer.nsecsElapsed() / 1e6);
        std::free(data);
        off += !(at <= target + 1e-3 && target - at < stream.frameDuration());
    }
    std::printf("seek to first frame (%s): median %.1f ms, worst %.1f ms over %zu exact seeks; "
                "%d not at the target\n",
                description, median(times), *std::max_element(times.begin(), times.end()), times.size(), off);
}

void benchAudio(const QString& track, double scale, double pitch)
{
    const QByteArray path = track.toUtf8();
    LoadResult state;
    AVAudioStream stream(path.constData(), 44100, 2);
    stream.setTimeScale(scale);
    stream.setPitch(pitch);
    if (!load(stream, true, state))
        return;
    QElapsedTimer timer;
    timer.start();
    stream.awaken();
    stream.seek(0.0, nullptr, nullptr, true);
    int64_t bytes = 0;
    drain(stream, &bytes);
    const double seconds = timer.nsecsElapsed() / 1e9;
    const double media = stream.duration();
    std::printf("sound (time scale %.2f, pitch %.2f): %.1f s of media in %.3f s = %.0f x real time "
                "(%.1f s of output)\n",
                scale, pitch, media, seconds, media / seconds, bytes / 4.0 / 44100.0);
}

struct SegmentStatus {
    std::atomic<bool> reported{false};
    static int callback(AVSegment*, intptr_t, void* context)
    {
        static_cast<SegmentStatus*>(context)->reported = true;
        return 0;
    }
};

void benchAudioSegment(const QString& track, double speed)
{
    constexpr int kRate = 44100;
    constexpr double kOutputSeconds = 5.0;
    const QByteArray path = track.toUtf8();
    SegmentStatus status;
    AVAudioSegment segment(0.0, 0.0, kOutputSeconds / speed, path.constData(), kRate, 2);
    segment.setDuration(kOutputSeconds);
    segment.setCallback(&SegmentStatus::callback, &status);
    segment.wake();
    for (int waited = 0; !(status.reported && segment.isReady()) && waited < 30000; waited += 5)
        avThreadSleep(0.005);
    if (!segment.isReady() || segment.status() != 0) {
        std::fprintf(stderr, "media_stream_bench: the sound segment did not load\n");
        return;
    }
    std::vector<uint8_t> scratch(49152);
    const int64_t end = int64_t(kOutputSeconds * kRate);
    int64_t delivered = 0;
    QElapsedTimer timer;
    timer.start();
    for (int64_t mixStart = 0; mixStart < end && timer.elapsed() < kStallLimitMs;) {
        const int64_t mixEnd = std::min<int64_t>(mixStart + kRate / 2, end);
        int64_t filled = mixEnd;
        for (uint8_t done = 0; !done && timer.elapsed() < kStallLimitMs;) {
            segment.prepareAt(double(mixStart) / kRate, true, true);
            double position = 0.0;
            const int32_t bytes = segment.readSamples(scratch.data(), int32_t(scratch.size()), &position, mixStart,
                                                      mixEnd, &done);
            delivered += bytes / 4;
            if (bytes > 0)
                filled = int64_t(position) + bytes / 4;
        }
        mixStart = filled;
    }
    const double seconds = timer.nsecsElapsed() / 1e9;
    std::printf("sound segment (speed %.1f): %.2f s of output in %.3f s = %.0f x real time\n", speed,
                double(delivered) / kRate, seconds, kOutputSeconds / seconds);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::temp().filePath("vidorna-bench");
    QDir().mkpath(folder);
    const QString video = QDir(folder).filePath("bench_1080p_10s.mp4");
    const QString transport = QDir(folder).filePath("bench_1080p_10s_gop1s.ts");
    const QString audio = QDir(folder).filePath("bench_aac_60s.m4a");
    if (!makeClips(video, transport, audio)) {
        std::fprintf(stderr, "media_stream_bench: cannot make the clips with ffmpeg in %s\n", qPrintable(folder));
        return 1;
    }
    // Alternating rounds, the command line first so that both read the file
    // from the page cache; the median of each side, as the machine's load
    // varies from run to run.
    std::vector<double> references;
    std::vector<double> ours;
    for (int round = 0; round < kDecodeRounds; ++round) {
        double reference = 0.0;
        if (!runFfmpeg({"-threads", "auto", "-i", video, "-f", "null", "-"}, &reference)) {
            std::fprintf(stderr, "media_stream_bench: ffmpeg failed to decode %s\n", qPrintable(video));
            return 1;
        }
        references.push_back(reference);
        ours.push_back(benchVideo(video));
        if (ours.back() < 0.0)
            return 1;
    }
    std::printf("ffmpeg -threads auto -i clip -f null -: %.3f s (median of %d)\n", median(references),
                kDecodeRounds);
    std::printf("ratio AVVideoStream / ffmpeg: %.2f (medians; target below 1.00)\n", median(ours) / median(references));
    benchSeeks(video, "MP4, key frame every 2 s");
    benchSeeks(transport, "MPEG-TS, key frame every second, target worst under 150 ms");
    benchAudio(audio, 1.0, 1.0);
    benchAudio(audio, 2.0, 1.0);
    benchAudio(audio, 1.0, 1.5);
    benchAudioSegment(audio, 0.5);
    benchAudioSegment(audio, 0.1);
    return 0;
}
