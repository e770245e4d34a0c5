#include "engine/kyureki.h"

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <utility>

namespace zodiac {

void PrintTo(const KyurekiDate& d, std::ostream* os) { *os << (d.leap ? "leap " : "") << d.month << '/' << d.day; }

namespace {

using namespace std::chrono;

std::string Iso(year_month_day d) {
    return std::to_string(static_cast<int>(d.year())) + '-' + std::to_string(static_cast<unsigned>(d.month())) + '-' +
           std::to_string(static_cast<unsigned>(d.day()));
}

// As almanacs print them; 2017-02-26 is the day of a new moon at 23:58 Japan time,
// still 25 February in UTC.
TEST(KyurekiOf, DaysAsAlmanacsPrintThem) {
    const std::pair<year_month_day, std::string> rows[] = {
        {1975y / 3 / 5, "1月23日"},    {1989y / 1 / 8, "12月1日"},     {2017y / 2 / 26, "2月1日"},
        {2019y / 5 / 1, "3月27日"},    {2033y / 12 / 22, "閏11月1日"}, {2034y / 1 / 20, "12月1日"},
        {2033y / 12 / 21, "11月30日"},  // the day before, from ICU's dangi calendar
    };
    for (const auto& [date, expected] : rows) {
        SCOPED_TRACE(Iso(date));
        const auto kyureki = KyurekiOf(date);
        ASSERT_TRUE(kyureki);
        EXPECT_EQ(KyurekiKanji(*kyureki), expected);
    }
}

// Every leap month whose first day falls in 2001 to 2033, by that day's year,
// and no others: every day of those years is looked at.
TEST(KyurekiOf, LeapMonthsOf2001To2033) {
    const std::set<std::pair<int, int>> expected = {{2001, 4}, {2004, 2}, {2006, 7}, {2009, 5}, {2012, 3},
                                                    {2014, 9}, {2017, 5}, {2020, 4}, {2023, 2}, {2025, 6},
                                                    {2028, 5}, {2031, 3}, {2033, 11}};
    std::set<std::pair<int, int>> found;
    for (sys_days d{2001y / 1 / 1}; d <= sys_days{2033y / 12 / 31}; d += days{1}) {
        const auto kyureki = KyurekiOf(d);
        ASSERT_TRUE(kyureki) << Iso(d);
        if (kyureki->leap) found.emplace(int{year_month_day{d - days{kyureki->day - 1}}.year()}, kyureki->month);
    }
    EXPECT_EQ(found, expected);
}

// The first and last days covered have a date, the days either side and a day
// that does not exist none; 2100-12-31 from ICU's dangi calendar.
TEST(KyurekiOf, NothingOutside1900To2100) {
    const std::pair<year_month_day, std::optional<KyurekiDate>> rows[] = {
        {1899y / 12 / 31, std::nullopt},
        {1900y / 1 / 1, KyurekiDate{12, 1, false}},
        {2100y / 12 / 31, KyurekiDate{12, 1, false}},
        {2101y / 1 / 1, std::nullopt},
        {2021y / 2 / 30, std::nullopt},
    };
    for (const auto& [date, expected] : rows) {
        SCOPED_TRACE(Iso(date));
        EXPECT_EQ(KyurekiOf(date), expected);
    }
}

// The first day of the kyūreki months runs 先勝, 友引, 先負, 仏滅, 大安, 赤口 from
// the 1st month, and again from the 7th; a leap month goes by its number.
TEST(RokuyoOf, FirstDaysOfTheMonthsAndTwoDaysOfTaian) {
    struct Row {
        KyurekiDate date;
        std::string_view kanji, reading, kana;
    };
    const Row rows[] = {
        {{1, 1, false}, "先勝", "senshō", "せんしょう"}, {{2, 1, false}, "友引", "tomobiki", "ともびき"},
        {{3, 1, false}, "先負", "senbu", "せんぶ"},      {{4, 1, false}, "仏滅", "butsumetsu", "ぶつめつ"},
        {{5, 1, false}, "大安", "taian", "たいあん"},    {{6, 1, false}, "赤口", "shakkō", "しゃっこう"},
        {{11, 1, true}, "大安", "taian", "たいあん"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::PrintToString(row.date));
        const Rokuyo& rokuyo = RokuyoOf(row.date);
        EXPECT_EQ(rokuyo.kanji, row.kanji);
        EXPECT_EQ(rokuyo.reading, row.reading);
        EXPECT_EQ(rokuyo.kana, row.kana);
    }
    for (const year_month_day date : {1975y / 3 / 5, 2019y / 5 / 1}) {
        SCOPED_TRACE(Iso(date));
        EXPECT_EQ(RokuyoOf(KyurekiOf(date).value()).kanji, "大安");
    }
}

}  // namespace
}  // namespace zodiac
