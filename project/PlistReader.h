#pragma once

#include "PlistDate.h"
#include "PlistError.h"

#include <boost/any.hpp>

#include <cstdint>
#include <istream>
#include <map>
#include <string>
#include <vector>

// Reads property lists, XML or binary ("bplist00"), into a tree of values
// each held in a boost::any: Dictionary, Array, std::string (UTF-8),
// Integer, double, bool, Date, Data and, from binary lists only, Reference
// (a keyed archive's link to an entry of its "$objects" array). Malformed
// input throws: Plist::Error, boost::bad_any_cast when the root or a
// dictionary key has the wrong kind, or the UTF-16 conversion's error.
namespace Plist {

using Dictionary = std::map<std::string, boost::any>;
using Array = std::vector<boost::any>;
using Data = std::vector<uint8_t>;
using Integer = int64_t;
using Reference = int32_t;

// Reads the file at the UTF-8 path; its root must be a dictionary, which
// replaces the contents of root. Nothing changes when the read fails.
void readPlist(const std::string& path, Dictionary& root);
// The same from the stream's current position to its end.
void readPlist(std::istream& stream, Dictionary& root);
// Parses size bytes; the root may be of any kind.
void readPlist(const char* data, int64_t size, boost::any& root);

} // namespace Plist
