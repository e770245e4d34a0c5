#include "engine/yakudoshi.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zodiac {
namespace {

// Born in 1975; and those whose main year is 2027: men born in 2003, 1986 and
// 1967, women born in 2009, 1995, 1991 and 1967.
TEST(Yakudoshi, MainYearsCountTheAgeFromOneInTheYearOfBirth) {
    const Yakudoshi years = YakudoshiOf(1975);
    EXPECT_EQ(years.men, (std::array{1999, 2016, 2035}));
    EXPECT_EQ(years.women, (std::array{1993, 2007, 2011, 2035}));
    EXPECT_EQ(years.menGreat, 2016);
    EXPECT_EQ(years.womenGreat, 2007);

    const std::pair<int, std::pair<bool, bool>> in2027[] = {
        {2003, {true, false}}, {1986, {true, false}}, {1967, {true, true}},   {2009, {false, true}},
        {1995, {false, true}}, {1991, {false, true}}, {2002, {false, false}}, {1990, {false, false}}};
    for (const auto& [born, mainFor] : in2027) {
        SCOPED_TRACE(born);
        const Yakudoshi of = YakudoshiOf(born);
        EXPECT_EQ(std::ranges::count(of.men, 2027) == 1, mainFor.first);
        EXPECT_EQ(std::ranges::count(of.women, 2027) == 1, mainFor.second);
    }
}

}  // namespace
}  // namespace zodiac
