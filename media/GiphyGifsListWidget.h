#pragma once

#include <QListWidget>

// The grid of the GIF search page. A drag carries the first dragged GIF's
// id, play time, cached path, download URL and scale, which the page supplies.
class GiphyGifsListWidget : public QListWidget
{
    Q_OBJECT

public:
    explicit GiphyGifsListWidget(QWidget* parent = nullptr);

signals:
    // Connected directly: the receiver fills the out-arguments before it returns.
    void fetchGifPathForItem(QListWidgetItem* item, QString& outId, QString& outPath, QString& outUrl,
                             float& outDuration, float& outScale);

protected:
    void startDrag(Qt::DropActions actions) override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QList<QListWidgetItem*> items) const override;
};
