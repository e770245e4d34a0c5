#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace zodiac {

// A day of the old lunisolar calendar (kyūreki) that Japanese almanacs still
// print beside the Gregorian date. A leap month (閏月) repeats the number of
// the month before it: 閏11月1日 is {11, 1, true}.
struct KyurekiDate {
    int month;  // 1 to 12
    int day;    // 1 to 30
    bool leap;
    friend bool operator==(const KyurekiDate&, const KyurekiDate&) = default;
};

// The kyūreki date of a day in Japan, from 1900-01-01 to 2100-12-31; nothing
// outside them, nor for a date that does not exist.
std::optional<KyurekiDate> KyurekiOf(std::chrono::year_month_day day);

// 1月23日, 閏11月1日: with Arabic digits, as almanacs print it (UTF-8).
std::string KyurekiKanji(const KyurekiDate& date);

// One of the six days of the rokuyō, the almanac's lucky and unlucky days; the
// reading is Hepburn with macrons.
struct Rokuyo {
    std::string_view kanji;
    std::string_view reading;
    std::string_view kana;
};

// In the order of (kyūreki month + day) % 6, so that the first day of the year
// is always 先勝.
inline constexpr std::array<Rokuyo, 6> kRokuyo = {{
    {"\u5927\u5B89", "taian", "\u305F\u3044\u3042\u3093"},              // 大安 たいあん
    {"\u8D64\u53E3", "shakk\u014D", "\u3057\u3083\u3063\u3053\u3046"},  // 赤口 しゃっこう
    {"\u5148\u52DD", "sensh\u014D", "\u305B\u3093\u3057\u3087\u3046"},  // 先勝 せんしょう
    {"\u53CB\u5F15", "tomobiki", "\u3068\u3082\u3073\u304D"},           // 友引 ともびき
    {"\u5148\u8CA0", "senbu", "\u305B\u3093\u3076"},                    // 先負 せんぶ
    {"\u4ECF\u6EC5", "butsumetsu", "\u3076\u3064\u3081\u3064"},         // 仏滅 ぶつめつ
}};

// A leap month counts as its number.
constexpr const Rokuyo& RokuyoOf(const KyurekiDate& date) {
    return kRokuyo[static_cast<std::size_t>((date.month + date.day) % 6)];
}

}  // namespace zodiac
