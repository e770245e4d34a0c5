#pragma once

#include <chrono>
#include <string>
#include <string_view>

namespace zodiac {

// Finds a birth date's animal sign and element in the new-year table.
// A date outside the table (or not a real date) matches no row: the lookup then
// returns what it last found, or empty text if it never found anything.
class SignLookup {
public:
    std::string GetAnimalSign(std::chrono::year_month_day birth);
    std::string GetElement(std::chrono::year_month_day birth);

private:
    std::string_view lastSign_;
    std::string_view lastElement_;
};

}  // namespace zodiac
