#include "CountdownPictures.h"

#include "CountdownProject.h"

#include <QFont>
#include <QPainter>
#include <QtMath>

namespace Countdown {

namespace {

constexpr int kTickCount = 12;

QColor faded(QRgb color, int alpha)
{
    QColor result = QColor::fromRgba(color);
    result.setAlpha(alpha);
    return result;
}

} // namespace

QImage drawLeaderDial(const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(size.width() / 2.0, size.height() / 2.0);
    // Everything is measured in the shorter side, so the dial stays round.
    const qreal unit = qMin(size.width(), size.height()) / 720.0;

    painter.setPen(QPen(faded(kTextColor, 70), 4 * unit));
    painter.drawLine(QPointF(-size.width() / 2.0, 0), QPointF(size.width() / 2.0, 0));
    painter.drawLine(QPointF(0, -size.height() / 2.0), QPointF(0, size.height() / 2.0));

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(faded(kTextColor, 150), 6 * unit));
    painter.drawEllipse(QPointF(0, 0), 240 * unit, 240 * unit);
    painter.setPen(QPen(QColor::fromRgba(kAccentColor), 12 * unit));
    painter.drawEllipse(QPointF(0, 0), 300 * unit, 300 * unit);

    painter.setPen(QPen(QColor::fromRgba(kAccentColor), 8 * unit, Qt::SolidLine, Qt::RoundCap));
    for (int tick = 0; tick < kTickCount; ++tick) {
        const qreal angle = tick * 2 * M_PI / kTickCount;
        const QPointF direction(qCos(angle), qSin(angle));
        painter.drawLine(direction * 316 * unit, direction * 344 * unit);
    }
    return image;
}

QImage drawCover(const QImage& dial, const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor::fromRgba(kBackgroundColor));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(image.rect(), dial);

    QFont font(kFontFamily);
    font.setStyleName(kFontStyle);
    // The text's size is kept for the project's canvas; scale it to the cover.
    font.setPixelSize(qRound(kFontSize * size.width() / kCanvas.width()));
    painter.setFont(font);
    painter.setPen(QColor::fromRgba(kTextColor));
    painter.drawText(image.rect(), Qt::AlignCenter, QString::number(kFirstNumber));
    return image;
}

} // namespace Countdown
