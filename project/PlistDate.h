#pragma once

#include <cstdint>

namespace Plist {

// A property-list date: whole seconds since 1970-01-01T00:00:00 UTC.
class Date
{
public:
    // The current time.
    Date();
    explicit Date(int64_t secondsSince1970) : _time(secondsSince1970) {}

    // Sets the time from calendar fields (month 1 to 12, full year), read as
    // UTC or as local time. Fields out of their range carry over into the
    // next larger one; a time the platform cannot represent throws.
    void set(int month, int day, int year, int hour, int minute, int second, bool utc);

    int64_t secondsSince1970() const { return _time; }

private:
    int64_t _time;
};

} // namespace Plist
