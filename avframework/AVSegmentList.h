#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <unordered_map>
#include <vector>

// Engine segments of one kind in drawing (or mixing) order, with the first
// segment of each id at hand: a project of thousands of captions is looked
// up, added to and reordered without walking the whole list per segment.
// Several segments may share an id; the look-up gives the first of them in
// list order. Not locked: the composition guards each list with its mutex.
template <typename Segment>
class AVSegmentList {
public:
    using Segments = std::vector<Segment*>;

    const Segments& segments() const { return _segments; }
    typename Segments::const_iterator begin() const { return _segments.begin(); }
    typename Segments::const_iterator end() const { return _segments.end(); }
    size_t size() const { return _segments.size(); }
    bool empty() const { return _segments.empty(); }
    Segment* operator[](size_t index) const { return _segments[index]; }

    // Before the first segment with a greater id, so that equal ids keep the
    // order they were added in.
    void insertById(Segment* segment)
    {
        const uint32_t id = segment->id();
        auto at = _segments.end();
        // Ids mostly grow: no walk when none can be greater.
        if (id < _largestId)
            at = std::find_if(_segments.begin(), _segments.end(), [id](const Segment* s) { return s->id() > id; });
        _largestId = std::max(_largestId, id);
        at = _segments.insert(at, segment);
        const auto [entry, added] = _firstWithId.try_emplace(id, segment);
        if (!added && std::find(std::next(at), _segments.end(), entry->second) != _segments.end())
            entry->second = segment;
    }

    Segment* firstWithId(uint32_t id) const
    {
        const auto entry = _firstWithId.find(id);
        return entry == _firstWithId.end() ? nullptr : entry->second;
    }

    // Takes the segment out of the list; whether it was there.
    bool remove(const Segment* segment)
    {
        const auto found = std::find(_segments.begin(), _segments.end(), segment);
        if (found == _segments.end())
            return false;
        const auto after = _segments.erase(found);
        const uint32_t id = segment->id();
        const auto entry = _firstWithId.find(id);
        if (entry == _firstWithId.end() || entry->second != segment)
            return true;
        // It was the first of its id: the next one of that id lies after it.
        const auto next = std::find_if(after, _segments.end(), [id](const Segment* s) { return s->id() == id; });
        if (next == _segments.end())
            _firstWithId.erase(entry);
        else
            entry->second = *next;
        return true;
    }

    // The segments the ids name first, in that order (an id named again takes
    // the next segment of that id), then those left out, in their order; how
    // many were left out.
    size_t reorder(const uint32_t* ids, int32_t count)
    {
        constexpr size_t kNone = SIZE_MAX;
        // The index of each id's first segment not yet placed, and after each
        // segment the index of the next one of its id.
        std::unordered_map<uint32_t, size_t> firstUnplaced;
        std::vector<size_t> nextOfId(_segments.size(), kNone);
        for (size_t index = _segments.size(); index-- > 0;) {
            const auto [entry, added] = firstUnplaced.try_emplace(_segments[index]->id(), index);
            if (!added) {
                nextOfId[index] = entry->second;
                entry->second = index;
            }
        }
        Segments ordered;
        ordered.reserve(_segments.size());
        std::vector<bool> placed(_segments.size(), false);
        for (int32_t i = 0; ids && i < count; ++i) {
            const auto entry = firstUnplaced.find(ids[i]);
            if (entry == firstUnplaced.end() || entry->second == kNone)
                continue;
            const size_t index = entry->second;
            ordered.push_back(_segments[index]);
            placed[index] = true;
            entry->second = nextOfId[index];
        }
        const size_t leftOut = _segments.size() - ordered.size();
        for (size_t index = 0; index < _segments.size(); ++index) {
            if (!placed[index])
                ordered.push_back(_segments[index]);
        }
        _segments.swap(ordered);
        _firstWithId.clear();
        for (Segment* segment : _segments)
            _firstWithId.try_emplace(segment->id(), segment);
        return leftOut;
    }

    // Empties the list, handing its segments over.
    Segments take()
    {
        Segments taken;
        taken.swap(_segments);
        _firstWithId.clear();
        _largestId = 0;
        return taken;
    }

private:
    Segments _segments;
    std::unordered_map<uint32_t, Segment*> _firstWithId;
    // No segment in the list has a greater id (one that had may have left).
    uint32_t _largestId = 0;
};
