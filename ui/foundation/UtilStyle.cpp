// Util: the dark style sheets, fades, placement and message boxes.
#include "Util.h"

#include <QGraphicsOpacityEffect>
#include <QPointer>
#include <QPropertyAnimation>
#include <QWidget>

namespace {

const char* const kDialogStyle =
    "QDialog { background-color: rgb(31,32,35); color: white; }"
    "QLabel { color: white; }";

const char* const kMenuBarStyle =
    "QMenuBar { background-color: rgb(7,8,10); color: white; }"
    "QMenuBar::item { padding: 3px 10px; background: transparent; }"
    "QMenuBar::item:selected { background-color: rgba(64,64,64,230); }";

const char* const kMenuStyle =
    "QMenu { background-color: rgba(64,64,64,230); color: white; }"
    "QMenu::item { padding: 6px 10px; }"
    "QMenu::item:selected { background-color: rgba(54,200,255,128);"
    " border: 1px solid rgb(54,200,255); padding: 6px 9px; }"
    "QMenu::item:disabled { color: rgb(128,128,128); }"
    "QMenu::separator { height: 1px; background-color: rgb(44,46,50); }";

const char* const kPopupMenuStyle =
    "QMenu { background-color: rgba(7,8,10,230); color: white; padding: 10px;"
    " border-radius: 10px; }"
    "QMenu::icon { margin: 5px; }"
    "QMenu::item { padding: 8px 10px 8px 10px; }"
    "QMenu::item:selected { background-color: rgb(44,46,50); }";

const char* const kScrollBarStyle =
    "QScrollBar:vertical { width: 15px; background: transparent; margin: 13px 0px 13px 0px; }"
    "QScrollBar::handle:vertical { background: #6b6b6b; min-height: 15px; margin: 3px;"
    " border-radius: 4px; }"
    "QScrollBar::handle:vertical:hover, QScrollBar::handle:vertical:pressed { background: #a4a5a7; }"
    "QScrollBar::sub-line:vertical { height: 10px; width: 10px; margin: 3px 0px;"
    " subcontrol-position: top; subcontrol-origin: margin;"
    " border-image: url(:/icons/res/icons/png/up_arrow_disabled.png); }"
    "QScrollBar::sub-line:vertical:hover, QScrollBar::sub-line:vertical:pressed {"
    " border-image: url(:/icons/res/icons/png/up_arrow.png); }"
    "QScrollBar::add-line:vertical { height: 10px; width: 10px; margin: 3px 0px;"
    " subcontrol-position: bottom; subcontrol-origin: margin;"
    " border-image: url(:/icons/res/icons/png/down_arrow_disabled.png); }"
    "QScrollBar::add-line:vertical:hover, QScrollBar::add-line:vertical:pressed {"
    " border-image: url(:/icons/res/icons/png/down_arrow.png); }"
    "QScrollBar::up-arrow:vertical, QScrollBar::down-arrow:vertical { background: none; }"
    "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical { background: none; }";

QPropertyAnimation* opacityAnimation(QWidget* widget, QGraphicsOpacityEffect* effect,
                                     int milliseconds, qreal from, qreal to)
{
    auto* animation = new QPropertyAnimation(effect, "opacity", widget);
    animation->setDuration(milliseconds);
    animation->setStartValue(from);
    animation->setEndValue(to);
    return animation;
}

} // namespace

void Util::setDialogStyleSheet(QWidget* widget)
{
    widget->setStyleSheet(kDialogStyle);
}

void Util::setMenuBarStyleSheet(QWidget* widget)
{
    widget->setStyleSheet(kMenuBarStyle);
}

void Util::setMenuStyleSheet(QWidget* widget)
{
    widget->setStyleSheet(kMenuStyle);
}

void Util::setPopupMenuStyleSheet(QWidget* widget)
{
    widget->setStyleSheet(kPopupMenuStyle);
}

void Util::setScrollBarStyleSheet(QWidget* widget)
{
    widget->setStyleSheet(kScrollBarStyle);
}

void Util::fadeInWidget(QWidget* widget, int milliseconds, qreal targetOpacity)
{
    auto* effect = new QGraphicsOpacityEffect(widget);
    effect->setOpacity(0.0);
    widget->setGraphicsEffect(effect);
    widget->show();
    QPropertyAnimation* animation = opacityAnimation(widget, effect, milliseconds, 0.0, targetOpacity);
    if (targetOpacity >= 1.0) {
        // A fully opaque widget needs no effect: it would only slow painting.
        connect(animation, &QPropertyAnimation::finished, widget,
                [widget]() { widget->setGraphicsEffect(nullptr); });
    }
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void Util::fadeOutWidget(QWidget* widget, int milliseconds, bool deleteAfterwards)
{
    auto* effect = new QGraphicsOpacityEffect(widget);
    effect->setOpacity(1.0);
    widget->setGraphicsEffect(effect);
    QPropertyAnimation* animation = opacityAnimation(widget, effect, milliseconds, 1.0, 0.0);
    connect(animation, &QPropertyAnimation::finished, widget, [widget, deleteAfterwards]() {
        widget->setGraphicsEffect(nullptr);
        widget->hide();
        if (deleteAfterwards)
            widget->deleteLater();
    });
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

QPoint Util::widgetCenter(const QWidget* widget)
{
    return QPoint(widget->x() + widget->width() / 2, widget->y() + widget->height() / 2);
}

void Util::moveCenterTo(QWidget* widget, const QPoint& point)
{
    moveCenterToXY(widget, point.x(), point.y());
}

void Util::moveCenterToXY(QWidget* widget, int x, int y)
{
    widget->move(x - widget->width() / 2, y - widget->height() / 2);
}

QRectF Util::aspectFitRect(float w, float h, const QRectF& rect)
{
    const AVVec4 bounds{static_cast<float>(rect.x()), static_cast<float>(rect.y()),
                        static_cast<float>(rect.width()), static_cast<float>(rect.height())};
    AVVec4 fitted;
    avRectAspectFit(&fitted, w, h, bounds);
    return QRectF(fitted.x, fitted.y, fitted.z, fitted.w);
}

int Util::showMessageBox(QWidget* parent, const QString& title, const QString& text,
                         QMessageBox::Icon icon, Qt::TextInteractionFlags textFlags)
{
    // Not on the stack: a parent deleted while the box runs deletes the box.
    QPointer<QMessageBox> box = new QMessageBox(icon, title, text, QMessageBox::Ok, parent,
                                                Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    if (textFlags != Qt::NoTextInteraction)
        box->setTextInteractionFlags(textFlags);
    setDialogStyleSheet(box);
    const int result = box->exec();
    delete box;
    return result;
}

void Util::showMessageBoxLater(QWidget* parent, const QString& title, const QString& text, QMessageBox::Icon icon)
{
    QMetaObject::invokeMethod(parent, [=] { showMessageBox(parent, title, text, icon); }, Qt::QueuedConnection);
}
