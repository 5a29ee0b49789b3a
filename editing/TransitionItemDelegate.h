#pragma once

#include <QStyledItemDelegate>

// Gives every row of a list the same height, whatever its font asks for.
class TransitionItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit TransitionItemDelegate(QObject* parent = nullptr);

    // -1 keeps the base height.
    void setRowHeight(int height) { _rowHeight = height; }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int _rowHeight = -1;
};
