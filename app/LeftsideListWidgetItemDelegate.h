#pragma once

#include <QStyledItemDelegate>

// Paints a row of the left-side list from its caption (display role) and
// icon (decoration role). Style 0 is a square tile with the icon above a
// centred caption, shrunk in point size until it fits; any other style is a
// row with the icon at the left and the caption beside it, elided at the right.
class LeftsideListWidgetItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit LeftsideListWidgetItemDelegate(QObject* parent);
    ~LeftsideListWidgetItemDelegate() override;

    void setStyle(int style) { _style = style; }
    int style() const { return _style; }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

    // The smallest point size a tile caption is shrunk to; a caption that
    // still does not fit is drawn at it, clipped by the caption rectangle.
    static constexpr int kMinimumCaptionPointSize = 1;

private:
    void _paintTile(QPainter* painter, const QRect& itemRect, const QModelIndex& index) const;
    void _paintRow(QPainter* painter, const QRect& itemRect, const QModelIndex& index) const;
    static void _paintIcon(QPainter* painter, const QRect& iconRect, const QModelIndex& index);

    int _style = 0;
};
