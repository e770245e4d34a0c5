#include "engine/zodiac_year.h"

#include "engine/new_year_table.h"

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

}  // namespace

DateRange Coverage(YearStart start) {
    if (start == YearStart::January) return {1900y / January / 1d, 2100y / December / 31d};
    return {kLunarYears.front().first, kLunarYears.back().last};
}

std::optional<ZodiacYear> FindZodiacYear(year_month_day date, YearStart start) {
    if (start == YearStart::January) {
        if (!date.ok() || !Within(date, Coverage(start))) return std::nullopt;
        return CalendarYear(date.year());
    }
    const NewYearRow* row = RowContaining(kLunarYears, date);
    if (!row) return std::nullopt;
    return ZodiacYear{row->first, row->last, row->sign, row->element};
}

}  // namespace zodiac
