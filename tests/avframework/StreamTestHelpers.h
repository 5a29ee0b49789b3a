#pragma once

// Shared by the stream and segment tests: open a stream on its load thread
// and wait, bounded, for what its threads and callbacks deliver.

#include "AVSegment.h"
#include "AVStreamBase.h"
#include "AVThread_QThread_Type.h"
#include "TestMedia.h"

#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <vector>

namespace StreamTest {

struct Load {
    std::atomic<bool> done{false};
    std::atomic<int32_t> result{0};

    static void callback(AVStreamBase*, int32_t result, void* context)
    {
        auto* load = static_cast<Load*>(context);
        load->result = result;
        load->done = true;
    }
};

// Counts the calls of a segment callback and keeps the last argument.
struct SegmentCalls {
    std::atomic<int> count{0};
    std::atomic<intptr_t> argument{-1};

    static int callback(AVSegment*, intptr_t argument, void* context)
    {
        auto* calls = static_cast<SegmentCalls*>(context);
        calls->argument = argument;
        ++calls->count;
        return 0;
    }
};

// Polls condition every 5 ms for at most seconds.
inline bool waitUntil(const std::function<bool()>& condition, double seconds = 10.0)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > qint64(seconds * 1000))
            return false;
        avThreadSleep(0.005);
    }
    return true;
}

// Counts seek reports and keeps the last one's time and data pointer.
struct SeekReports {
    std::atomic<int> count{0};
    std::atomic<double> time{-1.0};
    std::atomic<bool> hadData{false};

    static void callback(AVContent*, const uint8_t* data, int32_t, double time, void* context)
    {
        auto* reports = static_cast<SeekReports*>(context);
        reports->time = time;
        reports->hadData = data != nullptr;
        ++reports->count;
    }
};

// A popped frame: its facts as the queue holds them, and a copy of its bytes.
struct Frame : AVStreamFrame {
    std::vector<uint8_t> bytes;
};

// The next frame of the stream, waiting for it; false when none came.
inline bool popFrame(AVStreamBase& stream, Frame& frame)
{
    uint8_t* data = stream.popFrame(&frame.size, &frame.time, &frame.format, &frame.stride, &frame.height,
                                    &frame.width, &frame.colour, true);
    if (!data)
        return false;
    frame.bytes.assign(data, data + frame.size);
    std::free(data);
    return true;
}

// Seconds at which a beep starts in samples of one channel at rate: a
// sample above 4000 after 10 ms below it.
inline std::vector<double> onsets(const std::vector<int16_t>& samples, int rate)
{
    constexpr int kLevel = 4000;
    const size_t quiet = size_t(rate / 100);
    std::vector<double> found;
    size_t lastLoud = 0;
    bool any = false;
    for (size_t i = 0; i < samples.size(); ++i) {
        if (std::abs(samples[i]) < kLevel)
            continue;
        if (!any || i - lastLoud > quiet)
            found.push_back(double(i) / rate);
        lastLoud = i;
        any = true;
    }
    return found;
}

// The frame of a fixture at a time ("1.0") as ffmpeg decodes it, BGRA rows
// top first; false when the ffmpeg command line cannot be started.
inline bool ffmpegFrame(const char* name, const char* at, QByteArray* bgra)
{
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", {"-hide_banner", "-loglevel", "error", "-ss", at, "-i", TestMedia::path(name),
                            "-frames:v", "1", "-pix_fmt", "bgra", "-f", "rawvideo", "-"});
    if (!ffmpeg.waitForStarted(5000))
        return false;
    ffmpeg.waitForFinished(30000);
    *bgra = ffmpeg.readAllStandardOutput();
    return true;
}

inline QByteArray fixture(const char* name)
{
    return TestMedia::path(name).toUtf8();
}

// Peak signal to noise ratio in dB of the colour channels of two BGRA
// pictures of bytes each (alpha left out).
inline double colourPsnr(const uint8_t* a, const uint8_t* b, size_t bytes)
{
    double squaredError = 0;
    for (size_t i = 0; i + 3 < bytes; i += 4) {
        for (size_t c = i; c < i + 3; ++c) {
            const double difference = double(a[c]) - double(b[c]);
            squaredError += difference * difference;
        }
    }
    const double samples = double(bytes / 4 * 3);
    return 10.0 * std::log10(255.0 * 255.0 * samples / std::max(squaredError, 1.0));
}

} // namespace StreamTest
