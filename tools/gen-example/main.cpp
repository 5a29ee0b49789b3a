// gen-example: writes the built-in example project "5-4-3-2-1-0" as a project
// of a product folder, PRODUCT_DIR/Projects/5-4-3-2-1-0.
//
//   gen-example FFMPEG PRODUCT_DIR
//
// FFMPEG is the ffmpeg command line that synthesises the project's beep.
#include "CountdownPictures.h"
#include "CountdownProject.h"
#include "ProjectManager.h"

#include <QDir>
#include <QGuiApplication>
#include <QProcess>

#include <cstdio>

namespace {

// Synthesising a fraction of a second of sound takes far less.
constexpr int kFfmpegTimeoutMs = 60000;

bool fail(const QString& message)
{
    std::fprintf(stderr, "gen-example: %s\n", qPrintable(message));
    return false;
}

bool savePicture(const QImage& image, const QString& path)
{
    return image.save(path) || fail("cannot write " + path);
}

// A short sine with soft edges (no click), in AAC as sound files usually come.
bool synthesiseBeep(const QString& ffmpeg, const QString& path)
{
    using Countdown::kBeepSeconds;
    constexpr float kEdgeSeconds = 0.02f;
    // The sine source plays at an eighth of full scale; a beep should be heard at -6 dB.
    constexpr int kGain = 4;
    const QString tone = QString("sine=frequency=%1:sample_rate=44100:duration=%2")
                             .arg(Countdown::kBeepFrequency).arg(kBeepSeconds);
    const QString shape = QString("volume=%1,afade=t=in:d=%2,afade=t=out:st=%3:d=%2")
                              .arg(kGain).arg(kEdgeSeconds).arg(kBeepSeconds - kEdgeSeconds);
    // Bit-exact output without tags, so every build makes the same file.
    const QStringList arguments{"-nostdin", "-v", "error", "-y", "-f", "lavfi", "-i", tone, "-af", shape,
                                "-c:a", "aac", "-b:a", "96k", "-map_metadata", "-1",
                                "-fflags", "+bitexact", "-flags:a", "+bitexact", path};
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(ffmpeg, arguments);
    if (!process.waitForFinished(kFfmpegTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return fail("ffmpeg did not finish making " + path + ": " + process.errorString());
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return fail("ffmpeg failed to make " + path);
    return true;
}

bool writeProject(const QString& ffmpeg, const QDir& out)
{
    using namespace Countdown;
    QString error;
    const QImage dial = drawLeaderDial(kCanvas);
    return savePicture(dial, out.filePath(kDrawingFile))
        && savePicture(drawCover(dial, kCoverSize), out.filePath(kCoverFile))
        && synthesiseBeep(ffmpeg, out.filePath(kBeepFile))
        && ((writeProjectFiles(&error) && writeMarker(out.filePath(kMarkerFile), &error))
            || fail(error));
}

} // namespace

int main(int argc, char** argv)
{
    // Drawing needs fonts and a painter, not a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: gen-example FFMPEG PRODUCT_DIR\n");
        return 2;
    }
    ProjectManager::setWorkingFolder(QDir(args[2]).absolutePath());
    const QString folder = ProjectManager::projectDirectory(Countdown::kProjectName, QString());
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        fail("cannot create the project folder in " + args[2]);
        return 1;
    }
    return writeProject(args[1], QDir(folder)) ? 0 : 1;
}
