#pragma once

// What the recording tests share: a tone in the sound server, the temporary
// folder the recordings wait in, and a look at a recorded WAV file.
#include "AudioLevelMeterWidget.h"

#include <QAudioRecorder>
#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <QtEndian>

// Sets TMPDIR for one test and puts the old value back.
struct TemporaryFolder {
    explicit TemporaryFolder(const QString& path) : old(qgetenv("TMPDIR")) { qputenv("TMPDIR", path.toLocal8Bit()); }
    ~TemporaryFolder() { qputenv("TMPDIR", old); }
    QByteArray old;
};

// A 440 Hz tone at amplitude 0.5 played into the null sink, whose monitor
// is the default source.
struct PlayingTone {
    PlayingTone()
    {
        const QString tone = folder.filePath("tone.wav");
        made = QProcess::execute("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i",
                                            "aevalsrc=0.5*sin(2*PI*440*t):s=44100:d=15", tone}) == 0;
        player.start("paplay", {tone});
        made = made && player.waitForStarted(3000);
    }
    ~PlayingTone()
    {
        player.kill();
        player.waitForFinished(2000);
    }
    QTemporaryDir folder;
    QProcess player;
    bool made = false;
};

// GStreamer's PulseAudio source stalls when its recording is stopped just
// after it started: wait until the monitoring recording of the microphone
// popup has run for a second and moved the meter.
inline bool waitForMonitor(QWidget& popup)
{
    auto* meter = popup.findChild<AudioLevelMeterWidget*>("meterWidget");
    auto* recorder = popup.findChild<QAudioRecorder*>();
    return QTest::qWaitFor([=] { return meter->level() > 0 && recorder->duration() >= 1000; }, 8000);
}

// Whether the WAV file's RIFF size and the size of its data chunk, which
// follows its format chunk, both reach to the end of the file: so its
// writer leaves it once it has finished it.
inline bool wavIsWhole(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = file.readAll();
    const int dataAt = bytes.indexOf("data", 12);
    return bytes.startsWith("RIFF") && dataAt > 0 && dataAt + 8 <= bytes.size()
           && qFromLittleEndian<quint32>(bytes.constData() + 4) == quint32(bytes.size() - 8)
           && qFromLittleEndian<quint32>(bytes.constData() + dataAt + 4) == quint32(bytes.size() - dataAt - 8);
}
