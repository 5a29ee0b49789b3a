#pragma once

#include "WidgetTestSupport.h"

#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QStyleOptionSlider>

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

// The slider's handle in the slider's own units, as its style lays it out.
inline QRect sliderHandleRect(const QSlider* slider)
{
    QStyleOptionSlider option;
    option.initFrom(slider);
    option.minimum = slider->minimum();
    option.maximum = slider->maximum();
    option.sliderPosition = slider->value();
    option.orientation = slider->orientation();
    return slider->style()->subControlRect(QStyle::CC_Slider, &option, QStyle::SC_SliderHandle, slider);
}

// Clicks the slider's groove near one end; the popup's sliders jump to where
// the groove is clicked, so this releases the slider at its minimum or maximum.
inline void clickSliderEnd(QWidget& host, const QSlider* slider, bool atMaximum)
{
    const QPoint at = slider->mapTo(&host, QPoint(atMaximum ? slider->width() - 2 : 1, slider->height() / 2));
    QTest::mouseClick(host.windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
}

// A drag by offset from start (in window), moving halfway first.
inline void dragFrom(QWidget& window, const QPoint& start, const QPoint& offset)
{
    QWindow* handle = window.windowHandle();
    QTest::mousePress(handle, Qt::LeftButton, Qt::NoModifier, start);
    QTest::mouseMove(handle, start + offset / 2);
    QTest::mouseMove(handle, start + offset);
    QTest::mouseRelease(handle, Qt::LeftButton, Qt::NoModifier, start + offset);
}
