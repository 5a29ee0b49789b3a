#include "AVSegmentHold.h"

#include "AVComposition.h"

#include <utility>

AVSegmentHold::AVSegmentHold(AVComposition* composition, AVSegment* segment)
    : _composition(segment ? composition : nullptr), _segment(segment)
{
}

AVSegmentHold::~AVSegmentHold()
{
    if (_segment)
        _composition->_releaseHold(_segment);
}

AVSegmentHold::AVSegmentHold(AVSegmentHold&& other) noexcept
    : _composition(std::exchange(other._composition, nullptr)), _segment(std::exchange(other._segment, nullptr))
{
}
