#include "DrawingCommonToolsWidget.h"

#include "TooltipButton.h"
#include "UiMetrics.h"

#include <QCoreApplication>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QScrollArea>
#include <QScrollBar>
#include <QScroller>
#include <QScrollerProperties>
#include <QStyleOption>
#include <QTimer>

namespace {

constexpr int kFirstCommand = 10301;
constexpr int kLastCommand = 10337;
constexpr int kSwitchCommand = 10334;
constexpr int kClickDelayMs = 200;
const char* const kIconFolder = ":/images/drawing/";

struct CommandEntry {
    const char* icon;
    const char* toolTip;
};

// Indexed by command id - 10301.
const CommandEntry kCommands[] = {
    {"pencil", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Free Pencil")},
    {"spray", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Spray")},
    {"pattern", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Texture")},
    {"rubber", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Eraser")},
    {"clear2", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Clear Painting")},
    {"undo", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Undo")},
    {"redo", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Redo")},
    {"linewidth", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Line Width")},
    {"line", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Straight Line")},
    {"rect1", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Rectangle Outline")},
    {"rect2", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Filled Rectangle")},
    {"roundrect1", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Round Rectangle Outline")},
    {"roundrect2", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Filled Round Rectangle")},
    {"circle1", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Circle Outline")},
    {"circle2", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Filled Circle")},
    {"ellipse1", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Ellipse Outline")},
    {"ellipse2", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Filled Ellipse")},
    {"triangle1", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Triangle Outline")},
    {"triangle2", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Filled Triangle")},
    {"rhombus1", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Rhombus Outline")},
    {"rhombus2", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Filled Rhombus")},
    {"pentagram1", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Pentagram Outline")},
    {"pentagram2", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Filled Pentagram")},
    {"pentagon1", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Pentagon Outline")},
    {"pentagon2", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Filled Pentagon")},
    {"heart1", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Heart Outline")},
    {"heart2", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Filled Heart")},
    {"save", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Save to Album")},
    {"text", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Insert Text")},
    {"picture", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Insert Picture")},
    {"hardness", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Stroke Hardness")},
    {"linear", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Linear Gradient")},
    {"radial", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Radial Gradient")},
    {"", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Switch between pencil and eraser")},
    {"dashline", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Dashed Line")},
    {"dotline", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Dotted Line")},
    {"arrowline", QT_TRANSLATE_NOOP("DrawingCommonToolsWidget", "Arrow Line")},
};
static_assert(sizeof(kCommands) / sizeof(kCommands[0]) == kLastCommand - kFirstCommand + 1,
              "one entry per drawing command");

const CommandEntry* commandEntry(int cmdId)
{
    if (cmdId < kFirstCommand || cmdId > kLastCommand)
        return nullptr;
    return &kCommands[cmdId - kFirstCommand];
}

// The icon's width at the tool-bar icon height; a missing or empty icon
// (no height to scale by) takes a square.
QSize iconSizeFor(const QString& path)
{
    const int height = UiMetrics::toolBarIconHeight();
    const QPixmap icon(path);
    if (icon.isNull() || icon.height() <= 0)
        return QSize(height, height);
    return QSize(icon.width() * height / icon.height(), height);
}

} // namespace

DrawingCommonToolsWidget::DrawingCommonToolsWidget(QWidget* parent)
    : QWidget(parent)
{
    setStyleSheet("QWidget{background-color: rgba(7,8,10,244); border: none; border-radius: 10px;}"
                  "QLabel, QScrollArea{background-color: transparent;}");
    _scrollArea = new QScrollArea(this);
    _scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    _scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    _scrollArea->setWidgetResizable(true);
    _contentWidget = new QWidget;
    _contentWidget->setStyleSheet("background-color: transparent;");
    _scrollArea->setWidget(_contentWidget);
    QScroller::grabGesture(_scrollArea->viewport(), QScroller::LeftMouseButtonGesture);
    QScrollerProperties properties = QScroller::scroller(_scrollArea->viewport())->scrollerProperties();
    properties.setScrollMetric(QScrollerProperties::OvershootDragDistanceFactor, 0.05);
    properties.setScrollMetric(QScrollerProperties::OvershootScrollDistanceFactor, 0.05);
    QScroller::scroller(_scrollArea->viewport())->setScrollerProperties(properties);
}

QString DrawingCommonToolsWidget::iconPath(int cmdId)
{
    const CommandEntry* entry = commandEntry(cmdId);
    return QString(kIconFolder) + (entry ? entry->icon : "");
}

QString DrawingCommonToolsWidget::selectedIconPath(int cmdId)
{
    const CommandEntry* entry = commandEntry(cmdId);
    if (!entry || cmdId == kSwitchCommand)
        return kIconFolder;
    return QString(kIconFolder) + entry->icon + '_';
}

QString DrawingCommonToolsWidget::commandToolTip(int cmdId)
{
    const CommandEntry* entry = commandEntry(cmdId);
    return entry ? QCoreApplication::translate("DrawingCommonToolsWidget", entry->toolTip) : QString();
}

TooltipButton* DrawingCommonToolsWidget::addButton(const QString& iconPath, const QString& selectedIconPath,
                                                   int cmdId)
{
    auto* button = new TooltipButton(iconPath, selectedIconPath, _contentWidget);
    button->setNormalIcon(iconPath);
    button->setIconSize(iconSizeFor(iconPath));
    button->setFlat(true);
    button->commandId = cmdId;
    button->setToolTip(commandToolTip(cmdId));
    connect(button, &QPushButton::clicked, this, &DrawingCommonToolsWidget::onButtonClicked);
    _buttons.append(button);
    return button;
}

TooltipButton* DrawingCommonToolsWidget::addCommandButton(int cmdId)
{
    return addButton(iconPath(cmdId), selectedIconPath(cmdId), cmdId);
}

TooltipButton* DrawingCommonToolsWidget::buttonForCommand(int cmdId) const
{
    for (TooltipButton* button : _buttons) {
        if (button->commandId == cmdId)
            return button;
    }
    return nullptr;
}

void DrawingCommonToolsWidget::clearHighlights()
{
    for (TooltipButton* button : _buttons) {
        if (button->isHighlighted())
            button->setHighlighted(false);
    }
}

void DrawingCommonToolsWidget::onButtonClicked()
{
    QPointer<TooltipButton> button = qobject_cast<TooltipButton*>(sender());
    if (!button)
        return;
    // Precise: the command must not come before its 200 ms.
    QTimer::singleShot(kClickDelayMs, Qt::PreciseTimer, this, [this, button] {
        if (button)
            commandButtonClicked(button->commandId, button);
    });
}

QList<QPoint> DrawingCommonToolsWidget::_cellPositions(int width) const
{
    const int cell = UiMetrics::toolBarButtonHeight();
    QList<QPoint> positions;
    QPoint at(0, 0);
    for (int i = 0; i < _buttons.size(); ++i) {
        if (at.x() > 0 && at.x() + cell > width)
            at = QPoint(0, at.y() + cell);
        positions.append(at);
        at.rx() += cell;
    }
    return positions;
}

QSize DrawingCommonToolsWidget::sizeForWidth(int width) const
{
    const QList<QPoint> positions = _cellPositions(width);
    const int bottom = positions.isEmpty() ? 0 : positions.last().y() + UiMetrics::toolBarButtonHeight() - 1;
    return QSize(width, bottom);
}

void DrawingCommonToolsWidget::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    _scrollArea->setGeometry(rect());
    const int cell = UiMetrics::toolBarButtonHeight();
    const QList<QPoint> positions = _cellPositions(_scrollArea->width());
    for (int i = 0; i < _buttons.size(); ++i)
        _buttons[i]->setGeometry(QRect(positions[i], QSize(cell, cell)));
    _contentWidget->setFixedHeight(sizeForWidth(_scrollArea->width()).height());
    _scrollArea->verticalScrollBar()->setValue(0);
}

void DrawingCommonToolsWidget::paintEvent(QPaintEvent* event)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
    QWidget::paintEvent(event);
}
