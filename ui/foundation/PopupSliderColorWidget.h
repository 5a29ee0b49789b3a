#pragma once

#include "CommonSliderColorPopup.h"

// One slider row with a colour button: border size and colour, text size and
// colour.
class PopupSliderColorWidget : public CommonSliderColorPopup
{
    Q_OBJECT

public:
    explicit PopupSliderColorWidget(QWidget* parent = nullptr);

    // Embedded in parent.
    void configure(QWidget* parent, const QString& title, float value, const QColor& color, float min, float max,
                   float step);
    // Floating above point.
    void configure(QWidget* parent, const QString& title, const QPoint& point, float value, const QColor& color,
                   float min, float max, float step);

private:
    void _apply(float value, const QColor& color, float min, float max, float step);
};
