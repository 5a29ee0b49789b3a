// Opening a project of 30 segments (10 movies, 10 pictures, 5 texts, 5
// music files) in the editing window, from the call that opens it until the
// loader reports every segment loaded and each has finished loading. Each
// run uses a folder of its own, so no thumbnail is cached. A plain
// executable: run it under a display (xvfb-run) for the preview surface.

#include "BenchLoadedProject.h"
#include "ProjectManager.h"
#include "Segment.h"

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamWriter>

#include <cstdio>

namespace {

constexpr int kRuns = 3;
constexpr int kMovies = 10;
constexpr int kPictures = 10;
constexpr int kTexts = 5;
constexpr int kMusic = 5;
constexpr int kLimitMs = 120000;
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
bool writeRecords(QXmlStreamWriter& writer, const QString& media, const QString& dir)
{
    const struct {
        const char* type;
        int count;
        const char* source;
        float duration;
    } kinds[] = {{"MOVIE", kMovies, "movie.mp4", 4.0f},
                 {"IMAGE", kPictures, "picture.png", 4.0f},
                 {"TEXT", kTexts, "", 8.0f},
                 {"MUSIC", kMusic, "music.m4a", 8.0f}};
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

bool writeProject(const QString& media, const QString& dir)
{
    return benchWriteProject(dir, [&](QXmlStreamWriter& writer) { return writeRecords(writer, media, dir); });
}

// Seconds from the call that opens the project until everything loaded; -1 on failure.
double openOnce(const QString& media)
{
    QTemporaryDir product;
    if (!writeProject(media, benchMakeProjectFolder(product, kName)))
        return -1.0;
    BenchEditingWindow window(kName);
    const qint64 ms = benchLoadProject(window, kMovies + kPictures + kTexts + kMusic, kLimitMs);
    window._finishClosing();
    ProjectManager::setWorkingFolder(QString());
    return ms < 0 ? -1.0 : ms / 1000.0;
}

} // namespace

int main(int argc, char** argv)
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication application(argc, argv);
    const QString media = benchWorkFolder(argc, argv);
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
        const double seconds = openOnce(media);
        if (seconds < 0) {
            std::fprintf(stderr, "project_opening_bench: run %d did not finish loading within %d s\n", run,
                         kLimitMs / 1000);
            return 1;
        }
        std::printf("open to all-ready, 30 segments with 10 movies, run %d: %.2f s\n", run, seconds);
    }
    return 0;
}
