#include "engine/zodiac_year.h"

#include <algorithm>

#include "engine/new_year_table.h"
#include "engine/setsu_instants.h"
#include "engine/solar_terms.h"

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

// The day of each risshun, 1900 to 2101, in Japan time (UTC+9 all through February
// since 1888): the days the zodiac year begins on when no birthplace is given.
constexpr std::array<year_month_day, 2101 - 1900 + 1> RisshunDaysInJapan() {
    std::array<year_month_day, 2101 - 1900 + 1> japan{};
    for (std::size_t i = 0; i < japan.size(); ++i) {
        const sys_seconds risshun{
            seconds{detail::kSetsuSeconds[i * kSetsuCount + static_cast<std::size_t>(Setsu::Risshun)]}};
        japan[i] = year_month_day{floor<days>(risshun + hours{9})};
    }
    return japan;
}
constexpr auto kRisshunDays = RisshunDaysInJapan();

// The risshun year that holds the date: from the last risshun on or before it
// to the day before the next.
std::optional<ZodiacYear> RisshunYearInJapan(year_month_day date) {
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
    if (start == YearStart::Risshun) return date.ok() ? RisshunYearInJapan(date) : std::nullopt;
    const NewYearRow* row = RowContaining(kLunarYears, date);
    if (!row) return std::nullopt;
    return ZodiacYear{row->first, row->last, row->sign, row->element};
}

}  // namespace zodiac
