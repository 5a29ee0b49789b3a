#include "DemoSupport.h"

#include "AVThread_QThread_Type.h"

#include <QDataStream>
#include <QElapsedTimer>
#include <QSaveFile>

QString optionText(const QStringList& arguments, const QString& name, const QString& fallback)
{
    const int at = arguments.indexOf(name);
    return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : fallback;
}

QStringList optionValues(const QStringList& arguments, const QString& name)
{
    QStringList values;
    for (int i = 0; i + 1 < arguments.size(); ++i) {
        if (arguments.at(i) == name)
            values << arguments.at(i + 1);
    }
    return values;
}

bool waitFor(const std::function<bool()>& condition, double seconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > qint64(seconds * 1000))
            return false;
        avThreadSleep(0.005);
    }
    return true;
}

bool parseSize(const QString& text, int* width, int* height)
{
    const QStringList parts = text.split('x');
    bool wOk = false, hOk = false;
    if (parts.size() == 2) {
        *width = parts.at(0).toInt(&wOk);
        *height = parts.at(1).toInt(&hOk);
    }
    return wOk && hOk && *width > 0 && *height > 0 && *width <= 16384 && *height <= 16384;
}

namespace {

// The 44-byte header of a 16-bit PCM WAV file holding dataBytes.
QByteArray wavHeader(int rate, int channels, qint64 dataBytes)
{
    QByteArray header;
    QDataStream out(&header, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(channels) << quint32(rate) << quint32(rate * channels * 2)
        << quint16(channels * 2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(dataBytes);
    return header;
}

} // namespace

bool writeWavFile(const QString& path, int rate, int channels, const QByteArray& pcm)
{
    QSaveFile file(path);
    const QByteArray header = wavHeader(rate, channels, pcm.size());
    return file.open(QIODevice::WriteOnly) && file.write(header) == header.size() && file.write(pcm) == pcm.size()
        && file.commit();
}
