#pragma once

#include "CommonSliderColorPopup.h"

// One slider row: transparency, volume, speed (as a multiplier), pitch,
// corner radius, and the drawing editor's tuning values (as percentages).
class PopupSliderWidget : public CommonSliderColorPopup
{
    Q_OBJECT

public:
    explicit PopupSliderWidget(QWidget* parent = nullptr);

    // Embedded in parent.
    void configure(QWidget* parent, const QString& title, float value, float min, float max, bool multiplierFormat,
                   float step);
    // Floating above point.
    void configure(QWidget* parent, const QString& title, const QPoint& point, float value, float min, float max,
                   bool multiplierFormat, float step);

    void setupUi(QWidget* parent, const QString& title) override;

private:
    void _apply(float value, float min, float max, bool multiplierFormat, float step);

    QWidget* _rowPanel = nullptr;
};
