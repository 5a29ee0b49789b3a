#pragma once

#include <QProcess>

// The PulseAudio server that the test command starts with a null sink.
namespace SoundServer {

// False when no server answers: tests that play or record sound then skip.
inline bool pulseAudioRuns()
{
    QProcess pactl;
    pactl.start("pactl", {"info"});
    return pactl.waitForFinished(3000) && pactl.exitStatus() == QProcess::NormalExit && pactl.exitCode() == 0;
}

} // namespace SoundServer
