#pragma once

#include <QPushButton>

class QLabel;
class QMenu;

// The round "..." button in a popup's title row that opens the popup's
// options menu. The popup fills the menu; the button styles it, opens it at
// its own centre, shows the selected icon while it is open and deletes the
// menu once it closed.
class PopupOptionsButton : public QPushButton
{
    Q_OBJECT

public:
    // hoverColor: the background under the mouse, as style sheet text.
    PopupOptionsButton(const QString& hoverColor, QWidget* parent);

    // A frameless, translucent menu owned by owner on the given background
    // (style sheet text).
    static QMenu* createMenu(QWidget* owner, const QString& background);
    // A submenu of a menu made by createMenu, in the same style with square corners.
    static QMenu* addSubmenu(QMenu* menu, const QString& title);
    // Places a title-row button (this one or any other) at the right end of
    // the title label: 10 px in from it when floating, flush when embedded.
    static void placeBesideTitle(QWidget* button, const QLabel* titleLabel, bool embedded);

    void popUp(QMenu* menu);
};
