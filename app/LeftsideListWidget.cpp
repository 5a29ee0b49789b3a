#include "LeftsideListWidget.h"

#include "LeftsideListWidgetItemDelegate.h"

LeftsideListWidget::LeftsideListWidget(QWidget* parent) : QListWidget(parent)
{
    setViewMode(QListView::ListMode);
    setDragDropMode(QAbstractItemView::NoDragDrop);
    setResizeMode(QListView::Adjust);
    _delegate = new LeftsideListWidgetItemDelegate(this);
    _delegate->setStyle(_delegateStyle);
    setItemDelegate(_delegate);
}

LeftsideListWidget::~LeftsideListWidget() = default;

void LeftsideListWidget::setItemIconSize(int size)
{
    setIconSize(QSize(size, size));
}

void LeftsideListWidget::setDelegateStyle(int style)
{
    _delegateStyle = style;
    _delegate->setStyle(style);
    viewport()->update();
}
