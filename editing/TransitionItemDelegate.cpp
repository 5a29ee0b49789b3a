#include "TransitionItemDelegate.h"

TransitionItemDelegate::TransitionItemDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{
}

QSize TransitionItemDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    QSize size = QStyledItemDelegate::sizeHint(option, index);
    if (_rowHeight != -1)
        size.setHeight(_rowHeight);
    return size;
}
