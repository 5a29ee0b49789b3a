#include "GiphyGifsListWidget.h"

#include "ListItemDrag.h"

#include <QMimeData>

namespace {
QByteArray numberBytes(float value)
{
    return QByteArray::number(double(value), 'g', 6);
}
} // namespace

GiphyGifsListWidget::GiphyGifsListWidget(QWidget* parent) : QListWidget(parent) {}

QStringList GiphyGifsListWidget::mimeTypes() const
{
    return {"media/giphy-gif-item"};
}

QMimeData* GiphyGifsListWidget::mimeData(const QList<QListWidgetItem*> items) const
{
    if (items.isEmpty())
        return nullptr;
    QString id;
    QString path;
    QString url;
    float duration = 0.0f;
    float scale = 1.0f;
    emit const_cast<GiphyGifsListWidget*>(this)->fetchGifPathForItem(items.first(), id, path, url, duration,
                                                                     scale);
    auto* data = new QMimeData;
    data->setData("media/giphy-gif-id", id.toUtf8());
    data->setData("media/giphy-gif-length", numberBytes(duration));
    data->setData("media/giphy-gif-path", path.toUtf8());
    data->setData("media/giphy-gif-url", url.toUtf8());
    data->setData("media/giphy-gif-scale", numberBytes(scale));
    return data;
}

void GiphyGifsListWidget::startDrag(Qt::DropActions actions)
{
    ListItemDrag::exec(this, selectedIndexes(), actions);
}
