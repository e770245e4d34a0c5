#pragma once

#include <chrono>
#include <optional>

#include "engine/animal_sign.h"

namespace zodiac {

// Where a zodiac year begins: at the lunar new year, as in Chinese tradition and
// in the windows; on 1 January, as in everyday Japanese use; or on the day of
// risshun, the start of spring (about 4 February) in Japan time, as Japanese
// almanacs count it.
enum class YearStart { Lunar, January, Risshun };

// One zodiac year: every day from `begins` to `ends`, both inclusive. It is
// numbered by the calendar year it begins in, begins.year(), under every year start.
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
// under 1 January, and the risshun of 1900 to the day before that of 2101.
DateRange Coverage(YearStart start);

// The zodiac year a date falls in under the lunar or 1 January year start;
// nothing for a date outside the coverage or one that does not exist. Unlike the
// lookup by display name (SignLookup), it keeps nothing. A risshun year turns
// at a moment, so it is found from the moment (RisshunYearAt) or from the day on
// a birthplace's clock.
std::optional<ZodiacYear> FindZodiacYear(std::chrono::year_month_day date, YearStart start);

}  // namespace zodiac
