#pragma once
// The media project of the opening benchmarks: movies, pictures, texts and
// music on a track each, every media file a copy of its own as a user's
// project holds them; and the process figures they print.

#include "BenchLoadedProject.h"
#include "BenchSupport.h"
#include "Segment.h"

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QXmlStreamWriter>

#include <sys/resource.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

struct BenchMediaCounts {
    int movies;
    int pictures;
    int texts;
    int music;
    int total() const { return movies + pictures + texts + music; }
};
// The 30-segment project the opening benchmarks share.
constexpr BenchMediaCounts kBenchMediaSmall{10, 10, 5, 5};

inline void benchWriteMediaRecord(QXmlStreamWriter& writer, const QString& type, int track, float start,
                                  float duration, const QString& file)
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

inline bool benchWriteMediaRecords(QXmlStreamWriter& writer, const QString& media, const QString& dir,
                                   const BenchMediaCounts& counts)
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
            benchWriteMediaRecord(writer, type, track, float(index) * kind.duration, kind.duration, file);
        }
    }
    return true;
}

// The project in dir, its files copied from the media folder.
inline bool benchWriteMediaProject(const QString& media, const QString& dir, const BenchMediaCounts& counts)
{
    return benchWriteProject(
        dir, [&](QXmlStreamWriter& writer) { return benchWriteMediaRecords(writer, media, dir, counts); });
}

// The media the projects copy, made in the folder with ffmpeg unless there
// already: a 4 s 720p movie with sound, a 1080p picture and 8 s of music.
inline bool benchMakeProjectMedia(const QString& media)
{
    const QString marks = QStringLiteral("drawbox=x=0:y=0:w=iw/4:h=ih/4:color=red:t=fill");
    return benchMakeMedia(media + "/movie.mp4",
                          {"-f", "lavfi", "-i", "testsrc2=s=1280x720:r=30:d=4," + marks, "-f", "lavfi", "-i",
                           "sine=frequency=440:sample_rate=48000:duration=4", "-c:v", "libx264", "-preset",
                           "veryfast", "-pix_fmt", "yuv420p", "-c:a", "aac", "-shortest"})
        && benchMakeMedia(media + "/picture.png",
                          {"-f", "lavfi", "-i", "color=c=blue:s=1920x1080:d=1," + marks, "-frames:v", "1"})
        && benchMakeMedia(media + "/music.m4a",
                          {"-f", "lavfi", "-i", "sine=frequency=440:sample_rate=44100:duration=8", "-c:a", "aac"});
}

// The work folder of the arguments (the first one besides "OPTION N", else
// the benchmarks' shared one) with the project media made in it; N goes to
// *value when the option is given. Empty, said on stderr under the
// benchmark's name, when the media could not be made.
inline QString benchMediaFolder(int argc, char** argv, const char* option, int* value, const char* bench)
{
    std::vector<char*> positional{argv[0]};
    for (int index = 1; index < argc; ++index) {
        if (std::strcmp(argv[index], option) == 0 && index + 1 < argc)
            *value = std::atoi(argv[++index]);
        else
            positional.push_back(argv[index]);
    }
    const QString media = benchWorkFolder(int(positional.size()), positional.data());
    if (benchMakeProjectMedia(media))
        return media;
    std::fprintf(stderr, "%s: could not make the media with ffmpeg\n", bench);
    return QString();
}

// User and system CPU seconds of the process so far.
inline double benchCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    const auto seconds = [](const timeval& time) { return double(time.tv_sec) + double(time.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

// A "Name:   value" line of /proc/self/status as a number; -1 when absent.
inline long benchProcessStatus(const char* name)
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
