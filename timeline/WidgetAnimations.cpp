#include "WidgetAnimations.h"

#include <QGraphicsOpacityEffect>
#include <QParallelAnimationGroup>
#include <QPropertyAnimation>
#include <QWidget>

namespace {

// GUI thread only, like the widgets that read it.
bool gAnimationsEnabled = true;

} // namespace

bool animationsEnabled()
{
    return gAnimationsEnabled;
}

void setAnimationsEnabled(bool enabled)
{
    gAnimationsEnabled = enabled;
}

QParallelAnimationGroup* animateInParallel(QObject* owner, int milliseconds,
                                           std::initializer_list<AnimatedProperty> properties)
{
    auto* group = new QParallelAnimationGroup(owner);
    for (const AnimatedProperty& property : properties) {
        auto* animation = new QPropertyAnimation(property.target, property.name, group);
        animation->setDuration(milliseconds);
        animation->setEndValue(property.endValue);
        group->addAnimation(animation);
    }
    group->start(QAbstractAnimation::DeleteWhenStopped);
    return group;
}

QGraphicsOpacityEffect* opacityEffectOf(QWidget* widget, qreal initialOpacity)
{
    auto* effect = qobject_cast<QGraphicsOpacityEffect*>(widget->graphicsEffect());
    if (!effect)
        return newOpacityEffect(widget, initialOpacity);
    effect->setEnabled(true);
    return effect;
}

QGraphicsOpacityEffect* newOpacityEffect(QWidget* widget, qreal opacity)
{
    auto* effect = new QGraphicsOpacityEffect(widget);
    effect->setOpacity(opacity);
    widget->setGraphicsEffect(effect);
    return effect;
}

QPropertyAnimation* runningMoveOf(const QObject* owner, const QWidget* widget)
{
    const auto groups = owner->findChildren<QParallelAnimationGroup*>(QString(), Qt::FindDirectChildrenOnly);
    for (QParallelAnimationGroup* group : groups) {
        for (int index = 0; index < group->animationCount(); ++index) {
            auto* move = qobject_cast<QPropertyAnimation*>(group->animationAt(index));
            if (move && move->targetObject() == widget && move->propertyName() == "pos" &&
                move->state() == QAbstractAnimation::Running)
                return move;
        }
    }
    return nullptr;
}

QPoint settledPos(const QObject* owner, const QWidget* widget)
{
    const QPropertyAnimation* move = runningMoveOf(owner, widget);
    return move ? move->endValue().toPoint() : widget->pos();
}
