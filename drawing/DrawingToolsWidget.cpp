#include "DrawingToolsWidget.h"

#include "TooltipButton.h"

#include <QSettings>

namespace {

const char* const kSettingsGroup = "DrawingToolsView";
const char* const kSelectedKey = "SelectedCmdId";
constexpr int kPencil = 10301;
constexpr int kClear = 10305;
constexpr int kUndo = 10306;
constexpr int kSave = 10328;
constexpr int kText = 10329;
constexpr int kPicture = 10330;
constexpr int kSwitch = 10334;

// The shape set in strip order: lines, rectangles, ellipses, circles,
// triangles, rhombi, pentagons, pentagrams and hearts, outline before filled.
constexpr int kShapeCommands[] = {10309, 10335, 10336, 10337, 10310, 10311, 10312, 10313, 10316, 10317, 10314,
                                  10315, 10318, 10319, 10320, 10321, 10324, 10325, 10322, 10323, 10326, 10327};

} // namespace

DrawingToolsWidget::DrawingToolsWidget(bool shapesInline, QWidget* parent)
    : DrawingCommonToolsWidget(parent)
{
    QSettings settings;
    _selectedCmdId = settings.value(QString(kSettingsGroup) + '/' + kSelectedKey, kPencil).toInt();
    _addFixedButton("pencil_rubber_switch", kSwitch);
    _addFixedButton("freehand", kPencil);
    if (shapesInline) {
        for (int cmdId : kShapeCommands)
            addCommandButton(cmdId);
    }
    addCommandButton(kText);
    addCommandButton(kPicture);
    addCommandButton(kUndo);
    _addFixedButton("clear", kClear);
    addCommandButton(kSave);
    _highlightSelected();
}

DrawingToolsWidget::~DrawingToolsWidget()
{
    QSettings settings;
    settings.setValue(QString(kSettingsGroup) + '/' + kSelectedKey, _selectedCmdId);
}

bool DrawingToolsWidget::isOneShotCommand(int cmdId)
{
    return cmdId == kClear || cmdId == kUndo || cmdId == kSave || cmdId == kSwitch;
}

void DrawingToolsWidget::_addFixedButton(const QString& iconName, int cmdId)
{
    const QString path = ":/images/drawing/" + iconName;
    addButton(path, path + '_', cmdId);
}

void DrawingToolsWidget::_highlightSelected()
{
    if (TooltipButton* button = buttonForCommand(_selectedCmdId))
        button->setHighlighted(true);
}

void DrawingToolsWidget::commandButtonClicked(int cmdId, TooltipButton* button)
{
    if (!isOneShotCommand(cmdId)) {
        clearHighlights();
        button->setHighlighted(true);
        _selectedCmdId = cmdId;
    }
    emit drawingToolsWidgetOnCommand(this, cmdId, 0.0f);
}
