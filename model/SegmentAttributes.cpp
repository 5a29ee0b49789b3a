#include "SegmentAttributes.h"

#include "SegmentKeys.h"

bool SegmentAttributes::isStructuredKey(const QString& key)
{
    return key == SegmentKey::Transition || key == SegmentKey::TBegin || key == SegmentKey::TEnd;
}

std::unique_ptr<SegmentAttributes> SegmentAttributes::copy() const
{
    auto copied = std::make_unique<SegmentAttributes>();
    copied->_texts = _texts;
    if (_transitions) {
        TransitionList& entries = copied->resetTransitions();
        for (const auto& entry : *_transitions)
            entries.push_back(entry->copy());
    }
    if (_begin)
        copied->_begin = _begin->copy();
    if (_end)
        copied->_end = _end->copy();
    copied->_kept = _kept;
    copied->_keptInTransitions = _keptInTransitions;
    return copied;
}

const QString* SegmentAttributes::findText(const QString& key) const
{
    const auto it = _texts.constFind(key);
    return it == _texts.constEnd() ? nullptr : &it.value();
}

bool SegmentAttributes::setText(const QString& key, const QString& value)
{
    if (isStructuredKey(key))
        return false;
    _texts.insert(key, value);
    return true;
}

void SegmentAttributes::removeText(const QString& key)
{
    _texts.remove(key);
}

SegmentAttributes::TransitionList& SegmentAttributes::resetTransitions()
{
    _transitions = std::make_unique<TransitionList>();
    return *_transitions;
}

SegmentAttributes& SegmentAttributes::resetState(bool begin)
{
    auto& state = begin ? _begin : _end;
    state = std::make_unique<SegmentAttributes>();
    return *state;
}

void SegmentAttributes::clear()
{
    _texts.clear();
    _transitions.reset();
    _begin.reset();
    _end.reset();
    _kept = KeptXml();
    _keptInTransitions = KeptXml();
}
