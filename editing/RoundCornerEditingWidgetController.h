#pragma once

#include "CommonEditingWidgetController.h"

class PopupSliderWidget;
class QSize;
class Segment;

// The corner radius of a picture, in pixels of the movie's width.
class RoundCornerEditingWidgetController : public CommonEditingWidgetController
{
    Q_OBJECT

public:
    explicit RoundCornerEditingWidgetController(QWidget* parent);

    static bool appliesTo(const Segment* segment);
    QWidget* widget() const override;
    int displayOrder() const override;
    PopupSliderWidget* popup() const { return _popup; }

    void updateValues(const Segment* segment, const QSize& canvasSize);
    void setEditable(QWidget* overlay, bool segmentUnderPointer);

private:
    PopupSliderWidget* _popup;
};
