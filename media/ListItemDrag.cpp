#include "ListItemDrag.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QDrag>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>

namespace {
constexpr qreal kDragOpacity = 0.5;
constexpr qreal kDragCornerRadius = 2;

QPixmap dragPixmap(QAbstractItemView* view, const QModelIndexList& indexes)
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
        painter.setClipPath(clip, Qt::ReplaceClip);
        painter.drawPixmap(rect, viewport->grab(rect));
    }
    return pixmap;
}
} // namespace

void ListItemDrag::exec(QAbstractItemView* view, const QModelIndexList& indexes, Qt::DropActions supportedActions)
{
    if (indexes.isEmpty())
        return;
    QMimeData* data = view->model()->mimeData(indexes);
    if (!data)
        return;
    auto* drag = new QDrag(view);
    drag->setMimeData(data);
    drag->setPixmap(dragPixmap(view, indexes));
    drag->setHotSpot(view->viewport()->mapFromGlobal(QCursor::pos()));
    drag->exec(supportedActions, Qt::CopyAction);
}
