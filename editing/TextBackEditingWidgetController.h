#pragma once

#include "ColorButtonEditingWidgetController.h"

class PopupSliderColor2SlidersWidget;
class QSize;
class Segment;

// The band behind a text: its colour and opacity, how far it reaches beyond
// the text, and how round its corners are.
class TextBackEditingWidgetController : public ColorButtonEditingWidgetController
{
    Q_OBJECT

public:
    explicit TextBackEditingWidgetController(QWidget* parent);

    static bool appliesTo(const Segment* segment);
    QWidget* widget() const override;
    int displayOrder() const override;
    PopupSliderColor2SlidersWidget* popup() const { return _popup; }

    // The inset is stored as a share of the frame width and shown in pixels
    // of the movie's frame.
    void updateValues(const Segment* segment, const QSize& frameSize);
    void setEditable(QWidget* overlay, bool segmentUnderPointer);

private:
    PopupSliderColor2SlidersWidget* _popup;
};
