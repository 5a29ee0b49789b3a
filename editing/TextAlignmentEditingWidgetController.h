#pragma once

#include "CommonEditingWidgetController.h"

class Segment;
class TextAlignmentEditingWidget;

// The alignment of a text's lines: 0 left, 1 centre, 2 right.
class TextAlignmentEditingWidgetController : public CommonEditingWidgetController
{
    Q_OBJECT

public:
    explicit TextAlignmentEditingWidgetController(QWidget* parent);

    static bool appliesTo(const Segment* segment);
    QWidget* widget() const override;
    int displayOrder() const override;
    TextAlignmentEditingWidget* alignmentWidget() const { return _widget; }

    // Silent; an alignment outside 0 to 2 leaves the selection as it was.
    void updateValues(const Segment* segment);
    void setEditable(QWidget* overlay, bool segmentUnderPointer);

signals:
    void textAlignmentChanged(int alignment);

private slots:
    void onAlignmentIndexChanged(int index);

private:
    TextAlignmentEditingWidget* _widget;
    // Kept across segments: a pick of the alignment already current is no
    // change.
    int _alignment = 1;
};
