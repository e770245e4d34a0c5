#include "engine/sign_lookup.h"

#include <gtest/gtest.h>

#include "engine/new_year_table.h"
#include "tests/engine/lunar_new_years.h"

namespace zodiac {
namespace {

using namespace std::chrono;

struct DateCase {
    year_month_day date;
    const char* sign;
    const char* element;
};

class SignLookupBoundary : public testing::TestWithParam<DateCase> {};

TEST_P(SignLookupBoundary, FindsSignAndElement) {
    const auto& c = GetParam();
    SignLookup lookup;
    EXPECT_EQ(lookup.GetAnimalSign(c.date), c.sign);
    EXPECT_EQ(lookup.GetElement(c.date), c.element);
}

INSTANTIATE_TEST_SUITE_P(
    Boundaries, SignLookupBoundary,
    testing::Values(
        // The first weeks of 1936 belong to the Wood Boar year of 1935.
        DateCase{1936y / January / 1d, "Boar", "Wood"}, DateCase{1936y / January / 23d, "Boar", "Wood"},
        DateCase{1936y / January / 24d, "Rat", "Fire"}, DateCase{1937y / February / 10d, "Rat", "Fire"},
        DateCase{1937y / February / 11d, "Ox", "Fire"}, DateCase{1960y / January / 27d, "Boar", "Earth"},
        DateCase{1960y / January / 28d, "Rat", "Metal"}, DateCase{1975y / March / 5d, "Rabbit", "Wood"},
        DateCase{1984y / February / 1d, "Boar", "Water"}, DateCase{1984y / February / 2d, "Rat", "Wood"},
        DateCase{2007y / February / 17d, "Dog", "Fire"}, DateCase{2007y / February / 18d, "Boar", "Fire"},
        // The Earth Rat year began on 7 February 2008.
        DateCase{2008y / February / 6d, "Boar", "Fire"}, DateCase{2008y / February / 7d, "Rat", "Earth"},
        DateCase{2008y / December / 31d, "Rat", "Earth"},
        // Leap days.
        DateCase{1936y / February / 29d, "Rat", "Fire"}, DateCase{2000y / February / 29d, "Dragon", "Metal"}));

// Typed here, not taken from the engine: a Rat year began in 1900, and the
// element follows the last digit of the year the lunar year begins in.
constexpr const char* kCycleFrom1900[] = {"Rat",   "Ox",    "Tiger",  "Rabbit",  "Dragon", "Snake",
                                          "Horse", "Sheep", "Monkey", "Rooster", "Dog",    "Boar"};
constexpr const char* kElementByLastDigit[] = {"Metal", "Metal", "Water", "Water", "Wood",
                                               "Wood",  "Fire",  "Fire",  "Earth", "Earth"};
// The lunar years the windows' dates fall in: the one that holds January 1936 to
// the one that holds December 2008.
constexpr int kFirstLunarYear = 1935, kLastLunarYear = 2008;

sys_days LunarNewYear(int y) {
    for (const auto& row : reference::kLunarNewYears) {
        if (row.year == y) return sys_days{year{y} / month{row.month} / day{row.day}};
    }
    ADD_FAILURE() << "no reference new year for " << y;
    return {};
}

const char* SignOf(int lunarYear) { return kCycleFrom1900[(lunarYear - 1900) % 12]; }
const char* ElementOf(int lunarYear) { return kElementByLastDigit[lunarYear % 10]; }

TEST(NewYearTable, EveryRowRunsFromOneLunarNewYearToTheDayBeforeTheNext) {
    ASSERT_EQ(static_cast<int>(kNewYearTable.front().year), kFirstLunarYear);
    ASSERT_EQ(static_cast<int>(kNewYearTable.back().year), kLastLunarYear);
    for (const auto& row : kNewYearTable) {
        const int y = static_cast<int>(row.year);
        SCOPED_TRACE(y);
        EXPECT_EQ(sys_days{row.first}, LunarNewYear(y));
        EXPECT_EQ(sys_days{row.last}, LunarNewYear(y + 1) - days{1});
    }
}

TEST(SignLookup, EachLunarNewYearAndTheDayBeforeItFindTheirOwnYears) {
    for (int y = kFirstLunarYear; y <= kLastLunarYear + 1; ++y) {
        SCOPED_TRACE(y);
        const sys_days first = LunarNewYear(y);
        // A fresh lookup for each date, so that no kept result can stand in for a find.
        if (y <= kLastLunarYear) {
            EXPECT_EQ(SignLookup{}.GetAnimalSign(year_month_day{first}), SignOf(y));
            EXPECT_EQ(SignLookup{}.GetElement(year_month_day{first}), ElementOf(y));
        } else {
            EXPECT_EQ(SignLookup{}.GetAnimalSign(year_month_day{first}), "");
        }
        const year_month_day before{first - days{1}};
        if (y > kFirstLunarYear) {
            EXPECT_EQ(SignLookup{}.GetAnimalSign(before), SignOf(y - 1));
            EXPECT_EQ(SignLookup{}.GetElement(before), ElementOf(y - 1));
        } else {
            EXPECT_EQ(SignLookup{}.GetAnimalSign(before), "");
        }
    }
}

TEST(NewYearTable, EveryRowsFirstAndLastDayFindThatRow) {
    SignLookup lookup;
    for (const auto& row : kNewYearTable) {
        for (const auto day : {row.first, row.last}) {
            SCOPED_TRACE(static_cast<int>(row.year));
            EXPECT_EQ(lookup.GetAnimalSign(day), Name(row.sign));
            EXPECT_EQ(lookup.GetElement(day), Name(row.element));
        }
    }
}

TEST(NewYearTable, EveryDayTheWindowsCanFormHasASignThatChangesOnlyAtANewYear) {
    SignLookup lookup;
    std::string previous = lookup.GetAnimalSign(1935y / December / 31d);
    int changes = 0;
    for (sys_days day{1936y / January / 1d}; day <= sys_days{2008y / December / 31d}; day += days{1}) {
        const std::string sign = lookup.GetAnimalSign(year_month_day{day});
        ASSERT_FALSE(sign.empty());
        if (sign != previous) {
            ++changes;
            const year_month_day ymd{day};
            EXPECT_TRUE(ymd.month() == January || ymd.month() == February) << static_cast<int>(ymd.year());
        }
        previous = sign;
    }
    EXPECT_EQ(changes, 73);  // the new years of 1936 to 2008
}

TEST(NewYearTable, HasTheCorrectedEnds) {
    ASSERT_EQ(kNewYearTable.size(), 74u);
    EXPECT_EQ(kNewYearTable.front().first, 1935y / February / 4d);
    EXPECT_EQ(kNewYearTable.front().sign, AnimalSign::Boar);
    EXPECT_EQ(kNewYearTable.back().first, 2008y / February / 7d);
    EXPECT_EQ(kNewYearTable.back().last, 2009y / January / 25d);
    EXPECT_EQ(kNewYearTable.back().element, ZodiacElement::Earth);
}

TEST(SignLookupKeptResult, IsEmptyBeforeTheFirstMatch) {
    SignLookup lookup;
    EXPECT_EQ(lookup.GetAnimalSign(1935y / February / 3d), "");
    EXPECT_EQ(lookup.GetElement(1935y / February / 3d), "");
}

TEST(SignLookupKeptResult, DatesOutsideTheTableOrInvalidReturnThePreviousMatch) {
    SignLookup lookup;
    ASSERT_EQ(lookup.GetAnimalSign(1974y / March / 1d), "Tiger");
    ASSERT_EQ(lookup.GetElement(1974y / March / 1d), "Wood");
    for (const auto date : {2009y / January / 26d, 1900y / June / 1d, 1975y / April / 31d, 1999y / February / 29d,
                            year_month_day{year{1980}, month{13}, day{1}}}) {
        EXPECT_EQ(lookup.GetAnimalSign(date), "Tiger");
        EXPECT_EQ(lookup.GetElement(date), "Wood");
    }
}

TEST(SignLookupKeptResult, EachKindKeepsItsOwn) {
    SignLookup lookup;
    ASSERT_EQ(lookup.GetAnimalSign(1990y / June / 1d), "Horse");
    EXPECT_EQ(lookup.GetElement(2010y / June / 1d), "");
    EXPECT_EQ(SignLookup{}.GetAnimalSign(2010y / June / 1d), "");  // no state shared between objects
}

}  // namespace
}  // namespace zodiac
