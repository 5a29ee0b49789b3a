#include "PlistReader.h"

#include "PlistParsers.h"

#include <cstring>
#include <fstream>

namespace Plist {

namespace {

constexpr char kBinaryMagic[] = "bplist00";
constexpr int64_t kBinaryMagicSize = 8;
// Stream lengths are counted in a signed 32-bit number.
constexpr int64_t kMaxStreamSize = INT32_MAX;

} // namespace

void readPlist(const std::string& path, Dictionary& root)
{
    std::ifstream file(path, std::ios::in | std::ios::binary);
    if (!file)
        throw Error("Can't open file.");
    readPlist(file, root);
}

void readPlist(std::istream& stream, Dictionary& root)
{
    const std::streampos start = stream.tellg();
    stream.seekg(0, std::ios::end);
    const std::streamoff size = stream.tellg() - start;
    if (start == std::streampos(-1) || !stream || size < 1)
        throw Error("Can't read zero length data");
    if (size > kMaxStreamSize)
        throw Error("Plist: data of 2 GiB or more is not supported");
    stream.seekg(start);
    std::vector<char> buffer(static_cast<size_t>(size));
    if (!stream.read(buffer.data(), size))
        throw Error("Plist: read error");
    boost::any value;
    readPlist(buffer.data(), size, value);
    Dictionary* dictionary = boost::any_cast<Dictionary>(&value);
    if (!dictionary)
        throw boost::bad_any_cast();
    root.swap(*dictionary);
}

void readPlist(const char* data, int64_t size, boost::any& root)
{
    if (!data || size <= 0)
        throw Error("Plist: Empty plist data");
    if (size >= kBinaryMagicSize && std::memcmp(data, kBinaryMagic, kBinaryMagicSize) == 0)
        root = parseBinaryPlist(reinterpret_cast<const uint8_t*>(data), size);
    else
        root = parseXmlPlist(data, size_t(size));
}

} // namespace Plist
