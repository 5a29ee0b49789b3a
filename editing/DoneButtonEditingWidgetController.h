#pragma once

#include "CommonEditingWidgetController.h"

class DoneButtonEditingWidget;

// The Done section shown on top of the inspector while cropping, editing a
// text or drawing.
class DoneButtonEditingWidgetController : public CommonEditingWidgetController
{
    Q_OBJECT

public:
    explicit DoneButtonEditingWidgetController(QWidget* parent);

    QWidget* widget() const override;
    int displayOrder() const override;
    DoneButtonEditingWidget* doneWidget() const { return _widget; }
    void setTitle(const QString& title);

signals:
    void doneButtonClicked();

public slots:
    void onDoneButtonClicked();

private:
    DoneButtonEditingWidget* _widget;
};
