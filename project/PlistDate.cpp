#include "PlistDate.h"

#include "PlistError.h"

#include <cerrno>
#include <climits>
#include <ctime>

namespace Plist {

Date::Date() : _time(int64_t(std::time(nullptr)))
{
}

void Date::set(int month, int day, int year, int hour, int minute, int second, bool utc)
{
    const int64_t tmYear = int64_t(year) - 1900;
    const int64_t tmMonth = int64_t(month) - 1;
    if (tmYear < INT_MIN || tmMonth < INT_MIN)
        throw Error("Plist::Date::set() date invalid");
    std::tm fields{};
    fields.tm_year = int(tmYear);
    fields.tm_mon = int(tmMonth);
    fields.tm_mday = day;
    fields.tm_hour = hour;
    fields.tm_min = minute;
    fields.tm_sec = second;
    // UTC fields go through timegm: removing the local offset by hand is
    // wrong for the hours around a daylight-saving change. Local fields let
    // the platform decide whether daylight saving applies at that time.
    fields.tm_isdst = utc ? 0 : -1;
    errno = 0;
    const std::time_t time = utc ? timegm(&fields) : std::mktime(&fields);
    // -1 is also one second before 1970, which is no failure.
    if (time == std::time_t(-1) && errno != 0)
        throw Error("Plist::Date::set() date invalid");
    _time = int64_t(time);
}

} // namespace Plist
