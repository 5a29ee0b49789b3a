#pragma once

#include "CommonEditingWidgetController.h"

#include <QSize>

class DrawingColorWidget;
class DrawingToolsWidget;
class DrawingTuningWidget;
class SelfDrawEditingWidget;

// The drawing tools section: the drawing editor's panels, made once for
// the canvas size of the first drawing and kept for every later one, which
// hands them its own canvas size as it starts.
class SelfDrawEditingWidgetController : public CommonEditingWidgetController
{
    Q_OBJECT

public:
    SelfDrawEditingWidgetController(const QSize& canvasSize, QWidget* parent);

    QWidget* widget() const override;
    int displayOrder() const override;
    // Hiding the section also closes the panels' popups.
    void setVisible(bool visible) override;

    SelfDrawEditingWidget* drawWidget() const { return _widget; }
    DrawingColorWidget* colorWidget() const;
    DrawingTuningWidget* tuningWidget() const;
    DrawingToolsWidget* toolsWidget() const;

public slots:
    void onSelfDrawWidgetSizeChanged();

private:
    SelfDrawEditingWidget* _widget;
};
