#include "AnimatedGif.h"

#include <QBuffer>
#include <QProcess>

namespace {

constexpr int kFfmpegTimeoutMs = 60000;

} // namespace

bool writeAnimatedGif(const QList<QImage>& frames, int framesPerSecond, const QString& path,
                      QString* error)
{
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    ffmpeg.start("ffmpeg", {"-hide_banner", "-loglevel", "error", "-nostdin", "-y",
                            "-f", "image2pipe", "-framerate", QString::number(framesPerSecond),
                            "-c:v", "png", "-i", "pipe:0",
                            "-filter_complex",
                            "split[a][b];[a]palettegen=reserve_transparent=1[p];[b][p]paletteuse",
                            "-loop", "0", path});
    if (!ffmpeg.waitForStarted(kFfmpegTimeoutMs)) {
        *error = "ffmpeg did not start: " + ffmpeg.errorString();
        return false;
    }
    for (const QImage& frame : frames) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        frame.save(&buffer, "PNG");
        ffmpeg.write(png);
    }
    ffmpeg.closeWriteChannel();
    if (!ffmpeg.waitForFinished(kFfmpegTimeoutMs)) {
        ffmpeg.kill();
        ffmpeg.waitForFinished(kFfmpegTimeoutMs);
        *error = "ffmpeg did not finish in time";
        return false;
    }
    if (ffmpeg.exitStatus() != QProcess::NormalExit || ffmpeg.exitCode() != 0) {
        *error = QString("ffmpeg failed with code %1").arg(ffmpeg.exitCode());
        return false;
    }
    return true;
}
