#include "engine/sign_lookup.h"

#include "engine/new_year_table.h"

namespace zodiac {

std::string SignLookup::GetAnimalSign(std::chrono::year_month_day birth) {
    if (const NewYearRow* row = RowContaining(kNewYearTable, birth)) lastSign_ = Name(row->sign);
    return std::string{lastSign_};
}

std::string SignLookup::GetElement(std::chrono::year_month_day birth) {
    if (const NewYearRow* row = RowContaining(kNewYearTable, birth)) lastElement_ = Name(row->element);
    return std::string{lastElement_};
}

}  // namespace zodiac
