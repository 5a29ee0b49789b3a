#include "RotatableImageWidget.h"

#include <QPainter>

RotatableImageWidget::RotatableImageWidget(QWidget* parent) : QWidget(parent)
{
}

void RotatableImageWidget::setPixmap(const QPixmap& pixmap)
{
    _pixmap = pixmap;
    update();
}

void RotatableImageWidget::setDisabledPixmap(const QPixmap& pixmap)
{
    _disabledPixmap = pixmap;
    update();
}

void RotatableImageWidget::setAngle(float degrees)
{
    _angle = degrees;
    update();
}

void RotatableImageWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const int cx = width() / 2;
    const int cy = height() / 2;
    QTransform transform;
    transform.translate(cx, cy);
    transform.rotate(_angle, Qt::ZAxis);
    transform.translate(-cx, -cy);
    painter.setTransform(transform);
    const bool useDisabled = !isEnabled() && !_disabledPixmap.isNull();
    painter.drawPixmap(rect(), useDisabled ? _disabledPixmap : _pixmap);
}
