#pragma once

#include "ColorButtonEditingWidgetController.h"

class PopupChromaKeyWidget;
class Segment;

// The chroma key of a picture: on/off, sensitivity, smoothing, key colour.
class ChromaKeyEditingWidgetController : public ColorButtonEditingWidgetController
{
    Q_OBJECT

public:
    explicit ChromaKeyEditingWidgetController(QWidget* parent);

    static bool appliesTo(const Segment* segment);
    QWidget* widget() const override;
    int displayOrder() const override;
    PopupChromaKeyWidget* popup() const { return _popup; }

    void updateValues(const Segment* segment);
    void setEditable(QWidget* overlay, bool segmentUnderPointer);

private:
    PopupChromaKeyWidget* _popup;
};
