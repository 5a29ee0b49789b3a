#include "IconLineEdit.h"

#include <QPainter>

IconLineEdit::IconLineEdit(QWidget* parent) : QLineEdit(parent)
{
}

void IconLineEdit::setIcon(const QPixmap& icon)
{
    _icon = icon;
    _scaledIcon = QPixmap();
    update();
}

void IconLineEdit::setIconSize(const QSize& size)
{
    _iconSize = size;
    _scaledIcon = QPixmap();
    update();
}

void IconLineEdit::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    if (_icon.isNull())
        return;
    // Scaled to device pixels, so that the icon stays sharp on dense screens.
    const qreal ratio = devicePixelRatioF();
    const QSize devicePixels(qRound(_iconSize.width() * ratio), qRound(_iconSize.height() * ratio));
    if (_scaledIcon.isNull() || _scaledRatio != ratio) {
        _scaledIcon = _icon.scaled(devicePixels, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        _scaledRatio = ratio;
    }
    QPainter painter(this);
    painter.drawPixmap(QRect(_iconLeft, (height() - _iconSize.height()) / 2, _iconSize.width(),
                             _iconSize.height()),
                       _scaledIcon);
}
