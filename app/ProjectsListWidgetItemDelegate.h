#pragma once

#include <QPixmap>
#include <QStyledItemDelegate>

// Paints the tiles of the projects list: the new-movie tile, project tiles
// with their cover and date, folder tiles with up to four small previews,
// the edit-mode tick boxes, the damaged badge and the menu button. Tile
// pictures come from the list through the two fetch signals (connected
// directly, so the pixmap is filled before emit returns), which lets the
// list load and scale each picture once, on its first paint.
class ProjectsListWidgetItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    // Item data roles the list sets and the painter reads.
    enum Role {
        SubtitleRole = Qt::UserRole + 2,
        FolderRole = Qt::UserRole + 3,
        DamagedRole = Qt::UserRole + 4,
        MenuOpenRole = Qt::UserRole + 5,
        TickedRole = Qt::UserRole + 10,
        PressedRole = Qt::UserRole + 11,
    };

    explicit ProjectsListWidgetItemDelegate(QObject* parent);
    ~ProjectsListWidgetItemDelegate() override;

    void setEditing(bool editing) { _editing = editing; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    bool editorEvent(QEvent* event, QAbstractItemModel* model, const QStyleOptionViewItem& option,
                     const QModelIndex& index) override;

    // The display text of the new-movie tile.
    static QString newTileName() { return QStringLiteral("/NEW/"); }
    // The tile's picture area: the largest 5:4 rectangle centred in the
    // square at the top of the item, 10 px inside its edges.
    static QRect pictureRect(const QRect& itemRect);
    static QRect menuButtonRect(const QRect& itemRect);

signals:
    void projectMenuClicked(QModelIndex index, QPoint pos);
    void projectFetchImage(QModelIndex index, QPixmap& pixmap);
    void projectFetchSubImage(QModelIndex index, int subIndex, QPixmap& pixmap);

private:
    enum class Picture { Damaged, Menu, MenuSelected, Ticked, Unticked, Count };

    static QRect _contentRect(const QRect& itemRect);
    static QRect _squareRect(const QRect& itemRect);
    void _paintNewTile(QPainter* painter, const QModelIndex& index, const QRect& picture,
                       const QPixmap& image) const;
    void _paintProjectTile(QPainter* painter, const QModelIndex& index, const QRect& picture,
                           const QPixmap& image) const;
    void _paintFolderTile(QPainter* painter, const QModelIndex& index, const QRect& itemRect,
                          const QPixmap& image) const;
    void _paintTexts(QPainter* painter, const QModelIndex& index, const QRect& itemRect) const;
    // Loaded from its resource on first use, then kept.
    const QPixmap& _picture(Picture picture) const;
    QPixmap _fetchImage(const QModelIndex& index) const;
    QPixmap _fetchSubImage(const QModelIndex& index, int subIndex) const;

    mutable QPixmap _pictures[int(Picture::Count)];
    bool _editing = false;
};
