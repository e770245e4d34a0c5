#include "engine/zodiac_year.h"

#include <algorithm>

#include "engine/new_year_table.h"

namespace zodiac {
namespace {

using namespace std::chrono;

// The sign and element of the calendar year `y`, by the same cycles as the lunar rows.
ZodiacYear CalendarYear(year y) {
    const int n = static_cast<int>(y);
    constexpr ZodiacElement byLastDigit[] = {
        ZodiacElement::Metal, ZodiacElement::Metal, ZodiacElement::Water, ZodiacElement::Water, ZodiacElement::Wood,
        ZodiacElement::Wood,  ZodiacElement::Fire,  ZodiacElement::Fire,  ZodiacElement::Earth, ZodiacElement::Earth};
    return {y / January / 1d, y / December / 31d, static_cast<AnimalSign>((n - 1900) % 12), byLastDigit[n % 10]};
}

bool Within(year_month_day date, const DateRange& range) {
    return sys_days{range.first} <= sys_days{date} && sys_days{date} <= sys_days{range.last};
}

}  // namespace

DateRange Coverage(YearStart start) {
    if (start == YearStart::January) return {1900y / January / 1d, 2100y / December / 31d};
    return {kLunarYears.front().first, kLunarYears.back().last};
}

std::optional<ZodiacYear> FindZodiacYear(year_month_day date, YearStart start) {
    if (!date.ok() || !Within(date, Coverage(start))) return std::nullopt;
    if (start == YearStart::January) return CalendarYear(date.year());
    const sys_days day{date};
    // Rows are contiguous and sorted: the year is the last one to begin on or before the day.
    const auto after =
        std::ranges::upper_bound(kLunarYears, day, {}, [](const NewYearRow& row) { return sys_days{row.first}; });
    const NewYearRow& row = *std::prev(after);
    return ZodiacYear{row.first, row.last, row.sign, row.element};
}

}  // namespace zodiac
