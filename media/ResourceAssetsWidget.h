#pragma once

#include "AssetRecord.h"

#include <QHash>
#include <QList>
#include <QPixmap>
#include <QSize>
#include <QWidget>

class QListWidgetItem;
class QPushButton;
namespace Ui {
class ResourceAssetsWidget;
}

// One page of built-in assets (music, sound effects or stickers): a panel of
// group buttons above the list of the selected group's assets.
class ResourceAssetsWidget : public QWidget {
    Q_OBJECT
public:
    // The role under which a list item keeps its duration text.
    static constexpr int DurationTextRole = Qt::UserRole + 1;

    // viewMode: 0 icon grid (stickers), 1 list (sounds). At least one group.
    ResourceAssetsWidget(int viewMode, const QStringList& groupTitles,
                         const QHash<QString, QList<AssetRecord>>& assets, QWidget* parent);
    ~ResourceAssetsWidget() override;

    static QString durationText(float duration);

signals:
    void assetItemClicked(int type, QString resPath, QPixmap image, QString metadata);

public slots:
    void onTagButtonClicked();
    void onItemClicked(QListWidgetItem* item);
    void onItemDoubleClicked(QListWidgetItem* item);
    void onFetchResPathForItem(QListWidgetItem* item, int& type, QString& outResPath, float& outDuration,
                               float& outScale);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void _addTagButton(const QString& title);
    void _setUpList();
    void _selectTag(const QString& title);
    void _setTagHighlighted(const QString& title, bool highlighted);
    QPushButton* _findTagButton(const QString& title) const;
    void _reloadList();
    QSize _assetGridSize() const;
    AssetRecord _recordForItem(QListWidgetItem* item) const;

    Ui::ResourceAssetsWidget* ui;
    int viewMode;
    QHash<QString, QList<AssetRecord>> assets;
    QList<QPushButton*> tagButtons;
    QString currentTag;
};
