#include "SoundDecoding.h"

#include <QFile>
#include <QRegularExpression>

#include <cstdlib>

namespace {

constexpr int kTimeoutMs = 60000;

} // namespace

// The samples go to a file: a full pipe would stall the process until it is read.
SoundDecoding::SoundDecoding(const QString& path) : output(path + ".raw")
{
    process.start(VIDORNA_FFMPEG, {"-nostdin", "-hide_banner", "-i", path, "-f", "s16le", "-ac", "1", "-ar",
                                   QString::number(kSampleRate), "-y", output});
}

bool SoundDecoding::finish(QByteArray* samples, QByteArray* log)
{
    if (!process.waitForFinished(kTimeoutMs)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    *log = process.readAllStandardError();
    QFile file(output);
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0 || !file.open(QIODevice::ReadOnly))
        return false;
    *samples = file.readAll();
    return true;
}

double SoundDecoding::seconds(const QByteArray& samples)
{
    return double(samples.size()) / 2 / kSampleRate;
}

int SoundDecoding::peak(const QByteArray& samples)
{
    const auto* values = reinterpret_cast<const qint16*>(samples.constData());
    int loudest = 0;
    for (int i = 0; i < samples.size() / 2; ++i)
        loudest = qMax(loudest, std::abs(int(values[i])));
    return loudest;
}

QString SoundDecoding::title(const QByteArray& log)
{
    // The input's metadata come first, one "    key             : value" a line.
    static const QRegularExpression line(QStringLiteral("^\\s+title\\s*: (.*)$"), QRegularExpression::MultilineOption);
    return line.match(QString::fromUtf8(log)).captured(1).trimmed();
}
