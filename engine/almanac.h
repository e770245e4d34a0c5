#pragma once

#include <array>
#include <chrono>
#include <optional>
#include <string_view>

#include "engine/eto.h"
#include "engine/kyureki.h"
#include "engine/solar_terms.h"

namespace zodiac {

// One of the nine stars of the almanac: 一白水星 (ippaku suisei) is 1, 九紫火星
// (kyūshi kasei) 9; the reading is Hepburn with macrons, as dictionaries write it.
struct NineStar {
    int number;
    std::string_view kanji;
    std::string_view reading;
    std::string_view kana;
    ZodiacElement element;  // the 水, 土, 木, 金 or 火 of its name
};

inline constexpr std::array<NineStar, 9> kNineStars = {{
    {1, "\u4E00\u767D\u6C34\u661F", "ippaku suisei", "\u3044\u3063\u3071\u304F\u3059\u3044\u305B\u3044",
     ZodiacElement::Water},  // 一白水星 いっぱくすいせい
    {2, "\u4E8C\u9ED2\u571F\u661F", "jikoku dosei", "\u3058\u3053\u304F\u3069\u305B\u3044",
     ZodiacElement::Earth},  // 二黒土星 じこくどせい
    {3, "\u4E09\u78A7\u6728\u661F", "sanpeki mokusei", "\u3055\u3093\u307A\u304D\u3082\u304F\u305B\u3044",
     ZodiacElement::Wood},  // 三碧木星 さんぺきもくせい
    {4, "\u56DB\u7DD1\u6728\u661F", "shiroku mokusei", "\u3057\u308D\u304F\u3082\u304F\u305B\u3044",
     ZodiacElement::Wood},  // 四緑木星 しろくもくせい
    {5, "\u4E94\u9EC4\u571F\u661F", "go\u014D dosei", "\u3054\u304A\u3046\u3069\u305B\u3044",
     ZodiacElement::Earth},  // 五黄土星 ごおうどせい
    {6, "\u516D\u767D\u91D1\u661F", "roppaku kinsei", "\u308D\u3063\u3071\u304F\u304D\u3093\u305B\u3044",
     ZodiacElement::Metal},  // 六白金星 ろっぱくきんせい
    {7, "\u4E03\u8D64\u91D1\u661F", "shichiseki kinsei", "\u3057\u3061\u305B\u304D\u304D\u3093\u305B\u3044",
     ZodiacElement::Metal},  // 七赤金星 しちせききんせい
    {8, "\u516B\u767D\u571F\u661F", "happaku dosei", "\u306F\u3063\u3071\u304F\u3069\u305B\u3044",
     ZodiacElement::Earth},  // 八白土星 はっぱくどせい
    {9, "\u4E5D\u7D2B\u706B\u661F", "ky\u016Bshi kasei", "\u304D\u3085\u3046\u3057\u304B\u305B\u3044",
     ZodiacElement::Fire},  // 九紫火星 きゅうしかせい
}};

// The solar month of the almanac that holds a moment: from one setsu to the
// next, numbered by the risshun year it falls in and its place from the tora
// month (0) to the ushi month (11).
struct SolarMonth {
    int year;   // the risshun year
    int index;  // 0 the tora (寅) month, begun by risshun; 11 the ushi (丑) month, begun by shōkan
    std::chrono::sys_seconds begins;
    Setsu setsu() const { return static_cast<Setsu>((index + 1) % 12); }
};

// From the taisetsu of 1899, which begins the ne month of the risshun year 1899,
// to the moment before the risshun of 2101.
std::optional<SolarMonth> SolarMonthAt(std::chrono::sys_seconds moment);
// The month `index` of risshun year `year`, or the one before or after it.
std::optional<SolarMonth> SolarMonthNumbered(int year, int index);

// The month's eto: its branch from the setsu that begins it, its stem from the
// stem of the year: 甲 and 己 years begin with 丙寅, 乙 and 庚 with 戊寅, 丙 and
// 辛 with 庚寅, 丁 and 壬 with 壬寅, 戊 and 癸 with 甲寅, a step a month after.
// So the months run unbroken through the sixty, as the days do: the tora month
// of 1984, a 甲 year, was 丙寅.
constexpr Eto MonthEto(int risshunYear, int index) {
    const int since = 12 * (risshunYear - 1984) + index;
    return {((since + 2) % 60 + 60) % 60 + 1};
}

// The day's eto, unbroken every sixty days: 1 January 1900 was 甲戌.
constexpr Eto DayEto(std::chrono::year_month_day day) {
    const int since = (std::chrono::sys_days{day} - std::chrono::sys_days{std::chrono::year{1900} / 1 / 1}).count();
    return {((since + 10) % 60 + 60) % 60 + 1};
}

// The eto of the two-hour period a clock time falls in, on the birthplace's
// clock: 子 from 23:00 to 00:59, 丑 from 01:00, ... 亥 from 21:00 to 22:59. The
// 子 hour's stem follows the day's stem (甲 and 己 days give 甲子, 乙 and 庚 丙子,
// 丙 and 辛 戊子, 丁 and 壬 庚子, 戊 and 癸 壬子), then one step an hour, so the
// hours too run unbroken through the sixty, twelve to a day. From 23:00 the
// hour is already the next day's 子, the hour being counted whole with the day
// it leads into, while the day's own eto still turns at midnight. A minute past
// the day's 1440 counts on into the days after it, one before 0 back.
constexpr Eto HourEto(std::chrono::year_month_day day, int minuteOfDay) {
    constexpr int kMinutesADay = 24 * 60;
    // The 子 hour begins an hour before midnight: count from there.
    const int fromRat = minuteOfDay + 60;
    const int days = (fromRat >= 0 ? fromRat : fromRat - kMinutesADay + 1) / kMinutesADay;
    const int hour = (fromRat - days * kMinutesADay) / 120;
    const Eto dayEto = DayEto(std::chrono::sys_days{day} + std::chrono::days{days});
    return {(12 * (dayEto.number - 1) + hour) % 60 + 1};
}

// The year's star, honmei-sei, counted from risshun: one lower each year,
// round the nine; 2020 was 七赤金星.
constexpr const NineStar& YearStar(int risshunYear) {
    return kNineStars[static_cast<std::size_t>(((7 - 1 - (risshunYear - 2020)) % 9 + 9) % 9)];
}

// The month's star, getsumei-sei: in years of 一白, 四緑 and 七赤 the tora month
// is 八白, in years of 三碧, 六白 and 九紫 五黄, in years of 二黒, 五黄 and 八白
// 二黒; each later month one lower.
constexpr const NineStar& MonthStar(int risshunYear, int index) {
    constexpr int kToraStar[3] = {8, 2, 5};  // by the year star's number, 1 4 7, 2 5 8, 3 6 9
    const int tora = kToraStar[(YearStar(risshunYear).number - 1) % 3];
    return kNineStars[static_cast<std::size_t>(((tora - 1 - index) % 9 + 9) % 9)];
}

// What the almanac gives a birth, the same under every year start: its solar
// month, the day's eto and, without a time, the setsu of the day if it is one.
struct BirthAlmanac {
    std::optional<SolarMonth> month;  // nothing before the taisetsu of 1899
    Eto day;
    // Without a time, on the day of a setsu: its moment, before which the month
    // before still ran.
    std::optional<std::chrono::sys_seconds> setsuThisDay;
    std::optional<KyurekiDate> kyureki;  // of the day on the birthplace's clock
    std::optional<Eto> hour;             // with a time
};

}  // namespace zodiac
