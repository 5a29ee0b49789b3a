#include "SegmentDraggingOperationWidget.h"

#include "TooltipButton.h"
#include "UiMetrics.h"
#include "WidgetAnimations.h"

#include <QGraphicsOpacityEffect>
#include <QHBoxLayout>
#include <QParallelAnimationGroup>
#include <QSpacerItem>

namespace {

constexpr int kButtonReach = 10;
constexpr int kSlideMs = 200;
constexpr int kRightGap = 20;
constexpr int kBottomGap = 10;

TooltipButton* makeButton(QWidget* parent, const char* name)
{
    auto* button = new TooltipButton(parent);
    button->setObjectName(name);
    button->setFlat(true);
    button->setIconSize(QSize(37, 37));
    return button;
}

void setUpButton(TooltipButton* button, const QString& icon, const QString& highlightedIcon, const QString& tip)
{
    button->setNormalIcon(icon);
    button->setHighlightedIcon(highlightedIcon);
    button->tooltipText = tip;
    button->showBubbleWhenHighlighted = true;
    button->bubbleDelay = 200;
    button->bubbleOffset = -60;
}

} // namespace

SegmentDraggingOperationWidget::SegmentDraggingOperationWidget(QWidget* parent)
    : QWidget(parent)
    , _layout(new QHBoxLayout(this))
    , _duplicateButton(makeButton(this, "duplicateButton"))
    , _trashButton(makeButton(this, "trashButton"))
{
    resize(301, 90);
    _layout->setObjectName("horizontalLayout");
    _layout->setSpacing(0);
    _layout->addItem(new QSpacerItem(45, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    _layout->addWidget(_duplicateButton);
    _layout->addWidget(_trashButton);
    _layout->addItem(new QSpacerItem(44, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    _duplicateButton->setIcon(QIcon(":/images/duplicate_opr"));
    _trashButton->setIcon(QIcon(":/images/remove_opr"));
}

void SegmentDraggingOperationWidget::_applyStyle()
{
    setStyleSheet("QWidget { background-color: rgba(0,0,0,128); border-radius: 10px; }"
                  "QPushButton { background-color: transparent; }");
    setUpButton(_duplicateButton, ":/images/duplicate_opr", ":/images/duplicate_opr_2", tr("Duplicate"));
    setUpButton(_trashButton, ":/images/remove_opr", ":/images/remove_opr_2", tr("Remove"));
}

void SegmentDraggingOperationWidget::showAtRect(QWidget* parent, const QRect& area, bool removeOnly)
{
    if (parent != parentWidget())
        setParent(parent);
    _applyStyle();
    _layout->setSpacing(UiMetrics::metric35());
    const QSize size = UiMetrics::segmentOperationButtonSize(!removeOnly);
    const QPoint start(area.right() - kRightGap - size.width(), area.bottom());
    const QPoint end(start.x(), area.bottom() - kBottomGap - size.height());
    setGeometry(QRect(start, size));
    _duplicateButton->setHidden(removeOnly);
    if (!animationsEnabled()) {
        show();
        move(end);
        return;
    }
    QGraphicsOpacityEffect* effect = newOpacityEffect(this, 0.0);
    show();
    connect(animateInParallel(this, kSlideMs, {{effect, "opacity", 1.0}, {this, "pos", end}}),
            &QAbstractAnimation::finished, effect, [effect]() { effect->setEnabled(false); });
}

bool SegmentDraggingOperationWidget::_buttonHit(const TooltipButton* button, const QPoint& point)
{
    return button->geometry().adjusted(-kButtonReach, -kButtonReach, kButtonReach, kButtonReach).contains(point);
}

int SegmentDraggingOperationWidget::hitTest(const QPoint& point)
{
    if (!_duplicateButton->isHidden() && _buttonHit(_duplicateButton, point)) {
        _duplicateButton->setHighlighted(true);
        _trashButton->setHighlighted(false);
        return DuplicateButton;
    }
    _duplicateButton->setHighlighted(false);
    const bool onTrash = _buttonHit(_trashButton, point);
    _trashButton->setHighlighted(onTrash);
    return onTrash ? RemoveButton : NoButton;
}

QPoint SegmentDraggingOperationWidget::trashButtonCenter() const
{
    return _trashButton->mapToGlobal(QPoint(_trashButton->width() / 2, _trashButton->height() / 2));
}
