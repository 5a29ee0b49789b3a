#pragma once

#include <QByteArray>
#include <QPoint>
#include <QVariant>

#include <initializer_list>

class QGraphicsOpacityEffect;
class QObject;
class QParallelAnimationGroup;
class QPropertyAnimation;
class QWidget;

// The program-wide switch for widget animations. Timeline tiles, tracks, the
// drag panels and the tool bars consult it before animating; rebuilding the
// whole timeline (undo, redo) turns it off meanwhile so that nothing flies.
bool animationsEnabled();
void setAnimationsEnabled(bool enabled);

// One property of an object animated from its current value to endValue.
struct AnimatedProperty {
    QObject* target;
    QByteArray name;
    QVariant endValue;
};

// Starts the animations together, owned by owner and deleted when they
// stop; connect to the group's finished for what follows.
QParallelAnimationGroup* animateInParallel(QObject* owner, int milliseconds,
                                           std::initializer_list<AnimatedProperty> properties);
// The widget's opacity effect, enabled; a new one at initialOpacity when it
// has none.
QGraphicsOpacityEffect* opacityEffectOf(QWidget* widget, qreal initialOpacity);
// A new opacity effect at the opacity, replacing the widget's effect.
QGraphicsOpacityEffect* newOpacityEffect(QWidget* widget, qreal opacity);
// The running "pos" animation of the widget among the groups that are
// direct children of owner, or null.
QPropertyAnimation* runningMoveOf(const QObject* owner, const QWidget* widget);
// Where the widget comes to rest: the end of its running move, or where it
// is. A new move builds on it, not on a position halfway; the running move
// is to be deleted first, or starting the new one would stop its whole group
// and strand the group's other widgets.
QPoint settledPos(const QObject* owner, const QWidget* widget);
