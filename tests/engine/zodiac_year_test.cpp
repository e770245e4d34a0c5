#include "engine/zodiac_year.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

#include "engine/new_year_table.h"
#include "engine/solar_terms.h"
#include "tests/engine/lunar_new_years.h"

namespace zodiac {

// Readable failures: dates as Y-M-D rather than bytes.
std::string Iso(std::chrono::year_month_day d) {
    return std::to_string(static_cast<int>(d.year())) + '-' + std::to_string(static_cast<unsigned>(d.month())) + '-' +
           std::to_string(static_cast<unsigned>(d.day()));
}

void PrintTo(const ZodiacYear& y, std::ostream* os) {
    *os << Iso(y.begins) << ".." << Iso(y.ends) << ' ' << Name(y.sign) << ' ' << Name(y.element);
}

namespace {

using namespace std::chrono;
using enum AnimalSign;
using enum ZodiacElement;

// Typed here, not taken from the engine: a Rat year began in 1900, and the
// element follows the last digit of the year.
constexpr AnimalSign kCycleFrom1900[] = {Rat,   Ox,    Tiger,  Rabbit,  Dragon, Snake,
                                         Horse, Sheep, Monkey, Rooster, Dog,    Boar};
constexpr ZodiacElement kElementByLastDigit[] = {Metal, Metal, Water, Water, Wood, Wood, Fire, Fire, Earth, Earth};

sys_days LunarNewYear(int y) {
    for (const auto& row : reference::kLunarNewYears) {
        if (row.year == y) return sys_days{year{y} / month{row.month} / day{row.day}};
    }
    ADD_FAILURE() << "no reference new year for " << y;
    return {};
}

// The lunar year `y` as lunardate counts it; nothing outside the years 1900 to 2099.
std::optional<ZodiacYear> ReferenceLunarYear(int y) {
    if (y < 1900 || y > 2099) return std::nullopt;
    return ZodiacYear{year_month_day{LunarNewYear(y)}, year_month_day{LunarNewYear(y + 1) - days{1}},
                      kCycleFrom1900[(y - 1900) % 12], kElementByLastDigit[y % 10]};
}

TEST(LunarYears, EveryRowRunsFromOneLunarNewYearToTheDayBeforeTheNext) {
    ASSERT_EQ(kLunarYears.size(), 200u);
    for (int y = 1900; const auto& row : kLunarYears) {
        SCOPED_TRACE(y);
        EXPECT_EQ(row.year, year{y});
        EXPECT_EQ(sys_days{row.first}, LunarNewYear(y));
        EXPECT_EQ(sys_days{row.last}, LunarNewYear(y + 1) - days{1});
        ++y;
    }
}

TEST(FindZodiacYear, EachLunarNewYearAndTheDayBeforeItFindTheirOwnYears) {
    for (int y = 1900; y <= 2100; ++y) {
        SCOPED_TRACE(y);
        const sys_days first = LunarNewYear(y);
        // At the ends of the coverage, 1900-01-30 and 2100-02-09 find nothing.
        EXPECT_EQ(FindZodiacYear(year_month_day{first}, YearStart::Lunar), ReferenceLunarYear(y));
        EXPECT_EQ(FindZodiacYear(year_month_day{first - days{1}}, YearStart::Lunar), ReferenceLunarYear(y - 1));
    }
}

TEST(FindZodiacYear, CalendarYearsAndDatesOutsideEitherCoverage) {
    struct Case {
        year_month_day date;
        YearStart start;
        std::optional<ZodiacYear> expected;
    };
    const ZodiacYear y1900{1900y / 1 / 1, 1900y / 12 / 31, Rat, Metal};
    const ZodiacYear y1936{1936y / 1 / 1, 1936y / 12 / 31, Rat, Fire};  // the lunar Boar year's weeks count as Rat
    const ZodiacYear y2023{2023y / 1 / 1, 2023y / 12 / 31, Rabbit, Water};
    const ZodiacYear y2100{2100y / 1 / 1, 2100y / 12 / 31, Monkey, Metal};
    const Case cases[] = {
        {1900y / 1 / 1, YearStart::January, y1900}, {1900y / 12 / 31, YearStart::January, y1900},
        {1936y / 1 / 1, YearStart::January, y1936}, {2023y / 12 / 31, YearStart::January, y2023},
        {2100y / 1 / 1, YearStart::January, y2100}, {2100y / 12 / 31, YearStart::January, y2100},
        {1899y / 12 / 31, YearStart::January, {}},  {2101y / 1 / 1, YearStart::January, {}},
        {2100y / 12 / 31, YearStart::Lunar, {}},    {2001y / 2 / 29, YearStart::January, {}},
        {2001y / 2 / 29, YearStart::Lunar, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(Iso(c.date));
        EXPECT_EQ(FindZodiacYear(c.date, c.start), c.expected);
    }
}

TEST(Coverage, RunsFromTheFirstToTheLastDayEachYearStartAnswers) {
    EXPECT_EQ(Coverage(YearStart::Lunar).first, 1900y / 1 / 31);
    EXPECT_EQ(Coverage(YearStart::Lunar).last, 2100y / 2 / 8);
    EXPECT_EQ(Coverage(YearStart::January).first, 1900y / 1 / 1);
    EXPECT_EQ(Coverage(YearStart::January).last, 2100y / 12 / 31);
}

// Risshun as the National Astronomical Observatory of Japan publishes it, to the
// minute in Japan time: a minute before it the year before still runs, a minute
// after it the new year has begun.
TEST(RisshunYearAt, TurnsAtTheMomentOfRisshun) {
    struct Published {
        year_month_day day;
        int hour, minute;
    };
    const Published published[] = {{2017y / 2 / 4, 0, 34},  {2020y / 2 / 4, 18, 3},  {2021y / 2 / 3, 23, 59},
                                   {2022y / 2 / 4, 5, 51},  {2023y / 2 / 4, 11, 43}, {2024y / 2 / 4, 17, 27},
                                   {2025y / 2 / 3, 23, 10}, {2026y / 2 / 4, 5, 2}};
    for (const auto& [day, hour, minute] : published) {
        SCOPED_TRACE(Iso(day));
        const sys_seconds japan = sys_days{day} + hours{hour} + minutes{minute} - hours{9};
        const int y = static_cast<int>(day.year());
        const auto before = RisshunYearAt(japan - minutes{1}), after = RisshunYearAt(japan + minutes{1});
        ASSERT_TRUE(before && after);
        EXPECT_EQ(before->number, y - 1);
        EXPECT_EQ(after->number, y);
        EXPECT_EQ(before->ends, after->begins);
        EXPECT_LT(abs(after->begins - japan), minutes{1});
    }
}

TEST(RisshunYearAt, KnowsTheYearsFromTheFirstRisshunToTheLast) {
    const sys_seconds first = *SetsuMoment(1900, Setsu::Risshun), last = *SetsuMoment(2101, Setsu::Risshun);
    EXPECT_FALSE(RisshunYearAt(first - seconds{1}));
    EXPECT_EQ(RisshunYearAt(first)->number, 1900);
    EXPECT_EQ(RisshunYearAt(last - seconds{1})->number, 2100);
    EXPECT_FALSE(RisshunYearAt(last));
    EXPECT_FALSE(SetsuMoment(2101, Setsu::Keichitsu));
    // The taisetsu of 1899 begins the month the first days of 1900 lie in.
    EXPECT_TRUE(SetsuMoment(1899, Setsu::Taisetsu));
    EXPECT_FALSE(SetsuMoment(1899, Setsu::Ritto));
    EXPECT_FALSE(RisshunYearAt(*SetsuMoment(1899, Setsu::Taisetsu)));
}

}  // namespace
}  // namespace zodiac
