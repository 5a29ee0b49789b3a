#pragma once

#include <QListWidget>

// The list of the local files page. A drag carries the dragged file's URL
// ("text/uri-list"), which the editor window takes as a dropped file; the
// page tells the list the file of an item.
class LocalFilesListWidget : public QListWidget
{
    Q_OBJECT

public:
    explicit LocalFilesListWidget(QWidget* parent = nullptr);

    QStringList mimeTypes() const override;

signals:
    // Connected directly: the receiver fills outFilePath before it returns.
    void fetchFilePathForItem(QListWidgetItem* item, QString& outFilePath);

protected:
    QMimeData* mimeData(const QList<QListWidgetItem*> items) const override;
    // The drag shows the dragged items where they are on screen, half transparent.
    void startDrag(Qt::DropActions supportedActions) override;
};
