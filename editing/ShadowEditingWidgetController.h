#pragma once

#include "ColorButtonEditingWidgetController.h"

class PopupSliderColorShadowWidget;
class QSize;
class Segment;

// The drop shadow of a picture or text: opacity and colour, blur radius and
// offset, in pixels of the movie's width.
class ShadowEditingWidgetController : public ColorButtonEditingWidgetController
{
    Q_OBJECT

public:
    explicit ShadowEditingWidgetController(QWidget* parent);

    static bool appliesTo(const Segment* segment);
    QWidget* widget() const override;
    int displayOrder() const override;
    PopupSliderColorShadowWidget* popup() const { return _popup; }

    void updateValues(const Segment* segment, const QSize& canvasSize);
    void setEditable(QWidget* overlay, bool segmentUnderPointer);

private:
    PopupSliderColorShadowWidget* _popup;
};
