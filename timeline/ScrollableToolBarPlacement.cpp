// Where the bar sits in its parent and how it comes and goes: docked at the
// bottom or floating above it, dimmed, faded, dismissed.
#include "ScrollableToolBar.h"

#include "TooltipButton.h"
#include "WidgetAnimations.h"

#include <QGraphicsOpacityEffect>
#include <QParallelAnimationGroup>
#include <QScrollArea>

namespace {

constexpr int kAnimationMs = 200;

void disableWhenFinished(QParallelAnimationGroup* group, QGraphicsOpacityEffect* effect)
{
    QObject::connect(group, &QAbstractAnimation::finished, effect, [effect]() { effect->setEnabled(false); });
}

} // namespace

QRect ScrollableToolBar::_parentRect() const
{
    return parentWidget() ? QRect(QPoint(0, 0), parentWidget()->size()) : QRect(QPoint(0, 0), size());
}

void ScrollableToolBar::placeAtBottom(int barHeight, int gapHeight)
{
    _bottomPlaceholder->setFixedHeight(gapHeight);
    const QRect area = _parentRect();
    const int total = barHeight + gapHeight;
    int y = int(area.bottom() - total * 1.5);
    if (_docked)
        y = area.bottom() - total + (_dimmed ? _scrollArea->height() / 2 : 0);
    setGeometry(0, y, area.width(), total);
    if (_overflowButton && _overflowActive)
        _placeOverflowButton(_rightIndicatorWidth());
    _layoutOverflow();
}

void ScrollableToolBar::slideUp()
{
    _docked = true;
    const QPoint docked(0, _parentRect().bottom() - height());
    if (!animationsEnabled()) {
        move(docked);
        show();
        return;
    }
    QGraphicsOpacityEffect* effect = newOpacityEffect(this, 0.0);
    show();
    disableWhenFinished(animateInParallel(this, kAnimationMs, {{effect, "opacity", 1.0}, {this, "pos", docked}}),
                        effect);
}

void ScrollableToolBar::showFloating()
{
    _docked = false;
    hideIndicators();
    move(0, int(_parentRect().bottom() - height() * 1.5));
    if (!animationsEnabled()) {
        show();
        return;
    }
    QGraphicsOpacityEffect* effect = newOpacityEffect(this, 0.0);
    show();
    disableWhenFinished(animateInParallel(this, kAnimationMs, {{effect, "opacity", 1.0}}), effect);
}

void ScrollableToolBar::dismiss()
{
    auto* effect = qobject_cast<QGraphicsOpacityEffect*>(graphicsEffect());
    if (!animationsEnabled() || !effect) {
        hide();
        deleteLater();
        return;
    }
    effect->setEnabled(true);
    // Docked, the bar also sinks below its parent's bottom.
    const QPoint end = _docked ? QPoint(0, _parentRect().bottom()) : pos();
    QParallelAnimationGroup* group =
        animateInParallel(this, kAnimationMs, {{effect, "opacity", 0.0}, {this, "pos", end}});
    connect(group, &QAbstractAnimation::finished, this, [this]() {
        hide();
        deleteLater();
    });
}

void ScrollableToolBar::fadeOut()
{
    if (!animationsEnabled()) {
        _opacityBeforeFade = 1.0;
        hide();
        return;
    }
    QGraphicsOpacityEffect* effect = opacityEffectOf(this, 1.0);
    _opacityBeforeFade = effect->opacity();
    connect(animateInParallel(this, kAnimationMs, {{effect, "opacity", 0.0}}), &QAbstractAnimation::finished, this,
            &QWidget::hide);
}

void ScrollableToolBar::fadeIn()
{
    if (!isHidden())
        return;
    show();
    if (!animationsEnabled())
        return;
    QGraphicsOpacityEffect* effect = opacityEffectOf(this, 0.0);
    disableWhenFinished(animateInParallel(this, kAnimationMs, {{effect, "opacity", _opacityBeforeFade}}), effect);
}

void ScrollableToolBar::setDimmed()
{
    _yBeforeDim = y();
    const QPoint lowered(x(), y() + _scrollArea->height() / 2);
    const qreal opacity = _bottomGap < 1 ? 0.75 : 0.5;
    QGraphicsOpacityEffect* effect = opacityEffectOf(this, 1.0);
    if (animationsEnabled()) {
        animateInParallel(this, kAnimationMs, {{this, "pos", lowered}, {effect, "opacity", opacity}});
    } else {
        move(lowered);
        effect->setOpacity(opacity);
    }
    setAttribute(Qt::WA_TransparentForMouseEvents, true);
    _dimmed = true;
}

void ScrollableToolBar::undim()
{
    const QPoint raised(x(), _yBeforeDim);
    auto* effect = qobject_cast<QGraphicsOpacityEffect*>(graphicsEffect());
    if (animationsEnabled()) {
        // Dimming gave the bar its opacity effect.
        effect = opacityEffectOf(this, 1.0);
        disableWhenFinished(animateInParallel(this, kAnimationMs, {{this, "pos", raised}, {effect, "opacity", 1.0}}),
                            effect);
    } else {
        move(raised);
        if (effect) {
            effect->setOpacity(1.0);
            effect->setEnabled(false);
        }
    }
    setAttribute(Qt::WA_TransparentForMouseEvents, false);
    _dimmed = false;
}
