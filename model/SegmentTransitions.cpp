// The transition list of a segment: timed entries whose start and length are
// fractions of the segment's duration, so they stretch with it.
#include "Segment.h"

#include "SegmentKeys.h"
#include "Util.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace {

// Space kept between a new transition and the one before it, so that the two
// stay apart on the timeline.
constexpr double kPlacementMargin = 0.04;
// A gap this much shorter than the transition still takes it.
constexpr float kFitTolerance = 0.01f;

// The free time from a start in a gap to the next entry or the segment's
// end: a gap taken within the fit tolerance may be a little shorter than
// the transition asked for, which then ends where the gap does.
float roomFrom(const Segment& segment, float start)
{
    float room = segment.duration() - start;
    for (int id = 1; id <= segment.transitionCount(); ++id) {
        const float next = segment.transitionStart(id);
        if (next > start)
            room = std::min(room, next - start);
    }
    return room;
}

// The fraction of the segment's length after the entry's start as stored,
// which a project read back measures from.
float roomFraction(const SegmentAttributes* entry)
{
    return 1.0f - Segment::floatAttribute(entry, SegmentKey::TStart, 0.0f);
}

// A length ending a rounding error after the segment ends where it does, as
// a project read back holds it.
void storeLengthInside(SegmentAttributes* entry, float lengthFraction)
{
    Segment::setFloatAttribute(entry, SegmentKey::TDuration, std::clamp(lengthFraction, 0.0f, roomFraction(entry)));
}

} // namespace

const SegmentAttributes::TransitionList* Segment::_transitionList() const
{
    return _attributes->transitions();
}

float Segment::_fractionOfDuration(float seconds) const
{
    const float fraction = seconds / duration();
    return std::isfinite(fraction) ? fraction : 0.0f;
}

int Segment::transitionCount() const
{
    return transitionCountOf(_attributes.get());
}

int Segment::isValidTransitionIndex(int position) const
{
    return transitionIdOf(position, _attributes.get());
}

const SegmentAttributes* Segment::transitionAt(int id) const
{
    return isValidTransitionIndex(id - 1) ? (*_transitionList())[size_t(id - 1)].get() : nullptr;
}

SegmentAttributes* Segment::transitionAt(int id)
{
    return const_cast<SegmentAttributes*>(std::as_const(*this).transitionAt(id));
}

const SegmentAttributes* Segment::transitionStateAt(int id, bool begin) const
{
    const SegmentAttributes* entry = transitionAt(id);
    return entry ? entry->state(begin) : nullptr;
}

SegmentAttributes* Segment::transitionStateAt(int id, bool begin)
{
    return const_cast<SegmentAttributes*>(std::as_const(*this).transitionStateAt(id, begin));
}

float Segment::transitionStart(int id) const
{
    return floatAttribute(transitionAt(id), SegmentKey::TStart, 0.0f) * duration();
}

void Segment::setTransitionStart(int id, float seconds)
{
    // A start a rounding error before the segment's own (a cut right at the
    // transition) is the segment's start, as a project read back holds it.
    SegmentAttributes* entry = transitionAt(id);
    setFloatAttribute(entry, SegmentKey::TStart, std::clamp(_fractionOfDuration(seconds), 0.0f, 1.0f));
    const float length = floatAttribute(entry, SegmentKey::TDuration, 0.0f);
    if (length > roomFraction(entry))
        storeLengthInside(entry, length);
}

float Segment::transitionDuration(int id) const
{
    return floatAttribute(transitionAt(id), SegmentKey::TDuration, 0.0f) * duration();
}

void Segment::setTransitionDuration(int id, float seconds)
{
    storeLengthInside(transitionAt(id), _fractionOfDuration(seconds));
}

int Segment::transitionEasingFunction(int id) const
{
    return intAttribute(transitionAt(id), SegmentKey::TEasingFunction, SegmentDefault::TEasingFunction);
}

void Segment::setTransitionEasingFunction(int id, int code)
{
    setIntAttribute(transitionAt(id), SegmentKey::TEasingFunction, code);
}

float Segment::insertTransitionAt(float length, float preferredTime) const
{
    // The free stretches between the entries, as (start, length).
    std::vector<std::pair<double, double>> gaps;
    double end = 0.0;
    for (int id = 1; id <= transitionCount(); ++id) {
        const double start = transitionStart(id);
        if (start > end)
            gaps.emplace_back(end, start - end);
        end = start + transitionDuration(id);
    }
    const double total = duration();
    if (total > end)
        gaps.emplace_back(end, total - end);

    for (const auto& [gapStart, gapLength] : gaps) {
        if (preferredTime > gapStart + gapLength)
            continue;
        const bool inside = gapStart < preferredTime && preferredTime < gapStart + gapLength;
        const double offset = inside ? preferredTime - gapStart : 0.0;
        const double room = gapLength - offset;
        const double at = gapStart + offset;
        if (room > length + kPlacementMargin)
            return float(at > 0.0 ? at + kPlacementMargin : at);
        if (Util::compareWithTolerance(float(room), length, kFitTolerance) >= 0)
            return float(at);
    }
    return -1.0f;
}

int Segment::addTransitionAtTime(float length, float timelineTime)
{
    if (!_transitionList())
        _attributes->resetTransitions();
    float start = insertTransitionAt(length, timelineTime - rangeStart());
    if (start < 0)
        start = insertTransitionAt(length, 0.0f);
    if (start < 0)
        return 0;

    auto entry = std::make_unique<SegmentAttributes>();
    entry->resetState(true);
    entry->resetState(false);
    const float room = roomFrom(*this, start);
    const int id = addTransition(entry, start);
    setTransitionStart(id, start);
    setTransitionDuration(id, std::min(length, room));
    applyTransitionState(id, true);
    applyTransitionState(id, false);
    return id;
}

int Segment::adjustTransitionForCommand(int id)
{
    const SegmentAttributes* source = transitionAt(id);
    if (!source)
        return 0;
    const float length = transitionDuration(id);
    const float start = insertTransitionAt(length, transitionStart(id) + length);
    if (start < 0)
        return 0;

    auto entry = _copyTransitionEntry(*source);
    const float room = roomFrom(*this, start);
    const int newId = addTransition(entry, start);
    setTransitionStart(newId, start);
    if (room < length)
        setTransitionDuration(newId, room);
    return newId;
}

std::unique_ptr<SegmentAttributes> Segment::_copyTransitionEntry(const SegmentAttributes& entry)
{
    auto copy = std::make_unique<SegmentAttributes>();
    copyPlainAttributes(&entry, copy.get());
    copyPlainAttributes(entry.state(true), &copy->resetState(true));
    copyPlainAttributes(entry.state(false), &copy->resetState(false));
    return copy;
}

int Segment::addTransition(std::unique_ptr<SegmentAttributes>& entry, float start)
{
    auto* list = _attributes->transitions();
    if (!list || !entry)
        return 0;
    // After every entry that starts at or before the new one.
    int position = 0;
    while (position < int(list->size()) && transitionStart(position + 1) <= start)
        ++position;
    list->insert(list->begin() + position, std::move(entry));
    return position + 1;
}

void Segment::removeTransition(int id)
{
    if (isValidTransitionIndex(id - 1))
        _attributes->transitions()->erase(_attributes->transitions()->begin() + (id - 1));
}

int Segment::neighbourTransitionBefore(int id) const
{
    if (!transitionAt(id))
        return 0;
    const float ownStart = transitionStart(id);
    int found = 0;
    float foundStart = 0.0f;
    for (int other = 1; other <= transitionCount(); ++other) {
        const float start = transitionStart(other);
        if (other == id || start >= ownStart || start < 0)
            continue;
        // The latest start; among equal starts the last in the list.
        if (!found || start >= foundStart) {
            found = other;
            foundStart = start;
        }
    }
    return found;
}

int Segment::neighbourTransitionAfter(int id) const
{
    if (!transitionAt(id))
        return 0;
    const float ownStart = transitionStart(id);
    const float total = duration();
    int found = 0;
    float foundStart = 0.0f;
    for (int other = 1; other <= transitionCount(); ++other) {
        const float start = transitionStart(other);
        if (other == id || start < ownStart || start >= total)
            continue;
        // The earliest start; among equal starts the first in the list.
        if (!found || start < foundStart) {
            found = other;
            foundStart = start;
        }
    }
    return found;
}

int Segment::transitionIdAtTime(float timelineTime) const
{
    // Lengths do not count: once a transition has started, the segment stays
    // animated by it until the next one starts.
    const double origin = rangeStart();
    int found = 0;
    for (int id = 1; id <= transitionCount(); ++id) {
        if (origin + transitionStart(id) > timelineTime)
            break;
        found = id;
    }
    return found;
}

bool Segment::isStaticAt(float timelineTime) const
{
    const float start = rangeStart();
    if (timelineTime < start || timelineTime >= start + duration())
        return false;
    return transitionIdAtTime(timelineTime) == 0;
}

int Segment::nextStateIndex(int index) const
{
    return index < transitionCount() ? index + 1 : 0;
}
