#pragma once

#include "WidgetTestSupport.h"

#include <QPushButton>
#include <QSlider>

// Real input for the slider popups: presses and releases go to the host's
// window, so the toolkit routes them and records the held mouse button as
// it does a user's.
inline QPoint centreIn(QWidget& host, const QWidget* widget)
{
    return widget->mapTo(&host, widget->rect().center());
}

inline void pressOn(QWidget& host, const QWidget* widget)
{
    QTest::mousePress(host.windowHandle(), Qt::LeftButton, Qt::NoModifier, centreIn(host, widget));
}

inline void releaseOn(QWidget& host, const QWidget* widget)
{
    QTest::mouseRelease(host.windowHandle(), Qt::LeftButton, Qt::NoModifier, centreIn(host, widget));
}

inline void clickOn(QWidget& host, const QWidget* widget)
{
    pressOn(host, widget);
    releaseOn(host, widget);
}

// Clicks the slider's groove near its left end; the popup's sliders jump to
// where the groove is clicked, so this releases the slider at its minimum.
inline void clickSliderStart(QWidget& host, const QSlider* slider)
{
    const QPoint at = slider->mapTo(&host, QPoint(1, slider->height() / 2));
    QTest::mouseClick(host.windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
}

inline void clickSliderEnd(QWidget& host, const QSlider* slider)
{
    const QPoint at = slider->mapTo(&host, QPoint(slider->width() - 2, slider->height() / 2));
    QTest::mouseClick(host.windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
}
