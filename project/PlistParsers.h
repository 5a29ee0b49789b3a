#pragma once

// The two forms the reader parses, behind Plist::readPlist.

#include <boost/any.hpp>

#include <cstddef>
#include <cstdint>

namespace Plist {

// Containers nest at most this deep: deeper input is refused rather than
// recursing until the stack runs out.
constexpr int kMaxNesting = 512;

boost::any parseXmlPlist(const char* data, size_t size);
// data starts with "bplist00".
boost::any parseBinaryPlist(const uint8_t* data, int64_t size);

} // namespace Plist
