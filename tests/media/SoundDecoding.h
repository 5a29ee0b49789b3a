#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>

// A sound file decoded by the ffmpeg command line into mono 16-bit samples at
// 44100 Hz, in a process of its own so that several decode at once. The log
// (ffmpeg's standard error) names the stream's codec, e.g. "Audio: mp3".
class SoundDecoding {
public:
    static constexpr int kSampleRate = 44100;

    explicit SoundDecoding(const QString& path);

    // Waits for the decoding; false when ffmpeg failed or did not finish.
    bool finish(QByteArray* samples, QByteArray* log);

    static double seconds(const QByteArray& samples);
    // The loudest sample.
    static int peak(const QByteArray& samples);
    // The input's title tag as the log lists it; empty without one.
    static QString title(const QByteArray& log);

private:
    QString output;
    QProcess process;
};
