#pragma once

#include "ColorButtonEditingWidgetController.h"

class PopupSliderColorWidget;
class QSize;
class Segment;

// The point size and colour of a text.
class TextSizeEditingWidgetController : public ColorButtonEditingWidgetController
{
    Q_OBJECT

public:
    explicit TextSizeEditingWidgetController(QWidget* parent);

    static bool appliesTo(const Segment* segment);
    QWidget* widget() const override;
    int displayOrder() const override;
    PopupSliderColorWidget* popup() const { return _popup; }

    // The size is shown as it renders at the movie's frame size.
    void updateValues(const Segment* segment, const QSize& frameSize);
    void setEditable(QWidget* overlay, bool segmentUnderPointer);

private:
    PopupSliderColorWidget* _popup;
};
