#pragma once

#include <array>

namespace zodiac {

// The main unlucky years (本厄, honyaku) of a life, by the counted age (数え年),
// which is 1 in the calendar year of birth and one more each 1 January: men's
// at 25, 42 and 61, women's at 19, 33, 37 and 61; 42 and 33 are the great ones
// (大厄). The year before each is 前厄, the year after 後厄. Some shrines turn
// the year at setsubun; this counts by the calendar year. Both are given, the
// program not knowing a person's sex.
struct Yakudoshi {
    std::array<int, 3> men;    // calendar years
    std::array<int, 4> women;  // calendar years
    int menGreat;
    int womenGreat;
};

constexpr Yakudoshi YakudoshiOf(int birthYear) {
    // The calendar year in which the counted age is `age`.
    const auto at = [birthYear](int age) { return birthYear + age - 1; };
    return {{at(25), at(42), at(61)}, {at(19), at(33), at(37), at(61)}, at(42), at(33)};
}

}  // namespace zodiac
