#pragma once

#include <QProcess>
#include <QStringList>

// Media made for one test with the ffmpeg command line, for cases the shared
// fixtures do not cover. True when the file was written.
inline bool makeMedia(const QStringList& arguments)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 QStringList{"-hide_banner", "-loglevel", "error", "-nostdin", "-y"} + arguments);
    return ffmpeg.waitForFinished(60000) && ffmpeg.exitStatus() == QProcess::NormalExit && ffmpeg.exitCode() == 0;
}
