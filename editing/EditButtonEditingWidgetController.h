#pragma once

#include "CommonEditingWidgetController.h"

class EditButtonEditingWidget;
class Segment;

// The button that starts editing a text or a drawing in place, or changes
// a photo; the click reports which of them with the button that asked.
class EditButtonEditingWidgetController : public CommonEditingWidgetController
{
    Q_OBJECT

public:
    // What a click asks for.
    enum EditType { EditDrawing = 0, EditText = 1, ChangePicture = 2 };

    explicit EditButtonEditingWidgetController(QWidget* parent);

    static bool appliesTo(const Segment* segment);
    QWidget* widget() const override;
    int displayOrder() const override;
    EditButtonEditingWidget* editWidget() const { return _widget; }

    void updateValues(const Segment* segment);
    void setEditable(QWidget* overlay, bool segmentUnderPointer);

signals:
    void editButtonClicked(int editType, QWidget* issueWidget);

public slots:
    void onEditButtonClicked(QWidget* button);

private:
    EditButtonEditingWidget* _widget;
    int _editType = EditDrawing;
};
