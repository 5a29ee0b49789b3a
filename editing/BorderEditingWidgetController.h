#pragma once

#include "ColorButtonEditingWidgetController.h"

class PopupSliderColorWidget;
class Segment;

// The outline width and colour of a text.
class BorderEditingWidgetController : public ColorButtonEditingWidgetController
{
    Q_OBJECT

public:
    explicit BorderEditingWidgetController(QWidget* parent);

    static bool appliesTo(const Segment* segment);
    QWidget* widget() const override;
    int displayOrder() const override;
    PopupSliderColorWidget* popup() const { return _popup; }

    // A text's outline is kept in its own point size, not scaled.
    void updateValues(const Segment* segment);
    void setEditable(QWidget* overlay, bool segmentUnderPointer);

private:
    PopupSliderColorWidget* _popup;
};
