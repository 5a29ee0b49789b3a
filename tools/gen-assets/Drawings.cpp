#include "Drawings.h"

#include "Stickers.h"

#include <QLinearGradient>
#include <QMap>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

using Drawing = std::function<void(QPainter&, const QSize&)>;

// The pattern shown behind transparent colours: light squares, 16 pixels each.
void drawCheckerboard(QPainter& painter, const QSize& size)
{
    constexpr int square = 16;
    painter.fillRect(QRect(QPoint(0, 0), size), QColor(255, 255, 255));
    for (int y = 0; y < size.height(); y += square) {
        for (int x = (y / square % 2) * square; x < size.width(); x += 2 * square)
            painter.fillRect(x, y, square, square, QColor(204, 204, 204));
    }
}

// A level meter: a row of rounded bars, filled by the brush.
void drawMeterBars(QPainter& painter, const QSize& size, const QBrush& brush)
{
    constexpr int bars = 30;
    const qreal pitch = qreal(size.width()) / bars;
    const qreal barWidth = pitch * 0.6;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(brush);
    for (int i = 0; i < bars; ++i) {
        const QRectF bar(i * pitch + (pitch - barWidth) / 2, 2, barWidth, size.height() - 4);
        painter.drawRoundedRect(bar, barWidth / 2, barWidth / 2);
    }
}

void drawGrayMeter(QPainter& painter, const QSize& size)
{
    drawMeterBars(painter, size, QColor(72, 74, 80));
}

// Green for quiet input, through yellow, to red where it clips.
void drawColorMeter(QPainter& painter, const QSize& size)
{
    QLinearGradient gradient(0, 0, size.width(), 0);
    gradient.setColorAt(0.0, QColor(60, 200, 90));
    gradient.setColorAt(0.65, QColor(240, 210, 60));
    gradient.setColorAt(1.0, QColor(235, 70, 60));
    drawMeterBars(painter, size, gradient);
}

// A sound without a cover picture: a note on a dark rounded square.
void drawAudioPlaceholder(QPainter& painter, const QSize& size)
{
    const qreal unit = size.width() / 192.0;
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(44, 46, 50));
    painter.drawRoundedRect(QRectF(QPointF(0, 0), size), 24 * unit, 24 * unit);
    painter.setBrush(QColor(162, 162, 162));
    painter.drawEllipse(QRectF(52 * unit, 112 * unit, 40 * unit, 30 * unit));
    painter.drawEllipse(QRectF(108 * unit, 100 * unit, 40 * unit, 30 * unit));
    QPainterPath beam;
    beam.addRect(QRectF(84 * unit, 52 * unit, 8 * unit, 76 * unit));
    beam.addRect(QRectF(140 * unit, 40 * unit, 8 * unit, 76 * unit));
    beam.addPolygon(QPolygonF({QPointF(84 * unit, 52 * unit), QPointF(148 * unit, 40 * unit),
                               QPointF(148 * unit, 56 * unit), QPointF(84 * unit, 68 * unit)}));
    painter.drawPath(beam.simplified());
}

const QMap<QString, Drawing>& drawings()
{
    static const QMap<QString, Drawing> table{
        {"checkerboard", drawCheckerboard},
        {"meter-gray", drawGrayMeter},
        {"meter-color", drawColorMeter},
        {"audio-placeholder", drawAudioPlaceholder},
    };
    return table;
}

} // namespace

QImage drawPicture(const QString& name, const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    const auto drawing = drawings().constFind(name);
    if (drawing != drawings().constEnd())
        (*drawing)(painter, size);
    else if (!drawSticker(name, painter, size))
        return QImage();
    return image;
}
