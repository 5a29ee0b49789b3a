// The timeline copy of a 24-megapixel JPEG: how long an image segment's
// loading takes and how much the process's peak memory grows meanwhile.
// The decoder scales while it reads, so the full picture should never be
// held in memory (it alone would be 96 MB as 32-bit pixels).

#include "ImageSegment.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 10;

// A "VmRSS"/"VmHWM" figure of /proc/self/status in kB, or -1.
long statusKilobytes(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(int(qstrlen(field)) + 1).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

bool makePhoto(const QString& path)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {QStringLiteral("-hide_banner"), QStringLiteral("-loglevel"), QStringLiteral("error"),
                  QStringLiteral("-y"), QStringLiteral("-f"), QStringLiteral("lavfi"), QStringLiteral("-i"),
                  QStringLiteral("testsrc2=s=6000x4000"), QStringLiteral("-frames:v"), QStringLiteral("1"),
                  QStringLiteral("-q:v"), QStringLiteral("3"), path});
    return ffmpeg.waitForFinished(120000) && ffmpeg.exitCode() == 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QTemporaryDir folder;
    const QString photo = folder.filePath(QStringLiteral("photo_6000x4000.jpg"));
    if (!makePhoto(photo)) {
        std::fprintf(stderr, "could not make the 24-megapixel JPEG with ffmpeg\n");
        return 1;
    }
    Segment::setTrackHeight(44);
    const long residentBefore = statusKilobytes("VmRSS:");
    std::vector<double> times;
    QSize thumbnail;
    for (int run = 0; run < kRuns; ++run) {
        ImageSegment segment(photo, 0.0f, 5.0f, nullptr);
        QElapsedTimer timer;
        timer.start();
        segment.loadImage();
        times.push_back(timer.nsecsElapsed() / 1e6);
        thumbnail = segment.thumbnail().size();
    }
    const long peakGrowth = statusKilobytes("VmHWM:") - residentBefore;
    std::sort(times.begin(), times.end());
    std::printf("thumbnail of a 6000x4000 JPEG at row height 44: %dx%d\n", thumbnail.width(), thumbnail.height());
    std::printf("decode: median %.1f ms, best %.1f ms, worst %.1f ms over %d runs (target under 150 ms)\n",
                times[times.size() / 2], times.front(), times.back(), kRuns);
    std::printf("peak memory growth: %.1f MB (target under 20 MB)\n", peakGrowth / 1024.0);
    return 0;
}
