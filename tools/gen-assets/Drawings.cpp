#include "Drawings.h"

#include <QLinearGradient>
#include <QMap>
#include <QPainter>

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

const QMap<QString, Drawing>& drawings()
{
    static const QMap<QString, Drawing> table{
        {"checkerboard", drawCheckerboard},
        {"meter-gray", drawGrayMeter},
        {"meter-color", drawColorMeter},
    };
    return table;
}

} // namespace

QImage drawPicture(const QString& name, const QSize& size)
{
    const auto drawing = drawings().constFind(name);
    if (drawing == drawings().constEnd())
        return QImage();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    (*drawing)(painter, size);
    return image;
}
