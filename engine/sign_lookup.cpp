#include "engine/sign_lookup.h"

#include <algorithm>

#include "engine/new_year_table.h"

namespace zodiac {
namespace {

const NewYearRow* FindRow(std::chrono::year_month_day birth) {
    using std::chrono::sys_days;
    if (!birth.ok()) return nullptr;
    const sys_days day{birth};
    // Rows are contiguous and sorted, so the candidate is the last row starting on or before the day.
    const auto after =
        std::ranges::upper_bound(kNewYearTable, day, {}, [](const NewYearRow& row) { return sys_days{row.first}; });
    if (after == kNewYearTable.begin()) return nullptr;
    const NewYearRow& row = *std::prev(after);
    return day <= sys_days{row.last} ? &row : nullptr;
}

}  // namespace

std::string SignLookup::GetAnimalSign(std::chrono::year_month_day birth) {
    if (const NewYearRow* row = FindRow(birth)) lastSign_ = Name(row->sign);
    return std::string{lastSign_};
}

std::string SignLookup::GetElement(std::chrono::year_month_day birth) {
    if (const NewYearRow* row = FindRow(birth)) lastElement_ = Name(row->element);
    return std::string{lastElement_};
}

}  // namespace zodiac
