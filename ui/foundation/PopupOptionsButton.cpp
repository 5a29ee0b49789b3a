#include "PopupOptionsButton.h"

#include <QLabel>
#include <QMenu>
#include <QPointer>

namespace {

const char* const kIcon = ":/images/project_menu";
const char* const kSelectedIcon = ":/images/project_menu_selected";
constexpr int kSide = 30;
constexpr int kIconSide = 20;
constexpr int kFloatingInset = 10;
constexpr int kDownShift = 5;
const char* const kBackgroundProperty = "menuBackground";

QString menuStyle(const QString& background, int radius)
{
    return QString("QMenu { background-color: %1; color: white; padding: 10px; border-radius: %2px; }"
                   "QMenu::item { padding: 8px 20px 8px 20px; }"
                   "QMenu::item:selected { background-color: rgb(44,46,50); }"
                   "QMenu::item:disabled { color: rgb(64,64,64); }"
                   "QMenu::separator { height: 1px; background-color: rgb(44,46,50); }")
        .arg(background)
        .arg(radius);
}

} // namespace

PopupOptionsButton::PopupOptionsButton(const QString& hoverColor, QWidget* parent) : QPushButton(parent)
{
    setObjectName("optionsButton");
    setFlat(true);
    setFixedSize(kSide, kSide);
    setIcon(QIcon(kIcon));
    setIconSize(QSize(kIconSide, kIconSide));
    setStyleSheet(QString("QPushButton:hover { background-color: %1; border: none; border-radius: 15px; }"
                          "QPushButton:pressed { background-color: rgb(25,26,28); border: none;"
                          " border-radius: 15px; }")
                      .arg(hoverColor));
}

QMenu* PopupOptionsButton::createMenu(QWidget* owner, const QString& background)
{
    auto* menu = new QMenu(owner);
    menu->setWindowFlags(menu->windowFlags() | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    menu->setAttribute(Qt::WA_TranslucentBackground);
    menu->setStyleSheet(menuStyle(background, 10));
    menu->setProperty(kBackgroundProperty, background);
    return menu;
}

QMenu* PopupOptionsButton::addSubmenu(QMenu* menu, const QString& title)
{
    QMenu* submenu = menu->addMenu(title);
    submenu->setWindowFlags(submenu->windowFlags() | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint);
    submenu->setAttribute(Qt::WA_TranslucentBackground);
    submenu->setStyleSheet(menuStyle(menu->property(kBackgroundProperty).toString(), 0));
    return submenu;
}

void PopupOptionsButton::placeBesideTitle(QWidget* button, const QLabel* titleLabel, bool embedded)
{
    const QRect title = titleLabel->geometry();
    const int x = title.right() + 1 - button->width() - (embedded ? 0 : kFloatingInset);
    const int y = title.center().y() - button->height() / 2 + kDownShift;
    button->move(x, y);
    button->raise();
}

void PopupOptionsButton::popUp(QMenu* menu)
{
    setIcon(QIcon(kSelectedIcon));
    const QPointer<PopupOptionsButton> self(this);
    connect(menu, &QMenu::aboutToHide, menu, [self, menu] {
        menu->deleteLater();
        if (self)
            self->setIcon(QIcon(kIcon));
    });
    menu->popup(mapToGlobal(rect().center()));
}
