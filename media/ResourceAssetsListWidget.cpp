#include "ResourceAssetsListWidget.h"

#include <QDrag>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>

namespace {

const char* const kItemMimeType = "media/resource-asset-item";
constexpr qreal kDragOpacity = 0.5;
constexpr qreal kDragCornerRadius = 2;

QByteArray numberBytes(float value)
{
    return QByteArray::number(double(value), 'g', 6);
}

} // namespace

ResourceAssetsListWidget::ResourceAssetsListWidget(QWidget* parent) : QListWidget(parent) {}

QStringList ResourceAssetsListWidget::mimeTypes() const
{
    return {kItemMimeType};
}

QMimeData* ResourceAssetsListWidget::mimeData(const QList<QListWidgetItem*> items) const
{
    if (items.isEmpty())
        return nullptr;
    int type = 0;
    QString resPath;
    float duration = 0.0f;
    float scale = 0.0f;
    // The page answers at once (direct connection): the list holds no records of its own.
    emit const_cast<ResourceAssetsListWidget*>(this)->fetchResPathForItem(items.first(), type, resPath, duration,
                                                                          scale);
    auto* data = new QMimeData;
    data->setData("media/resource-asset-length", numberBytes(duration));
    data->setData("media/resource-asset-type", QByteArray::number(type, 10));
    data->setData("media/resource-asset-path", resPath.toUtf8());
    data->setData("media/resource-asset-scale", numberBytes(scale));
    return data;
}

void ResourceAssetsListWidget::startDrag(Qt::DropActions supportedActions)
{
    const QModelIndexList indexes = selectedIndexes();
    QMimeData* data = model()->mimeData(indexes);
    if (!data)
        return;
    const QRect visible = viewport()->visibleRegion().boundingRect();
    QPixmap pixmap(visible.size());
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setOpacity(kDragOpacity);
    for (const QModelIndex& index : indexes) {
        const QRect rect = visualRect(index);
        QPainterPath clip;
        clip.addRoundedRect(rect, kDragCornerRadius, kDragCornerRadius);
        painter.setClipPath(clip);
        painter.drawPixmap(rect, viewport()->grab(rect));
    }
    painter.end();
    auto* drag = new QDrag(this);
    drag->setMimeData(data);
    drag->setPixmap(pixmap);
    drag->setHotSpot(viewport()->mapFromGlobal(QCursor::pos()));
    drag->exec(supportedActions, Qt::CopyAction);
}
