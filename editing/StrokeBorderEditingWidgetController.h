#pragma once

#include "ColorButtonEditingWidgetController.h"

class PopupSliderColor1Switch2SlidersWidget;
class QSize;
class Segment;

// The border of a picture: width and colour, and the stroke that follows the
// picture's opaque outline (switch, tolerance, intensity).
class StrokeBorderEditingWidgetController : public ColorButtonEditingWidgetController
{
    Q_OBJECT

public:
    explicit StrokeBorderEditingWidgetController(QWidget* parent);

    static bool appliesTo(const Segment* segment);
    QWidget* widget() const override;
    int displayOrder() const override;
    PopupSliderColor1Switch2SlidersWidget* popup() const { return _popup; }

    void updateValues(const Segment* segment, const QSize& canvasSize);
    void setEditable(QWidget* overlay, bool segmentUnderPointer);

private:
    PopupSliderColor1Switch2SlidersWidget* _popup;
};
