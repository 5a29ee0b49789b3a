#include "MovieSizeGridButton.h"

#include <QPainter>

namespace {

constexpr int kInset = 10;
constexpr int kCaptionHeight = 20;
constexpr qreal kCornerRadius = 5.0;

} // namespace

MovieSizeGridButton::MovieSizeGridButton(const QString& caption, float ratio, QWidget* parent)
    : QPushButton(caption, parent), _ratio(ratio)
{
}

void MovieSizeGridButton::setSelected(bool selected)
{
    if (selected == _selected)
        return;
    _selected = selected;
    update();
}

QSize MovieSizeGridButton::sizeForWidth(int width)
{
    // Room below the frame for the caption.
    return QSize(width, width + 25);
}

QRectF MovieSizeGridButton::frameRect() const
{
    const QRectF inner = QRectF(rect()).adjusted(kInset, kInset, -kInset, -kInset);
    QRectF frame(inner.topLeft(), QSizeF(inner.width(), inner.width()));
    if (_ratio >= 1.0f) {
        const qreal height = frame.width() / _ratio;
        frame.translate(0, (frame.width() - height) * 0.5);
        frame.setHeight(height);
    } else {
        const qreal width = _ratio * frame.height();
        frame.translate((frame.height() - width) * 0.5, 0);
        frame.setWidth(width);
    }
    return frame;
}

void MovieSizeGridButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF bounds = rect();
    if (_selected) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(44, 46, 50));
        painter.drawRoundedRect(bounds, kCornerRadius, kCornerRadius);
    }
    const QColor lineColor = _selected ? QColor(54, 200, 255) : QColor(216, 216, 216);
    painter.setPen(QPen(lineColor, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(frameRect(), kCornerRadius, kCornerRadius);

    const QRectF inner = bounds.adjusted(kInset, kInset, -kInset, -kInset);
    painter.setFont(font());
    painter.drawText(QRectF(inner.left(), inner.bottom() - kCaptionHeight, inner.width(), kCaptionHeight),
                     Qt::AlignCenter, text());
}
