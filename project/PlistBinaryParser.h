#pragma once

#include "PlistReader.h"

#include <cstdint>
#include <vector>

namespace Plist {

// One read of a binary property list. The file comes from outside, so
// every range is checked in 64 bits against the object table, references
// must name an object, a container that contains itself is refused, and
// the work is bounded: objects referenced many times are decoded each time,
// which a small file could otherwise turn into exponential work.
class BinaryParser
{
public:
    BinaryParser(const uint8_t* data, int64_t size);
    // Object 0 and everything it refers to.
    boost::any parseRoot();

private:
    struct Extent {
        uint64_t count;
        int64_t start;
    };

    boost::any _parseObject(uint64_t reference, int depth);
    // The object named by the reference stored at the position.
    boost::any _parseReferenced(int64_t referencePosition, int depth);
    boost::any _parseSimple(uint8_t marker) const;
    boost::any _parseReal(int64_t position, int info) const;
    Date _parseDate(int64_t position) const;
    std::string _parseUtf16(const Extent& extent);
    Array _parseArray(uint64_t reference, const Extent& extent, int depth);
    Dictionary _parseDictionary(uint64_t reference, const Extent& extent, int depth);
    // The count after a marker with the given info, and where the content starts.
    Extent _extent(int64_t markerPosition, int info) const;
    // Throws unless count items of unitSize bytes lie in the object table.
    void _checkRange(int64_t position, uint64_t count, uint64_t unitSize) const;
    // A big-endian number of the given length; only its low 64 bits count.
    uint64_t _readUnsigned(int64_t position, uint64_t length) const;
    // Counts one decoded object of the given content size against the budget.
    void _charge(uint64_t contentBytes);

    const uint8_t* _data;
    // The object table: the bytes before the offset table.
    int64_t _tableLength = 0;
    int _offsetEntrySize = 0;
    int _referenceSize = 0;
    std::vector<uint32_t> _offsets;
    // Containers being decoded, to refuse cycles.
    std::vector<bool> _open;
    uint64_t _objectBudget = 0;
    uint64_t _byteBudget = 0;
};

} // namespace Plist
