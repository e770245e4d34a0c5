#include "core/wareki.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace zodiac {
namespace {

using namespace std::chrono;

// A day is a date wherever the machine is: the rows run in a zone behind UTC,
// where the moment a day begins in UTC is still the evening before. Set before
// main, ahead of ICU's first look at it.
const bool kInAZoneBehindUtc = setenv("TZ", "America/Los_Angeles", 1) == 0;

// Typed here: the first day of each era since Meiji, the last of Shōwa, and
// ordinary days. An era's first year is written 元年.
TEST(Wareki, NamesTheEraYearOfEachDay) {
    struct Row {
        year_month_day day;
        const char* era;
        const char* reading;
        int year;
        const char* kanji;
    };
    const Row rows[] = {
        {1975y / March / 5d, "昭和", "Shōwa", 50, "昭和50年3月5日"},
        {1900y / January / 1d, "明治", "Meiji", 33, "明治33年1月1日"},
        {1912y / July / 30d, "大正", "Taishō", 1, "大正元年7月30日"},
        {1926y / December / 25d, "昭和", "Shōwa", 1, "昭和元年12月25日"},
        {1989y / January / 7d, "昭和", "Shōwa", 64, "昭和64年1月7日"},
        {1989y / January / 8d, "平成", "Heisei", 1, "平成元年1月8日"},
        {2019y / May / 1d, "令和", "Reiwa", 1, "令和元年5月1日"},
    };
    ASSERT_TRUE(kInAZoneBehindUtc);
    for (const Row& row : rows) {
        SCOPED_TRACE(row.kanji);
        const auto wareki = WarekiOf(row.day);
        ASSERT_TRUE(wareki);
        EXPECT_EQ(wareki->era.toStdString(), row.era) << wareki->era.toStdString();
        EXPECT_EQ(wareki->eraReading.toStdString(), row.reading) << wareki->eraReading.toStdString();
        EXPECT_EQ(wareki->year, row.year);
        EXPECT_EQ(wareki->kanji.toStdString(), row.kanji) << wareki->kanji.toStdString();
    }
}

// A day that does not exist, and one before the first era, 大化 (645), have no era year.
TEST(Wareki, NoneForADayThatDoesNotExistOrIsBeforeTheFirstEra) {
    for (const year_month_day day : {2023y / February / 29d, 600y / January / 1d})
        EXPECT_FALSE(WarekiOf(day)) << static_cast<int>(day.year());
}

}  // namespace
}  // namespace zodiac
