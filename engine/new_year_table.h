#pragma once

#include <algorithm>
#include <array>
#include <chrono>
#include <span>

#include "engine/animal_sign.h"

namespace zodiac {

// One lunar year: every day from `first` to `last`, both inclusive.
struct NewYearRow {
    std::chrono::year year;
    std::chrono::year_month_day first;
    std::chrono::year_month_day last;
    AnimalSign sign;
    ZodiacElement element;
};

}  // namespace zodiac

// The lunar years 1900 to 2099 as kLunarYears, written by tools/lunar_years.py.
#include "engine/lunar_years.h"

namespace zodiac {

using detail::kLunarYears;

// The rows the lookup by display name (SignLookup) knows: the year that holds
// January 1936 to the one that holds December 2008. The year lists offer 1936 to
// 2008; the Wood Boar year of 1935 holds the first weeks of January 1936 and the
// Earth Rat year of 2008 runs into 2009. Dates outside these rows keep that
// lookup's last result, as they always did.
inline constexpr std::span<const NewYearRow> kNewYearTable =
    std::span<const NewYearRow>{kLunarYears}.subspan(1935 - 1900, 2008 - 1935 + 1);

// The row that holds `date`, if any. Rows are contiguous and sorted, so it can
// only be the last one to begin on or before the date.
constexpr const NewYearRow* RowContaining(std::span<const NewYearRow> rows, std::chrono::year_month_day date) {
    using std::chrono::sys_days;
    if (!date.ok()) return nullptr;
    const sys_days day{date};
    const auto after =
        std::ranges::upper_bound(rows, day, {}, [](const NewYearRow& row) { return sys_days{row.first}; });
    if (after == rows.begin()) return nullptr;
    const NewYearRow& row = *std::prev(after);
    return day <= sys_days{row.last} ? &row : nullptr;
}

namespace detail {
// A row's sign follows the twelve-year cycle and its element the last digit of its year.
constexpr bool RowFollowsCycle(const NewYearRow& row) {
    const int y = static_cast<int>(row.year);
    return row.first.year() == row.year && row.sign == SignOfYear(y) && row.element == ElementOfYear(y);
}

constexpr bool TableIsContiguous() {
    using std::chrono::sys_days;
    for (std::size_t k = 0; k < kLunarYears.size(); ++k) {
        const auto& row = kLunarYears[k];
        if (!row.first.ok() || !row.last.ok() || !RowFollowsCycle(row)) return false;
        const auto span = (sys_days{row.last} - sys_days{row.first}).count() + 1;
        if (span < 353 || span > 385) return false;
        if (k + 1 < kLunarYears.size() &&
            sys_days{kLunarYears[k + 1].first} != sys_days{row.last} + std::chrono::days{1})
            return false;
    }
    return true;
}
}  // namespace detail

static_assert(detail::TableIsContiguous(), "new-year rows must follow the cycle, span a lunar year and leave no gap");
static_assert(kLunarYears.front().first == std::chrono::year{1900} / 1 / 31 &&
                  kLunarYears.back().last == std::chrono::year{2100} / 2 / 8,
              "the lunar years must cover 1900-01-31 to 2100-02-08");
static_assert(kNewYearTable.front().year == std::chrono::year{1935} &&
                  kNewYearTable.back().year == std::chrono::year{2008},
              "the windows' rows must run from the lunar year 1935 to 2008");
static_assert(std::chrono::sys_days{kNewYearTable.front().first} <=
                      std::chrono::sys_days{std::chrono::year{1936} / 1 / 1} &&
                  std::chrono::sys_days{kNewYearTable.back().last} >=
                      std::chrono::sys_days{std::chrono::year{2008} / 12 / 31},
              "every date from 1936 to 2008 must find a row");

}  // namespace zodiac
