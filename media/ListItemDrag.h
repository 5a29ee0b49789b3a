#pragma once

#include <QModelIndexList>
#include <Qt>

class QAbstractItemView;
class QMimeData;

// The drag of items out of a media list: its picture shows the dragged items
// where they are on screen, half transparent with rounded corners, held at
// the point under the cursor; dropped, it is a copy.
class ListItemDrag
{
public:
    // Runs the drag of data (taken over) from view; returns when it ends.
    static void exec(QAbstractItemView* view, const QModelIndexList& indexes, QMimeData* data,
                     Qt::DropActions supportedActions);
};
