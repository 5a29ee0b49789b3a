#include "ColorButton.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>

namespace {

constexpr qreal kCornerRadius = 5.0;

// Below this on every channel a swatch would vanish on the dark panels.
constexpr int kNearlyBlack = 2;

QString swatchStyleSheet(const QColor& color)
{
    // Without "border:none" the widget style paints the transparent button
    // black, hiding the checkerboard drawn beneath it.
    if (color.alpha() == 0)
        return "QPushButton { background-color:transparent; border:none; }";
    const bool nearlyBlack = color.red() < kNearlyBlack && color.green() < kNearlyBlack
                             && color.blue() < kNearlyBlack;
    const QColor pressed = color.darker(200);
    const QColor disabled = color.darker(300);
    return QString("QPushButton { background-color:rgb(%1,%2,%3); border-radius:5px;"
                   " border:%4px solid rgb(31,32,35); }"
                   "QPushButton:pressed { background-color:rgb(%5,%6,%7); }"
                   "QPushButton:disabled { background-color:rgb(%8,%9,%10); }")
        .arg(color.red()).arg(color.green()).arg(color.blue())
        .arg(nearlyBlack ? 1 : 0)
        .arg(pressed.red()).arg(pressed.green()).arg(pressed.blue())
        .arg(disabled.red()).arg(disabled.green()).arg(disabled.blue());
}

} // namespace

ColorButton::ColorButton(QWidget* parent)
    : QPushButton(parent), _transparencyBrush(QPixmap(":/images/drawing/hollow_back"))
{
    _transparencyBrush.setTransform(QTransform::fromScale(0.5, 0.5));
}

void ColorButton::setColor(const QColor& color)
{
    _color = color;
    setStyleSheet(swatchStyleSheet(color));
    update();
}

void ColorButton::paintEvent(QPaintEvent* event)
{
    if (_color.alpha() == 0) {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath swatch;
        swatch.addRoundedRect(rect(), kCornerRadius, kCornerRadius);
        painter.setClipPath(swatch);
        painter.setPen(Qt::NoPen);
        painter.setBrush(_transparencyBrush);
        painter.drawRoundedRect(rect(), kCornerRadius, kCornerRadius);
    }
    {
        // The style sheet's background reaches subclasses only through this primitive.
        QStyleOption option;
        option.initFrom(this);
        QPainter painter(this);
        style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    }
    QPushButton::paintEvent(event);
}
