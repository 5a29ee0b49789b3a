#pragma once

#include <QListWidget>

// The list of a built-in assets page. It describes a dragged asset to the
// main window; the page answers which asset an item stands for.
class ResourceAssetsListWidget : public QListWidget {
    Q_OBJECT
public:
    explicit ResourceAssetsListWidget(QWidget* parent = nullptr);

signals:
    // Asked synchronously: the receiver fills in the item's asset.
    void fetchResPathForItem(QListWidgetItem* item, int& type, QString& outResPath, float& outDuration,
                             float& outScale);

protected:
    void startDrag(Qt::DropActions supportedActions) override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QListWidgetItem*> items) const override;
};
