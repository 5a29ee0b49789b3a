#pragma once

#include "CommonEditingWidgetController.h"

class PopupSliderWidget;
class Segment;

// The pitch of a segment with sound, as a factor from 0.5 to 2.
class PitchEditingWidgetController : public CommonEditingWidgetController
{
    Q_OBJECT

public:
    explicit PitchEditingWidgetController(QWidget* parent);

    static bool appliesTo(const Segment* segment);
    QWidget* widget() const override;
    int displayOrder() const override;
    PopupSliderWidget* popup() const { return _popup; }

    void updateValues(const Segment* segment);
    void setEditable(QWidget* overlay, bool segmentUnderPointer);

private:
    PopupSliderWidget* _popup;
};
