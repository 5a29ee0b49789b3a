#pragma once

#include "CommonSliderColorPopup.h"

// A slider row with a colour button, then two titled slider rows that are
// enabled only while the first value is above 0: the text background.
class PopupSliderColor2SlidersWidget : public CommonSliderColorPopup
{
    Q_OBJECT

public:
    explicit PopupSliderColor2SlidersWidget(QWidget* parent = nullptr);

    // Embedded in parent.
    void configure(QWidget* parent, const QString& title, float value, const QColor& color, float min, float max,
                   float step, const QString& title2, float value2, float min2, float max2, float step2,
                   const QString& title3, float value3, float min3, float max3, float step3);
    // Floating above point.
    void configure(QWidget* parent, const QString& title, const QPoint& point, float value, const QColor& color,
                   float min, float max, float step, const QString& title2, float value2, float min2, float max2,
                   float step2, const QString& title3, float value3, float min3, float max3, float step3);

    int popupHeight() override;
};
