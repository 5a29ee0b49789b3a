#pragma once

#include <QList>
#include <QString>

// One entry of the transition type menu, as the main window builds it for
// the transitions list popup and for the segment's context menu.
struct TransitionMenuItem {
    QString text;    // translated; "&&" shows a single "&"
    int commandId = 0;
    bool bold = false;
    // The context menu puts a separator before an item that opens a group.
    bool opensGroup = false;

    bool operator==(const TransitionMenuItem& other) const
    {
        return text == other.text && commandId == other.commandId && bold == other.bold
               && opensGroup == other.opensGroup;
    }
};

using TransitionMenuItems = QList<TransitionMenuItem>;
