#include "RoundTabWidget.h"

#include <QPainter>
#include <QPainterPath>

namespace {

constexpr qreal kRadius = RoundTabWidget::cornerRadius();
constexpr qreal kDiameter = 2 * kRadius;

QRectF arcBox(qreal x, qreal y)
{
    return QRectF(x, y, kDiameter, kDiameter);
}

} // namespace

RoundTabWidget::RoundTabWidget(int position, const QColor& color, QWidget* parent)
    : QWidget(parent), _color(color), _position(position)
{
}

QPainterPath RoundTabWidget::_topJoinedOutline() const
{
    const qreal w = width();
    const qreal h = height();
    QPainterPath path(QPointF(0, 0));
    path.arcTo(arcBox(-kRadius, 0), 90, -90);
    path.arcTo(arcBox(kRadius, h - kDiameter), 180, 90);
    path.arcTo(arcBox(w - 3 * kRadius, h - kDiameter), 270, 90);
    path.arcTo(arcBox(w - kRadius, 0), 180, -90);
    path.closeSubpath();
    return path;
}

QPainterPath RoundTabWidget::_leftJoinedOutline() const
{
    const qreal w = width();
    const qreal h = height();
    QPainterPath path(QPointF(0, 0));
    path.arcTo(arcBox(0, -kRadius), 180, 90);
    path.arcTo(arcBox(w - kDiameter, kRadius), 90, -90);
    path.arcTo(arcBox(w - kDiameter, h - 3 * kRadius), 0, -90);
    path.arcTo(arcBox(0, h - kRadius), 90, 90);
    path.closeSubpath();
    return path;
}

void RoundTabWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(_color);
    painter.drawPath(_position == 1 ? _topJoinedOutline() : _leftJoinedOutline());
}
