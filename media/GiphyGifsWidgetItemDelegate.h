#pragma once

#include <QPixmap>
#include <QStyledItemDelegate>

// Paints a GIF cell: the preview's current frame fitted and centred ten
// pixels inside the cell, on a rounded background when selected.
class GiphyGifsWidgetItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // The cell's current frame is kept under this role.
    static constexpr int FrameRole = Qt::UserRole + 2;

    GiphyGifsWidgetItemDelegate(float devicePixelRatio, QObject* parent = nullptr);

    // Shown until a cell has a frame, and handed on as the picture of a click.
    QPixmap placeholder() const;
    static QSize itemSize() { return QSize(80, 80); }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    // Loaded on first use.
    mutable QPixmap _placeholder;
    float _devicePixelRatio;
};
