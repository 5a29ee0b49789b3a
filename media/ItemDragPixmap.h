#pragma once

#include <QModelIndexList>
#include <QPixmap>

class QAbstractItemView;

// The picture of a drag out of a list: the dragged cells, half transparent
// and rounded, where they are on screen, in a pixmap the size of the
// viewport's visible part.
QPixmap itemDragPixmap(QAbstractItemView* view, const QModelIndexList& indexes);
