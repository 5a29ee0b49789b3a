#include "LocalFilesListWidget.h"

#include <QDrag>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QUrl>

LocalFilesListWidget::LocalFilesListWidget(QWidget* parent)
    : QListWidget(parent)
{
}

QStringList LocalFilesListWidget::mimeTypes() const
{
    return {QStringLiteral("text/uri-list")};
}

QMimeData* LocalFilesListWidget::mimeData(const QList<QListWidgetItem*> items) const
{
    QString path;
    if (!items.isEmpty())
        emit const_cast<LocalFilesListWidget*>(this)->fetchFilePathForItem(items.first(), path);
    auto* data = new QMimeData;
    data->setUrls({QUrl::fromLocalFile(path)});
    return data;
}

QPixmap LocalFilesListWidget::_dragPixmap() const
{
    QPixmap pixmap(viewport()->visibleRegion().boundingRect().size());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setOpacity(0.5);
    for (const QModelIndex& index : selectedIndexes()) {
        const QRect rect = visualRect(index);
        QPainterPath clip;
        clip.addRoundedRect(rect, 2, 2);
        painter.setClipPath(clip, Qt::ReplaceClip);
        painter.drawPixmap(rect, viewport()->grab(rect));
    }
    return pixmap;
}

void LocalFilesListWidget::startDrag(Qt::DropActions supportedActions)
{
    const QModelIndexList indexes = selectedIndexes();
    if (indexes.isEmpty())
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(model()->mimeData(indexes));
    drag->setPixmap(_dragPixmap());
    drag->setHotSpot(viewport()->mapFromGlobal(QCursor::pos()));
    drag->exec(supportedActions, Qt::CopyAction);
}
