// Opening a project of 30 segments (10 movies, 10 pictures, 5 texts, 5
// music files) in the editing window, from the call that opens it until the
// loader reports every segment loaded and each has finished loading; then
// once a project of 500 (170 movies, 170 pictures, 80 texts, 80 music),
// with the composition passes drawn until the preview is idle again, the
// CPU seconds, the resident memory and the threads. Each run uses a folder
// of its own, so no thumbnail is cached. A plain executable: run it under a
// display (xvfb-run) for the preview surface.
// Usage: project_opening_bench [WORKDIR] [--large N] (N segments in the large
// project's proportions instead of 500; 0 leaves it out).

#include "BenchLoadedProject.h"
#include "ProjectManager.h"
#include "Segment.h"

#include "AVEngine.h"
#include "AVRender.h"

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamWriter>

#include <sys/resource.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr int kRuns = 3;
constexpr int kLimitMs = 120000;
constexpr int kLargeLimitMs = 600000;

struct Counts {
    int movies;
    int pictures;
    int texts;
    int music;
    int total() const { return movies + pictures + texts + music; }
};
constexpr Counts kSmall{10, 10, 5, 5};
constexpr Counts kLarge{170, 170, 80, 80};
const QString kName = QStringLiteral("Bench");

void writeRecord(QXmlStreamWriter& writer, const QString& type, int track, float start, float duration,
                 const QString& file)
{
    SegmentAttributes record;
    Segment::setStringAttribute(&record, QStringLiteral("Type"), type);
    Segment::setIntAttribute(&record, QStringLiteral("TrackId"), track);
    Segment::setFloatAttribute(&record, QStringLiteral("RangeStart"), start);
    Segment::setFloatAttribute(&record, QStringLiteral("RangeDuration"), duration);
    if (type == QLatin1String("TEXT")) {
        Segment::setStringAttribute(&record, QStringLiteral("Text"), QStringLiteral("Caption"));
    } else {
        Segment::setStringAttribute(&record, QStringLiteral("File"), file);
    }
    if (type == QLatin1String("MOVIE") || type == QLatin1String("MUSIC")) {
        Segment::setFloatAttribute(&record, QStringLiteral("TrimStart"), 0.0f);
        Segment::setFloatAttribute(&record, QStringLiteral("TrimDuration"), duration);
    }
    if (type == QLatin1String("MUSIC"))
        Segment::setStringAttribute(&record, QStringLiteral("Title"), QStringLiteral("Tone"));
    Segment::saveToXml(record, writer);
}

// Every media file is a copy of its own, as a user's project holds them.
bool writeRecords(QXmlStreamWriter& writer, const QString& media, const QString& dir, const Counts& counts)
{
    const struct {
        const char* type;
        int count;
        const char* source;
        float duration;
    } kinds[] = {{"MOVIE", counts.movies, "movie.mp4", 4.0f},
                 {"IMAGE", counts.pictures, "picture.png", 4.0f},
                 {"TEXT", counts.texts, "", 8.0f},
                 {"MUSIC", counts.music, "music.m4a", 8.0f}};
    int track = 0;
    for (const auto& kind : kinds) {
        ++track;
        const QString type = QString::fromLatin1(kind.type);
        const QString source = QString::fromLatin1(kind.source);
        for (int index = 0; index < kind.count; ++index) {
            QString file;
            if (!source.isEmpty()) {
                file = QStringLiteral("%1-%2").arg(index).arg(source);
                if (!QFile::copy(media + QLatin1Char('/') + source, dir + QLatin1Char('/') + file))
                    return false;
            }
            writeRecord(writer, type, track, float(index) * kind.duration, kind.duration, file);
        }
    }
    return true;
}

bool writeProject(const QString& media, const QString& dir, const Counts& counts)
{
    return benchWriteProject(dir,
                             [&](QXmlStreamWriter& writer) { return writeRecords(writer, media, dir, counts); });
}

double cpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& time) { return double(time.tv_sec) + double(time.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// A "Name:   value" line of /proc/self/status as a number; -1 when absent.
long processStatus(const char* name)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray prefix = QByteArray(name) + ':';
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(prefix))
            return std::strtol(line.constData() + prefix.size(), nullptr, 10);
    }
    return -1;
}

struct Opening {
    double seconds = -1.0;   // to every segment loaded
    double cpu = 0.0;        // CPU seconds of the process meanwhile
    int64_t passes = 0;      // video passes from the open until the preview is idle after it
    long residentKb = 0;     // at every segment loaded
    long peakResidentKb = 0;
    long threads = 0;
};

// From the call that opens the project until everything loaded; seconds
// stay -1 on failure.
Opening openOnce(const QString& media, const Counts& counts, int limitMs)
{
    Opening opening;
    QTemporaryDir product;
    if (!writeProject(media, benchMakeProjectFolder(product, kName), counts))
        return opening;
    BenchEditingWindow window(kName);
    const double cpuBefore = cpuSeconds();
    const qint64 ms = benchLoadProject(window, counts.total(), limitMs);
    if (ms >= 0) {
        opening.seconds = ms / 1000.0;
        opening.cpu = cpuSeconds() - cpuBefore;
        opening.residentKb = processStatus("VmRSS");
        opening.peakResidentKb = processStatus("VmHWM");
        opening.threads = processStatus("Threads");
        // The pass that follows the last load is part of the opening.
        AVEngine* engine = window.engine();
        benchProcessEventsUntil([engine] { return engine->isRenderIdle(); }, 30000);
        opening.passes = engine->renderer() ? engine->renderer()->videoPasses() : -1;
    }
    window._finishClosing();
    ProjectManager::setWorkingFolder(QString());
    return opening;
}

// The large project's counts for about total segments, in its proportions.
Counts largeCounts(int total)
{
    const double share = double(total) / kLarge.total();
    const auto part = [share](int count) { return int(std::lround(count * share)); };
    return {part(kLarge.movies), part(kLarge.pictures), part(kLarge.texts), part(kLarge.music)};
}

} // namespace

int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    int large = kLarge.total();
    std::vector<char*> positional{argv[0]};
    for (int index = 1; index < argc; ++index) {
        if (std::strcmp(argv[index], "--large") == 0 && index + 1 < argc)
            large = std::atoi(argv[++index]);
        else
            positional.push_back(argv[index]);
    }
    const QString media = benchWorkFolder(int(positional.size()), positional.data());
    const QString marks = QStringLiteral("drawbox=x=0:y=0:w=iw/4:h=ih/4:color=red:t=fill");
    const bool made =
        benchMakeMedia(media + "/movie.mp4",
                       {"-f", "lavfi", "-i", "testsrc2=s=1280x720:r=30:d=4," + marks, "-f", "lavfi", "-i",
                        "sine=frequency=440:sample_rate=48000:duration=4", "-c:v", "libx264", "-preset", "veryfast",
                        "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest"})
        && benchMakeMedia(media + "/picture.png", {"-f", "lavfi", "-i", "color=c=blue:s=1920x1080:d=1," + marks,
                                                   "-frames:v", "1"})
        && benchMakeMedia(media + "/music.m4a", {"-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=8",
                                                 "-c:a", "aac"});
    if (!made) {
        std::fprintf(stderr, "project_opening_bench: could not make the media with ffmpeg\n");
        return 1;
    }
    for (int run = 1; run <= kRuns; ++run) {
        const double seconds = openOnce(media, kSmall, kLimitMs).seconds;
        if (seconds < 0) {
            std::fprintf(stderr, "project_opening_bench: run %d did not finish loading within %d s\n", run,
                         kLimitMs / 1000);
            return 1;
        }
        std::printf("open to all-ready, 30 segments with 10 movies, run %d: %.2f s\n", run, seconds);
    }
    if (large <= 0)
        return 0;
    const Counts counts = largeCounts(large);
    const Opening opening = openOnce(media, counts, kLargeLimitMs);
    if (opening.seconds < 0) {
        std::fprintf(stderr, "project_opening_bench: the %d-segment project did not finish loading within %d s\n",
                     counts.total(), kLargeLimitMs / 1000);
        return 1;
    }
    std::printf("open to all-ready, %d segments (%d movies, %d pictures, %d texts, %d music): %.2f s "
                "(target at most 25 s for 500)\n",
                counts.total(), counts.movies, counts.pictures, counts.texts, counts.music, opening.seconds);
    std::printf("  CPU seconds: %.1f; composition passes: %lld (target at most 100 for 500)\n", opening.cpu,
                static_cast<long long>(opening.passes));
    std::printf("  resident: %.0f MB (peak %.0f MB); threads: %ld\n", opening.residentKb / 1024.0,
                opening.peakResidentKb / 1024.0, opening.threads);
    return 0;
}
