#pragma once

#include "CommonEditingWidgetController.h"

class Segment;
class TextFontEditingWidget;

// The font of a text; picking another is the main window's business, asked
// for through fontButtonClicked.
class TextFontEditingWidgetController : public CommonEditingWidgetController
{
    Q_OBJECT

public:
    explicit TextFontEditingWidgetController(QWidget* parent);

    static bool appliesTo(const Segment* segment);
    QWidget* widget() const override;
    int displayOrder() const override;
    TextFontEditingWidget* fontWidget() const { return _widget; }

    void updateValues(const Segment* segment);
    void setEditable(QWidget* overlay, bool segmentUnderPointer);

signals:
    void fontButtonClicked();

private:
    TextFontEditingWidget* _widget;
};
