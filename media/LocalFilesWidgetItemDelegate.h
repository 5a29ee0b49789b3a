#pragma once

#include <QPixmap>
#include <QStyledItemDelegate>

// Paints the items of the local files page: an icon grid or a list at three
// zoom levels, with a type flag and the duration of videos and sounds.
class LocalFilesWidgetItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit LocalFilesWidgetItemDelegate(QObject* parent = nullptr);
    ~LocalFilesWidgetItemDelegate() override;

    // The grid and item size for a zoom (0 to 2) and view (0 icons, else list).
    static QSize itemSize(int zoom, int view);

    void setZoom(int zoom) { _zoom = zoom; }
    void setView(int view) { _view = view; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    void _paintIconMode(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    void _paintListMode(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
    // The selection background and the icon fitted into iconArea; the
    // icon's target rectangle, empty when there was no icon.
    QRectF _paintSelectionAndIcon(QPainter* painter, const QStyleOptionViewItem& option,
                                  const QModelIndex& index, const QRect& iconArea) const;
    void _paintFlag(QPainter* painter, const QPointF& topLeft, int type, const QString& duration) const;
    QFont _nameFont() const;
    // Loads a flag on first use; a resource that failed is tried again next time.
    static const QPixmap& _flag(QPixmap& flag, const char* resource);

    mutable QPixmap _videoFlag;
    mutable QPixmap _musicFlag;
    int _zoom = 0;
    int _view = 0;
};
