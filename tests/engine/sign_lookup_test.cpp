#include "sign_lookup.h"

#include <gtest/gtest.h>

#include "new_year_table.h"

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
