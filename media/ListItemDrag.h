#pragma once

#include <QModelIndexList>
#include <Qt>

class QAbstractItemView;

// The drag of items out of a media list: its picture shows the dragged items
// where they are on screen, half transparent with rounded corners, held at
// the point under the cursor; dropped, it is a copy.
class ListItemDrag
{
public:
    // Runs the drag of the view model's data for indexes; returns when it
    // ends. Nothing happens when indexes is empty or the model gives no data.
    static void exec(QAbstractItemView* view, const QModelIndexList& indexes, Qt::DropActions supportedActions);
};
