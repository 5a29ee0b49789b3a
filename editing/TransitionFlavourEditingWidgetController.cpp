#include "TransitionFlavourEditingWidgetController.h"

#include <QWidget>

TransitionFlavourEditingWidgetController::TransitionFlavourEditingWidgetController(bool transition,
                                                                                   QWidget* parent)
    : CommonEditingWidgetController(parent)
    , _transition(transition)
{
}

void TransitionFlavourEditingWidgetController::setVisible(bool visible)
{
    CommonEditingWidgetController::setVisible(visible);
    if (!visible) {
        _transitionId = 0;
        _state = -1;
    }
}

bool TransitionFlavourEditingWidgetController::_storeTransitionState(int transitionId, int state)
{
    const bool unchanged = transitionId == _transitionId && state == _state;
    _transitionId = transitionId;
    _state = state;
    return _hasTransitionState() && !unchanged;
}
