#include "LocalFilesListWidget.h"

#include "ListItemDrag.h"

#include <QMimeData>
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

void LocalFilesListWidget::startDrag(Qt::DropActions supportedActions)
{
    ListItemDrag::exec(this, selectedIndexes(), supportedActions);
}
