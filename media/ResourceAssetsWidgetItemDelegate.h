#pragma once

#include <QStyledItemDelegate>

// Paints a built-in asset: an icon cell (view mode 0) or a list row with the
// title and the duration (view mode 1).
class ResourceAssetsWidgetItemDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    explicit ResourceAssetsWidgetItemDelegate(QObject* parent = nullptr);

    void setViewMode(int viewMode);

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    void _paintPicture(QPainter* painter, const QModelIndex& index, const QRect& pictureRect) const;
    void _paintTexts(QPainter* painter, const QModelIndex& index, const QRect& textRect) const;

    int viewMode = 0;
};
