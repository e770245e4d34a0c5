#include "engine/zodiac_year.h"

#include "engine/new_year_table.h"
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

// The day of a year's risshun in Japan time, UTC+9 all through February since 1888.
sys_days RisshunDayInJapan(int y) { return floor<days>(*SetsuMoment(y, Setsu::Risshun) + hours{9}); }

}  // namespace

DateRange Coverage(YearStart start) {
    switch (start) {
        case YearStart::January:
            return {1900y / January / 1d, 2100y / December / 31d};
        case YearStart::Risshun:
            return {year_month_day{RisshunDayInJapan(1900)}, year_month_day{RisshunDayInJapan(2101) - days{1}}};
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
    if (start == YearStart::Risshun) return std::nullopt;
    const NewYearRow* row = RowContaining(kLunarYears, date);
    if (!row) return std::nullopt;
    return ZodiacYear{row->first, row->last, row->sign, row->element};
}

}  // namespace zodiac
