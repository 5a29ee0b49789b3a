#include "ItemDragPixmap.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr qreal kDragOpacity = 0.5;
constexpr qreal kDragCornerRadius = 2;
} // namespace

QPixmap itemDragPixmap(QAbstractItemView* view, const QModelIndexList& indexes)
{
    QWidget* viewport = view->viewport();
    QPixmap pixmap(viewport->visibleRegion().boundingRect().size());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setOpacity(kDragOpacity);
    for (const QModelIndex& index : indexes) {
        const QRect rect = view->visualRect(index);
        QPainterPath clip;
        clip.addRoundedRect(rect, kDragCornerRadius, kDragCornerRadius);
        painter.setClipPath(clip);
        painter.drawPixmap(rect, viewport->grab(rect));
    }
    return pixmap;
}
