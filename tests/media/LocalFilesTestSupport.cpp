#include "LocalFilesTestSupport.h"

#include <QProcess>

namespace LocalFilesTest {

bool runFfmpeg(const QStringList& arguments, const QString& output)
{
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    ffmpeg.start("ffmpeg", QStringList{"-hide_banner", "-loglevel", "error", "-nostdin", "-y"} + arguments
                               + QStringList{output});
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitStatus() == QProcess::NormalExit && ffmpeg.exitCode() == 0;
}

} // namespace LocalFilesTest
