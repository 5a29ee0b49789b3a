#pragma once

#include "FadeWaits.h"

#include <QApplication>
#include <QColor>
#include <QLineEdit>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

// Shows the widget as a window and waits until it can take real input.
inline void showForInput(QWidget& widget, const QSize& size)
{
    widget.resize(size);
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
}

inline bool near(const QColor& a, const QColor& b, int tolerance = 6)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
           && std::abs(a.blue() - b.blue()) <= tolerance;
}

// A click delivered to the window, so that the toolkit routes it to whatever
// widget lies at the position, as it does a user's.
inline void clickWindowAt(QWidget& window, const QPoint& position)
{
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, position);
}

// A window standing for the editor: it counts the mouse presses that reach
// it, and holds a focused line edit for the keyboard.
class HostWindow : public QWidget
{
public:
    HostWindow()
    {
        edit = new QLineEdit(this);
        edit->setGeometry(20, 20, 200, 30);
    }

    // Shows the window at size and gives the line edit the keyboard.
    void showFocused(const QSize& size)
    {
        showForInput(*this, size);
        QApplication::setActiveWindow(this);
        edit->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), edit);
    }

    QLineEdit* edit;
    int presses = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
};
