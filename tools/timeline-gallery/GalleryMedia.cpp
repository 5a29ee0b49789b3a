#include "GalleryMedia.h"

#include "VideoThumbnails.h"

#include <QDataStream>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QtMath>

namespace GalleryMedia {

bool writeTone(const QString& path, float seconds)
{
    constexpr int rate = 44100;
    constexpr int channels = 2;
    const quint32 frames = quint32(seconds * rate);
    const quint32 dataBytes = frames * channels * 2;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + dataBytes);
    out.writeRawData("WAVEfmt ", 8);
    out << quint32(16) << quint16(1) << quint16(channels) << quint32(rate) << quint32(rate * channels * 2)
        << quint16(channels * 2) << quint16(16);
    out.writeRawData("data", 4);
    out << dataBytes;
    for (quint32 frame = 0; frame < frames; ++frame) {
        const double t = double(frame) / rate;
        const double envelope = 0.5 - 0.45 * std::cos(2 * M_PI * t / 1.5);
        const auto sample = qint16(envelope * 30000 * std::sin(2 * M_PI * 330 * t));
        out << sample << sample;
    }
    return out.status() == QDataStream::Ok;
}

bool writePicture(const QString& path)
{
    QImage picture(320, 180, QImage::Format_RGB32);
    picture.fill(QColor(40, 90, 160));
    QPainter painter(&picture);
    painter.setPen(QPen(QColor(250, 210, 60), 40));
    painter.drawLine(0, 180, 320, 0);
    painter.end();
    return picture.save(path, "PNG");
}

void paintThumbnails(VideoThumbnails* thumbnails)
{
    for (int index = 0; index < VideoThumbnails::kCount; ++index) {
        QImage frame(128, 72, QImage::Format_RGB32);
        frame.fill(QColor::fromHsv(index * 360 / VideoThumbnails::kCount, 140, 200));
        QPainter painter(&frame);
        painter.setPen(Qt::white);
        painter.setFont(QFont(QString(), 28));
        painter.drawText(frame.rect(), Qt::AlignCenter, QString::number(index));
        painter.end();
        thumbnails->setThumbnail(index, frame);
    }
}

} // namespace GalleryMedia
