#pragma once

#include "CommonEditingWidgetController.h"

class Segment;
class VideoUtilitiesEditingWidget;

// A movie's tools section; its grab button asks for the frame under the
// play pointer as a picture.
class VideoUtilitiesEditingWidgetController : public CommonEditingWidgetController
{
    Q_OBJECT

public:
    explicit VideoUtilitiesEditingWidgetController(QWidget* parent);

    static bool appliesTo(const Segment* segment);
    QWidget* widget() const override;
    int displayOrder() const override;
    VideoUtilitiesEditingWidget* utilitiesWidget() const { return _widget; }

    void setEditable(QWidget* overlay, bool segmentUnderPointer);

signals:
    void grabImageButtonClicked();

public slots:
    void onGrabImageButtonClicked();

private:
    VideoUtilitiesEditingWidget* _widget;
};
