#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QString>

// The menu of the bar under the title, as the user reads it ("&&" for "&").
inline QMenu* menuTitled(QMenuBar* bar, const QString& title)
{
    for (QAction* action : bar->actions())
        if (action->menu() && action->text() == title)
            return action->menu();
    return nullptr;
}

// The menu's entry of the text; none when there is no menu.
inline QAction* entryTitled(QMenu* menu, const QString& text)
{
    for (QAction* action : menu ? menu->actions() : QList<QAction*>())
        if (action->text() == text)
            return action;
    return nullptr;
}

// Triggers the window's entry of the text as its menu or shortcut does;
// false when the window has no such entry or it is off.
inline bool triggerEntry(QObject* window, const QString& text)
{
    for (QAction* action : window->findChildren<QAction*>()) {
        if (action->text() == text) {
            if (!action->isEnabled())
                return false;
            action->trigger();
            return true;
        }
    }
    return false;
}
