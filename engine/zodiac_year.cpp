#include "engine/zodiac_year.h"

#include <algorithm>

#include "engine/new_year_table.h"
#include "engine/risshun_days.h"

namespace zodiac {
namespace {

using namespace std::chrono;

// A calendar year goes by the same cycles as the lunar ones.
ZodiacYear CalendarYear(year y) {
    const int n = static_cast<int>(y);
    return {y / January / 1d, y / December / 31d, SignOfYear(n), ElementOfYear(n)};
}

bool Within(year_month_day date, const DateRange& range) {
    return sys_days{range.first} <= sys_days{date} && sys_days{date} <= sys_days{range.last};
}

using detail::kRisshunDays;

// Risshun falls on 3, 4 or 5 February of each year, one a year from 1900 on.
constexpr bool RisshunDaysFollowTheYears() {
    for (std::size_t i = 0; i < kRisshunDays.size(); ++i) {
        const year_month_day day = kRisshunDays[i];
        if (day.year() != year{1900 + static_cast<int>(i)} || day.month() != February || day.day() < 3d ||
            day.day() > 5d)
            return false;
    }
    return true;
}
static_assert(kRisshunDays.size() == 2101 - 1900 + 1 && RisshunDaysFollowTheYears(),
              "one risshun a year, 1900 to 2101, on 3 to 5 February");

// The risshun year that holds the date: from the last risshun on or before it
// to the day before the next.
std::optional<ZodiacYear> RisshunYear(year_month_day date) {
    const auto after =
        std::ranges::upper_bound(kRisshunDays, sys_days{date}, {}, [](year_month_day day) { return sys_days{day}; });
    if (after == kRisshunDays.begin() || after == kRisshunDays.end()) return std::nullopt;
    const int n = static_cast<int>(std::prev(after)->year());
    return ZodiacYear{*std::prev(after), year_month_day{sys_days{*after} - days{1}}, SignOfYear(n), ElementOfYear(n)};
}

}  // namespace

DateRange Coverage(YearStart start) {
    switch (start) {
        case YearStart::January:
            return {1900y / January / 1d, 2100y / December / 31d};
        case YearStart::Risshun:
            return {kRisshunDays.front(), year_month_day{sys_days{kRisshunDays.back()} - days{1}}};
        case YearStart::Lunar:
            break;
    }
    return {kLunarYears.front().first, kLunarYears.back().last};
}

std::optional<ZodiacYear> FindZodiacYear(year_month_day date, YearStart start) {
    if (start == YearStart::January) {
        if (!date.ok() || !Within(date, Coverage(start))) return std::nullopt;
        return CalendarYear(date.year());
    }
    if (start == YearStart::Risshun) return date.ok() ? RisshunYear(date) : std::nullopt;
    const NewYearRow* row = RowContaining(kLunarYears, date);
    if (!row) return std::nullopt;
    return ZodiacYear{row->first, row->last, row->sign, row->element};
}

}  // namespace zodiac
