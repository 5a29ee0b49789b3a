// Time to make the timeline waveform of a 3-minute stereo file: the whole
// file decoded once into 2048 points. Target: under 1 s. The files are made
// with the ffmpeg command line in a temporary folder: 16-bit WAV, and AAC,
// whose decoding is the usual cost of music.
//
// Usage: waveform_bench [runs]   (median of the runs, default 5)

#include "PlotData.h"
#include "WaveformDecoder.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

bool makeFile(const QString& path, const QStringList& codec)
{
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg", QStringList{"-hide_banner", "-loglevel", "error", "-nostdin", "-y", "-f", "lavfi", "-i",
                                       "aevalsrc=0.5*sin(2*PI*440*t)|0.25*sin(2*PI*220*t):s=44100:d=180"}
                               + codec + QStringList{path});
    return ffmpeg.waitForFinished(120000) && ffmpeg.exitStatus() == QProcess::NormalExit && ffmpeg.exitCode() == 0;
}

// Median wall time in milliseconds, or -1 when a decode gave no waveform.
double medianDecodeMs(const QString& path, int runs)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        PlotData plot(2048);
        QElapsedTimer timer;
        timer.start();
        WaveformDecoder::decodePlotData(&plot, path);
        times.push_back(timer.nsecsElapsed() / 1e6);
        if (!plot.isReady())
            return -1;
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    QTemporaryDir folder;
    const QString wav = folder.filePath("music.wav");
    const QString aac = folder.filePath("music.m4a");
    if (!folder.isValid() || !makeFile(wav, {"-c:a", "pcm_s16le"}) || !makeFile(aac, {"-c:a", "aac", "-b:a", "128k"})) {
        std::fprintf(stderr, "waveform_bench: cannot make the 3-minute files with ffmpeg\n");
        return 1;
    }
    int failures = 0;
    for (const auto& [name, path] : {std::pair{"WAV s16", wav}, std::pair{"AAC 128k", aac}}) {
        const double ms = medianDecodeMs(path, runs);
        if (ms < 0) {
            std::fprintf(stderr, "waveform_bench: no waveform for the %s file\n", name);
            return 1;
        }
        failures += ms < 1000 ? 0 : 1;
        std::printf("waveform of a 3-minute stereo %s file, 2048 points: %.1f ms (median of %d, target under 1000 ms)\n",
                    name, ms, runs);
    }
    return failures == 0 ? 0 : 2;
}
