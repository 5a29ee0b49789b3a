// libFuzzer entry for the property-list reader: any input must end in a
// value or an exception, never in a crash, a hang or a leak.

#include "PlistReader.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        boost::any value;
        Plist::readPlist(reinterpret_cast<const char*>(data), int64_t(size), value);
    } catch (const std::exception&) {
    }
    return 0;
}
