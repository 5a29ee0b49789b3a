#pragma once

#include "DrawingCommonToolsWidget.h"

// The drawing editor's tool strip: the pencil/eraser switch, the pencil, the
// 22 shapes, text, picture, undo, clear and save. A selectable command
// highlights its button alone and is remembered in "DrawingToolsView"; the
// one-shot commands (switch, undo, clear, save) leave the selection alone.
class DrawingToolsWidget : public DrawingCommonToolsWidget
{
    Q_OBJECT

public:
    // shapesInline puts the shape set into the strip.
    explicit DrawingToolsWidget(bool shapesInline, QWidget* parent = nullptr);
    ~DrawingToolsWidget() override;

    int selectedCommandId() const { return _selectedCmdId; }
    static bool isOneShotCommand(int cmdId);

signals:
    void drawingToolsWidgetOnCommand(DrawingToolsWidget* toolsWidget, int cmdId, float para);

protected:
    void commandButtonClicked(int cmdId, TooltipButton* button) override;

private:
    // A button with an icon of the strip's own instead of the command's.
    void _addFixedButton(const QString& iconName, int cmdId);
    void _highlightSelected();

    int _selectedCmdId = 10301;
};
