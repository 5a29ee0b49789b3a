#include "SwitchButton.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPropertyAnimation>

namespace {

constexpr int kSlideMs = 200;
constexpr int kDarkerFactor = 200;

QPainterPath ellipse(const QRectF& bounds)
{
    QPainterPath path;
    path.addEllipse(bounds);
    return path;
}

QPainterPath rectangle(const QRectF& rect)
{
    QPainterPath path;
    path.addRect(rect.normalized());
    return path;
}

} // namespace

SwitchButton::SwitchButton(QWidget* parent)
    : QWidget(parent), _animation(new QPropertyAnimation(this, QByteArray(), this))
{
    // The animation only produces positions; the switch applies them itself.
    connect(_animation, &QPropertyAnimation::valueChanged, this, &SwitchButton::OnValueChanged);
}

void SwitchButton::setValue(bool value)
{
    _value = value;
    _placeThumb();
    update();
}

void SwitchButton::setOnColor(const QColor& color)
{
    _onColor = color;
    update();
}

void SwitchButton::setOffColor(const QColor& color)
{
    _offColor = color;
    update();
}

void SwitchButton::setThumbColor(const QColor& color)
{
    _thumbColor = color;
    update();
}

void SwitchButton::setDisabledOnSideColor(const QColor& color)
{
    _disabledOnColor = color;
    update();
}

void SwitchButton::setDisabledOffSideColor(const QColor& color)
{
    _disabledOffColor = color;
    update();
}

void SwitchButton::setDisabledThumbColor(const QColor& color)
{
    _disabledThumbColor = color;
    update();
}

void SwitchButton::useEditorColors()
{
    setOnColor(QColor(54, 200, 255));
    setOffColor(QColor(25, 26, 28));
    setThumbColor(Qt::white);
    setDisabledOnSideColor(QColor(44, 105, 133));
    setDisabledOffSideColor(QColor(25, 26, 28));
    setDisabledThumbColor(QColor(128, 128, 128));
}

void SwitchButton::OnValueChanged(QVariant value)
{
    _thumbPosition = value.toInt();
    update();
}

void SwitchButton::_placeThumb()
{
    _thumbPosition = _value ? _extent() - _diameter() : 0;
}

QColor SwitchButton::_paintColor(const QColor& normal, const QColor& disabled) const
{
    if (isEnabled())
        return normal;
    return disabled.isValid() ? disabled : normal.darker(kDarkerFactor);
}

void SwitchButton::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    const qreal d = _diameter();
    const qreal thumb = _thumbPosition;
    const qreal end = _extent() - d;
    const bool horizontal = _isHorizontal();
    // Rectangles given along the slide axis, turned into widget coordinates.
    auto along = [horizontal, d](qreal start, qreal length) {
        return horizontal ? QRectF(start, 0, length, d) : QRectF(0, start, d, length);
    };

    // Shapes are united, not overlaid, so that overlaps make no seams.
    const QPainterPath onSide = ellipse(along(0, d)).united(rectangle(along(d / 2, thumb)))
                                    .united(ellipse(along(thumb, d)));
    painter.setBrush(_paintColor(_onColor, _disabledOnColor));
    painter.drawPath(onSide);

    const QPainterPath offSide = ellipse(along(end, d)).united(ellipse(along(thumb, d)))
                                     .united(rectangle(along(thumb + d / 2, _extent() - thumb - d)));
    painter.setBrush(_paintColor(_offColor, _disabledOffColor));
    painter.drawPath(offSide);

    painter.setBrush(_paintColor(_thumbColor, _disabledThumbColor));
    painter.drawEllipse(along(thumb, d));
    painter.end();
    QWidget::paintEvent(event);
}

void SwitchButton::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    _value = !_value;
    _animation->stop();
    const int travel = std::abs(width() - height());
    _animation->setStartValue(_value ? 0 : travel);
    _animation->setEndValue(_value ? travel : 0);
    _animation->setDuration(kSlideMs);
    _animation->start();
    emit valueChanged(_value);
}

void SwitchButton::resizeEvent(QResizeEvent* event)
{
    _placeThumb();
    QWidget::resizeEvent(event);
}
