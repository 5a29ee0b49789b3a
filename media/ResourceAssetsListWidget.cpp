#include "ResourceAssetsListWidget.h"

#include "ListItemDrag.h"

#include <QMimeData>

namespace {

const char* const kItemMimeType = "media/resource-asset-item";

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
    ListItemDrag::exec(this, selectedIndexes(), supportedActions);
}
