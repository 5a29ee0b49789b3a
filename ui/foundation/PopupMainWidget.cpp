#include "PopupMainWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

constexpr int kArrowDepth = 16;
constexpr int kArrowHalfWidth = 12;
constexpr qreal kBodyRadius = 10;

} // namespace

PopupMainWidget::PopupMainWidget(QWidget* parent) : QWidget(parent)
{
}

void PopupMainWidget::setArrowPoint(const QPoint& point)
{
    _arrowPoint = point;
    update();
}

QPainterPath PopupMainWidget::outline() const
{
    QPainterPath path;
    QRect body = rect();
    if (_arrowPoint.isNull()) {
        if (_cornerRadius > 0)
            path.addRoundedRect(body, _cornerRadius, _cornerRadius);
        else
            path.addRect(body);
        return path;
    }
    const int ax = _arrowPoint.x();
    const int ay = _arrowPoint.y();
    QPolygonF arrow;
    switch (_arrowSide) {
    case PopupArrowTop:
        body.setTop(body.top() + kArrowDepth);
        arrow << QPointF(ax, 0) << QPointF(ax - kArrowHalfWidth, body.top() + 1)
              << QPointF(ax + kArrowHalfWidth, body.top() + 1);
        break;
    case PopupArrowLeft:
        body.setLeft(body.left() + kArrowDepth);
        arrow << QPointF(0, ay) << QPointF(body.left() + 1, ay - kArrowHalfWidth)
              << QPointF(body.left() + 1, ay + kArrowHalfWidth);
        break;
    case PopupArrowRight:
        body.setRight(body.right() - kArrowDepth);
        arrow << QPointF(width(), ay) << QPointF(body.right(), ay - kArrowHalfWidth)
              << QPointF(body.right(), ay + kArrowHalfWidth);
        break;
    case PopupArrowBottom:
        body.setBottom(body.bottom() - kArrowDepth);
        arrow << QPointF(ax, height()) << QPointF(ax - kArrowHalfWidth, body.bottom())
              << QPointF(ax + kArrowHalfWidth, body.bottom());
        break;
    default:
        return path;
    }
    QPainterPath rounded;
    rounded.addRoundedRect(body, kBodyRadius, kBodyRadius);
    QPainterPath tip;
    tip.addPolygon(arrow);
    tip.closeSubpath();
    return rounded.united(tip);
}

void PopupMainWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    if (_borderColor.isValid())
        painter.setPen(QPen(_borderColor, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(_fillColor.isValid() ? QBrush(_fillColor) : QBrush(Qt::NoBrush));
    painter.drawPath(outline());
}

void PopupMainWidget::mouseReleaseEvent(QMouseEvent* event)
{
    QWidget::mouseReleaseEvent(event);
    if (rect().contains(event->pos()))
        emit mainWidgetClicked();
}
