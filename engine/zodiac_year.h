#pragma once

#include <chrono>
#include <optional>

#include "engine/animal_sign.h"

namespace zodiac {

// Where a zodiac year begins: at the lunar new year, as in Chinese tradition and
// in the windows, or on 1 January, as in Japan since the calendar reform.
enum class YearStart { Lunar, January };

// One zodiac year: every day from `begins` to `ends`, both inclusive.
struct ZodiacYear {
    std::chrono::year_month_day begins;
    std::chrono::year_month_day ends;
    AnimalSign sign;
    ZodiacElement element;
    bool operator==(const ZodiacYear&) const = default;
};

struct DateRange {
    std::chrono::year_month_day first;
    std::chrono::year_month_day last;
};

// The days each year start can answer for: 1900-01-31 to 2100-02-08 under the
// lunar year start (the lunar years 1900 to 2099), 1900-01-01 to 2100-12-31
// under 1 January.
DateRange Coverage(YearStart start);

// The zodiac year a date falls in; nothing for a date outside the coverage or
// one that does not exist. Unlike the windows' lookup, it keeps nothing.
std::optional<ZodiacYear> FindZodiacYear(std::chrono::year_month_day date, YearStart start);

}  // namespace zodiac
