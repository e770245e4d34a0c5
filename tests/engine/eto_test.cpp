#include <gtest/gtest.h>

#include <string>

#include "engine/almanac.h"

namespace zodiac {
namespace {

using namespace std::chrono;

// Worked by hand from the days 己酉 (4 March 1975) to 癸丑 (8 March 1975), one
// of each pair of stems: the 子 hour's stem follows the day's (甲 and 己 days
// 甲子, 乙 and 庚 丙子, 丙 and 辛 戊子, 丁 and 壬 庚子, 戊 and 癸 壬子), a step
// each two hours; from 23:00 the hour is the next day's 子.
TEST(HourEto, FollowsTheDaysStemAndTakesTheNextDaysRatHourFrom2300) {
    struct Row {
        year_month_day day;
        int minute;
        const char* kanji;
    };
    const Row rows[] = {
        {1975y / March / 4d, 0, "甲子"},        // 己酉
        {1975y / March / 4d, 23 * 60, "丙子"},  // 庚戌's 子
        {1975y / March / 5d, 0, "丙子"},        // 庚戌
        {1975y / March / 5d, 59, "丙子"},
        {1975y / March / 5d, 60, "丁丑"},
        {1975y / March / 5d, 12 * 60, "壬午"},
        {1975y / March / 5d, 22 * 60 + 59, "丁亥"},
        {1975y / March / 5d, 23 * 60, "戊子"},  // 辛亥's 子
        {1975y / March / 5d, 23 * 60 + 59, "戊子"},
        {1975y / March / 6d, 0, "戊子"},        // 辛亥
        {1975y / March / 7d, 60, "辛丑"},       // 壬子
        {1975y / March / 8d, 30, "壬子"},       // 癸丑
        {1975y / March / 8d, 23 * 60, "甲子"},  // 甲寅's 子
        {1975y / March / 5d, -61, "乙亥"},      // 22:59 on the day before
        {1975y / March / 5d, 24 * 60, "戊子"},  // midnight after
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(testing::Message() << static_cast<unsigned>(row.day.day()) << " March, minute " << row.minute);
        const std::string found = HourEto(row.day, row.minute).Kanji();
        EXPECT_EQ(found, row.kanji) << found << ", not " << row.kanji;
    }
}

}  // namespace
}  // namespace zodiac
