#pragma once

#include "CommonEditingWidgetController.h"

class PopupSliderWidget;
class Segment;

// The playing speed of a movie or sound, in quarter steps from 0.25x to 4x.
class SpeedEditingWidgetController : public CommonEditingWidgetController
{
    Q_OBJECT

public:
    explicit SpeedEditingWidgetController(QWidget* parent);

    static bool appliesTo(const Segment* segment);
    QWidget* widget() const override;
    int displayOrder() const override;
    PopupSliderWidget* popup() const { return _popup; }

    void updateValues(const Segment* segment);
    void setEditable(QWidget* overlay, bool segmentUnderPointer);

private:
    PopupSliderWidget* _popup;
};
