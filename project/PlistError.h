#pragma once

#include <stdexcept>
#include <string>

namespace Plist {

// What the property-list reader throws for input it cannot read.
class Error : public std::runtime_error
{
public:
    explicit Error(const std::string& message) : std::runtime_error(message) {}
};

} // namespace Plist
