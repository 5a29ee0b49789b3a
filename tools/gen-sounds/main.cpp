// gen-sounds: synthesises the sounds of a sound list with the ffmpeg command
// line and encodes them as MP3 into a folder, under their resource paths.
//
//   gen-sounds FFMPEG LIST OUT_DIR
//
// Each line of the list: resource path | seconds | recipe and its numbers
// (see SoundRecipes.h), and where the library shows the sound under another
// name than its file's, "| title". The title goes into the file's title tag.
// Several ffmpeg processes run at once, one per core.
#include "ListFileReader.h"
#include "SoundRecipes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <QTimer>

#include <cstdio>

namespace {

// Every sound is one mono MP3 at one bit rate: the whole set stays small.
const char* const kBitRate = "64k";
constexpr int kSampleRate = 44100;
// A minute of sound takes a second or two; a stuck process is stopped.
constexpr int kFfmpegTimeoutMs = 120000;

struct Sound {
    QString resourcePath;
    double seconds;
    SoundRecipe recipe;
    QString title;
};

bool fail(const QString& message)
{
    std::fprintf(stderr, "gen-sounds: %s\n", qPrintable(message));
    return false;
}

bool parseLine(const QString& line, const QString& where, Sound* sound)
{
    const QStringList fields = line.split('|');
    if (fields.size() != 3 && fields.size() != 4)
        return fail(where + ": expected \"path | seconds | recipe\" and at most a title after it");
    bool ok = false;
    sound->resourcePath = fields[0].trimmed();
    sound->title = fields.size() == 4 ? fields[3].trimmed() : QFileInfo(sound->resourcePath).completeBaseName();
    if (sound->title.isEmpty())
        return fail(where + ": the title must not be empty");
    sound->seconds = fields[1].trimmed().toDouble(&ok);
    if (!ok || sound->seconds <= 0)
        return fail(where + ": the length must be a positive number of seconds");
    if (sound->resourcePath.contains("..") || sound->resourcePath.startsWith('/'))
        return fail(where + ": the resource path must stay inside the output folder");
    QString error;
    return makeSoundRecipe(fields[2].simplified().split(' '), sound->seconds, &sound->recipe, &error)
        || fail(where + ": " + error);
}

bool readSoundList(const QString& path, QList<Sound>& sounds)
{
    QString error;
    const auto take = [&sounds](const QString& line, const QString& where) {
        Sound sound;
        if (!parseLine(line, where, &sound))
            return false;
        sounds.append(sound);
        return true;
    };
    return readListFile(path, take, &error) || (!error.isEmpty() && fail(error));
}

QStringList ffmpegArguments(const Sound& sound, const QString& target)
{
    const QString source = QString("aevalsrc=exprs='%1':s=%2:d=%3")
                               .arg(sound.recipe.expression).arg(kSampleRate).arg(sound.seconds);
    // Bit-exact output whose one tag is the title, so every build makes the
    // same files and a sound placed in a project is named as the library names it.
    return {"-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i", source, "-af", sound.recipe.filters,
            "-c:a", "libmp3lame", "-b:a", kBitRate, "-ac", "1", "-map_metadata", "-1",
            "-metadata", "title=" + sound.title, "-fflags", "+bitexact", "-flags:a", "+bitexact", target};
}

// Runs the ffmpeg processes, at most `parallel` at a time. After the first
// failure no further process starts and run() returns false.
class SoundMaker : public QObject {
public:
    SoundMaker(const QString& ffmpeg, const QList<Sound>& sounds, const QDir& out, int parallel)
        : ffmpeg(ffmpeg), pending(sounds), out(out), parallel(parallel)
    {
    }

    bool run()
    {
        _startMore();
        while (running > 0)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        return !failed;
    }

private:
    void _startMore()
    {
        while (!failed && running < parallel && !pending.isEmpty())
            _start(pending.takeFirst());
    }

    void _start(const Sound& sound)
    {
        const QString target = out.filePath(sound.resourcePath);
        QDir().mkpath(QFileInfo(target).absolutePath());
        auto* process = new QProcess(this);
        process->setProcessChannelMode(QProcess::ForwardedChannels);
        auto* timer = new QTimer(process);
        timer->setSingleShot(true);
        connect(timer, &QTimer::timeout, process, [process, target] {
            fail("ffmpeg did not finish making " + target);
            process->kill();
        });
        connect(process, &QProcess::errorOccurred, this, [this, process, target](QProcess::ProcessError error) {
            if (error == QProcess::FailedToStart)
                _finish(process, fail("cannot run ffmpeg: " + process->errorString()));
        });
        connect(process, qOverload<int, QProcess::ExitStatus>(&QProcess::finished), this,
                [this, process, target](int code, QProcess::ExitStatus status) {
                    _finish(process, (status == QProcess::NormalExit && code == 0)
                                         || fail("ffmpeg failed to make " + target));
                });
        ++running;
        process->start(ffmpeg, ffmpegArguments(sound, target));
        timer->start(kFfmpegTimeoutMs);
    }

    void _finish(QProcess* process, bool succeeded)
    {
        --running;
        failed = failed || !succeeded;
        process->deleteLater();
        _startMore();
    }

    QString ffmpeg;
    QList<Sound> pending;
    QDir out;
    int parallel;
    int running = 0;
    bool failed = false;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        std::fprintf(stderr, "usage: gen-sounds FFMPEG LIST OUT_DIR\n");
        return 2;
    }
    QList<Sound> sounds;
    if (!readSoundList(args[2], sounds))
        return 1;
    SoundMaker maker(args[1], sounds, QDir(args[3]), qMax(1, QThread::idealThreadCount()));
    return maker.run() ? 0 : 1;
}
