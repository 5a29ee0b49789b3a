#include "PlistBinaryParser.h"

#include "PlistParsers.h"

#include <boost/locale/encoding_utf.hpp>

#include <cmath>
#include <cstring>

namespace Plist {

namespace {

constexpr int64_t kHeaderSize = 8;
constexpr int64_t kTrailerSize = 32;
// Seconds from 1970-01-01 to 2001-01-01, where binary dates count from.
constexpr double kDateEpochOffset = 978307200.0;
// A list decodes at most this many objects per byte of input (plus a floor),
// and this many content bytes per byte of input (plus a floor). Every object
// but the root is reached through a reference of at least one byte, so a
// list that shares no containers stays below however often its keys and
// values are shared; only shared containers multiply the work.
constexpr uint64_t kObjectsPerInputByte = 2;
constexpr uint64_t kObjectFloor = 4096;
constexpr uint64_t kBytesPerInputByte = 64;
constexpr uint64_t kByteFloor = 1 << 20;

uint64_t bigEndian(const uint8_t* bytes, uint64_t length)
{
    uint64_t value = 0;
    for (uint64_t i = 0; i < length; ++i)
        value = (value << 8) | bytes[i];
    return value;
}

} // namespace

boost::any parseBinaryPlist(const uint8_t* data, int64_t size)
{
    return BinaryParser(data, size).parseRoot();
}

BinaryParser::BinaryParser(const uint8_t* data, int64_t size) : _data(data)
{
    if (size < kHeaderSize + kTrailerSize)
        throw Error("Plist: binary data shorter than its header and trailer");
    const uint8_t* trailer = data + size - kTrailerSize;
    _offsetEntrySize = trailer[6];
    _referenceSize = trailer[7];
    // The trailer's object count plays no part: references are checked
    // against the offsets actually present.
    const uint64_t tablePosition = bigEndian(trailer + 24, 8);
    if (_offsetEntrySize == 0)
        throw Error("Plist: offset entries of size 0");
    if (_referenceSize == 0)
        throw Error("Plist: object references of size 0");
    const int64_t offsetTableEnd = size - kTrailerSize;
    if (tablePosition > uint64_t(offsetTableEnd))
        throw Error("Plist: offset table beyond the data");
    _tableLength = int64_t(tablePosition);
    for (int64_t position = _tableLength; position < offsetTableEnd; position += _offsetEntrySize) {
        if (_offsetEntrySize > offsetTableEnd - position)
            throw Error("Out of bounds getRange");
        _offsets.push_back(uint32_t(bigEndian(data + position, uint64_t(_offsetEntrySize))));
    }
    _open.assign(_offsets.size(), false);
    _objectBudget = kObjectsPerInputByte * uint64_t(size) + kObjectFloor;
    _byteBudget = kBytesPerInputByte * uint64_t(size) + kByteFloor;
}

boost::any BinaryParser::parseRoot()
{
    return _parseObject(0, 0);
}

void BinaryParser::_checkRange(int64_t position, uint64_t count, uint64_t unitSize) const
{
    if (position < 0 || position > _tableLength || count > uint64_t(_tableLength - position) / unitSize)
        throw Error("Out of bounds getRange");
}

uint64_t BinaryParser::_readUnsigned(int64_t position, uint64_t length) const
{
    _checkRange(position, length, 1);
    return bigEndian(_data + position, length);
}

void BinaryParser::_charge(uint64_t contentBytes)
{
    if (_objectBudget == 0 || contentBytes > _byteBudget)
        throw Error("Plist: the list refers to more objects than it can hold");
    --_objectBudget;
    _byteBudget -= contentBytes;
}

BinaryParser::Extent BinaryParser::_extent(int64_t markerPosition, int info) const
{
    if (info != 0xF)
        return {uint64_t(info), markerPosition + 1};
    const uint8_t countMarker = uint8_t(_readUnsigned(markerPosition + 1, 1));
    const uint64_t countBytes = uint64_t(1) << (countMarker & 0xF);
    return {_readUnsigned(markerPosition + 2, countBytes), markerPosition + 2 + int64_t(countBytes)};
}

boost::any BinaryParser::_parseObject(uint64_t reference, int depth)
{
    if (reference >= _offsets.size())
        throw Error("Plist: object reference beyond the offset table");
    if (depth > kMaxNesting)
        throw Error("Plist: objects nested too deeply");
    const int64_t position = _offsets[reference];
    if (position >= _tableLength)
        throw Error("Plist: object offset outside the object table");
    const uint8_t marker = _data[position];
    const int info = marker & 0xF;
    switch (marker >> 4) {
    case 0x0:
        _charge(0);
        return _parseSimple(marker);
    case 0x1: {
        _charge(0);
        const uint64_t length = uint64_t(1) << info;
        const uint64_t value = _readUnsigned(position + 1, length);
        // Up to 4 bytes the number is unsigned; from 8 bytes on its low
        // 8 bytes are a two's-complement value.
        return Integer(value);
    }
    case 0x2:
        _charge(0);
        return _parseReal(position, info);
    case 0x3:
        _charge(0);
        return _parseDate(position);
    case 0x4: {
        const Extent extent = _extent(position, info);
        _checkRange(extent.start, extent.count, 1);
        _charge(extent.count);
        return Data(_data + extent.start, _data + extent.start + extent.count);
    }
    case 0x5: {
        const Extent extent = _extent(position, info);
        _checkRange(extent.start, extent.count, 1);
        _charge(extent.count);
        return std::string(reinterpret_cast<const char*>(_data + extent.start), size_t(extent.count));
    }
    case 0x6:
        return _parseUtf16(_extent(position, info));
    case 0x8:
        _charge(0);
        return Reference(uint32_t(_readUnsigned(position + 1, uint64_t(info) + 1)));
    case 0xA:
        return _parseArray(reference, _extent(position, info), depth);
    case 0xD:
        return _parseDictionary(reference, _extent(position, info), depth);
    default:
        throw Error("This type is not supported");
    }
}

boost::any BinaryParser::_parseReferenced(int64_t referencePosition, int depth)
{
    return _parseObject(uint32_t(_readUnsigned(referencePosition, uint64_t(_referenceSize))), depth);
}

boost::any BinaryParser::_parseSimple(uint8_t marker) const
{
    switch (marker) {
    case 0x08:
        return false;
    case 0x09:
        return true;
    case 0x00:
        throw Error("Plist: null byte encountered, unsure how to parse");
    case 0x0F:
        throw Error("Plist: fill byte encountered, unsure how to parse");
    default:
        throw Error("Plist: unknown header " + std::string(1, char(marker)));
    }
}

boost::any BinaryParser::_parseReal(int64_t position, int info) const
{
    const uint64_t length = uint64_t(1) << info;
    const uint64_t bits = _readUnsigned(position + 1, length);
    if (length == 4) {
        float single;
        const uint32_t singleBits = uint32_t(bits);
        std::memcpy(&single, &singleBits, sizeof single);
        return double(single);
    }
    if (length == 8) {
        double value;
        std::memcpy(&value, &bits, sizeof value);
        return value;
    }
    return 0.0;
}

Date BinaryParser::_parseDate(int64_t position) const
{
    const uint64_t bits = _readUnsigned(position + 1, 8);
    double seconds;
    std::memcpy(&seconds, &bits, sizeof seconds);
    seconds = std::trunc(seconds + kDateEpochOffset);
    // Outside this range the conversion to whole seconds is undefined.
    if (!(seconds > -9.2e18 && seconds < 9.2e18))
        throw Error("Plist: date out of range");
    return Date(int64_t(seconds));
}

std::string BinaryParser::_parseUtf16(const Extent& extent)
{
    _checkRange(extent.start, extent.count, 2);
    _charge(extent.count * 2);
    std::u16string units(size_t(extent.count), u'\0');
    for (uint64_t i = 0; i < extent.count; ++i)
        units[i] = char16_t(bigEndian(_data + extent.start + 2 * i, 2));
    return boost::locale::conv::utf_to_utf<char>(units.data(), units.data() + units.size(),
                                                  boost::locale::conv::stop);
}

Array BinaryParser::_parseArray(uint64_t reference, const Extent& extent, int depth)
{
    _checkRange(extent.start, extent.count, uint64_t(_referenceSize));
    _charge(0);
    if (_open[reference])
        throw Error("Plist: an array contains itself");
    _open[reference] = true;
    Array array;
    array.reserve(extent.count);
    for (uint64_t i = 0; i < extent.count; ++i) {
        const int64_t at = extent.start + int64_t(i) * _referenceSize;
        array.push_back(_parseReferenced(at, depth + 1));
    }
    _open[reference] = false;
    return array;
}

Dictionary BinaryParser::_parseDictionary(uint64_t reference, const Extent& extent, int depth)
{
    // Keys first, then the values, each a reference.
    if (extent.count > uint64_t(_tableLength))
        throw Error("Out of bounds getRange");
    _checkRange(extent.start, extent.count * 2, uint64_t(_referenceSize));
    _charge(0);
    if (_open[reference])
        throw Error("Plist: a dictionary contains itself");
    _open[reference] = true;
    Dictionary dictionary;
    const int64_t valuesStart = extent.start + int64_t(extent.count) * _referenceSize;
    for (uint64_t i = 0; i < extent.count; ++i) {
        const int64_t keyAt = extent.start + int64_t(i) * _referenceSize;
        const boost::any key = _parseReferenced(keyAt, depth + 1);
        const std::string* name = boost::any_cast<std::string>(&key);
        if (!name)
            throw boost::bad_any_cast();
        const int64_t valueAt = valuesStart + int64_t(i) * _referenceSize;
        dictionary[*name] = _parseReferenced(valueAt, depth + 1);
    }
    _open[reference] = false;
    return dictionary;
}

} // namespace Plist
