#pragma once

#include "CommonEditingWidgetController.h"

// A section that exists twice: once editing the segment, once editing the
// begin or end state of one of its transitions.
class TransitionFlavourEditingWidgetController : public CommonEditingWidgetController
{
    Q_OBJECT

public:
    TransitionFlavourEditingWidgetController(bool transition, QWidget* parent);

    // Hiding forgets the transition, so showing again re-reads its state.
    void setVisible(bool visible) override;

    int transitionId() const { return _transitionId; }
    // Negative none, 0 the transition's end state, other values its begin.
    int state() const { return _state; }
    bool isTransition() const { return _transition; }

protected:
    // Stores the transition and state; true when the section should read the
    // state's values: a valid transition and state that differ from before.
    bool _storeTransitionState(int transitionId, int state);
    // Whether the controls take input: a valid transition and state.
    bool _hasTransitionState() const { return _transitionId > 0 && _state >= 0; }
    // The begin state is read for every state but 0, the end.
    bool _readsBeginState() const { return _state != 0; }

private:
    int _transitionId = 0;
    int _state = -1;
    bool _transition = false;
};
