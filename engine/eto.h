#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "engine/animal_sign.h"

namespace zodiac {

// One half of a sixty-year name: its character, its reading in lowercase
// Hepburn, and the reading in hiragana.
struct EtoPart {
    std::string_view kanji;
    std::string_view reading;
    std::string_view kana;
};

// The ten heavenly stems, two to each element in the order wood, fire, earth,
// metal, water: the elder brother (e) and the younger (to).
inline constexpr std::array<EtoPart, 10> kStems = {{
    {"\u7532", "kinoe", "\u304D\u306E\u3048"},             // 甲 きのえ
    {"\u4E59", "kinoto", "\u304D\u306E\u3068"},            // 乙 きのと
    {"\u4E19", "hinoe", "\u3072\u306E\u3048"},             // 丙 ひのえ
    {"\u4E01", "hinoto", "\u3072\u306E\u3068"},            // 丁 ひのと
    {"\u620A", "tsuchinoe", "\u3064\u3061\u306E\u3048"},   // 戊 つちのえ
    {"\u5DF1", "tsuchinoto", "\u3064\u3061\u306E\u3068"},  // 己 つちのと
    {"\u5E9A", "kanoe", "\u304B\u306E\u3048"},             // 庚 かのえ
    {"\u8F9B", "kanoto", "\u304B\u306E\u3068"},            // 辛 かのと
    {"\u58EC", "mizunoe", "\u307F\u305A\u306E\u3048"},     // 壬 みずのえ
    {"\u7678", "mizunoto", "\u307F\u305A\u306E\u3068"},    // 癸 みずのと
}};

// The twelve earthly branches, in the order of the animal signs from the Rat.
inline constexpr std::array<EtoPart, kSignCount> kBranches = {{
    {"\u5B50", "ne", "\u306D"},                   // 子 ね
    {"\u4E11", "ushi", "\u3046\u3057"},           // 丑 うし
    {"\u5BC5", "tora", "\u3068\u3089"},           // 寅 とら
    {"\u536F", "u", "\u3046"},                    // 卯 う
    {"\u8FB0", "tatsu", "\u305F\u3064"},          // 辰 たつ
    {"\u5DF3", "mi", "\u307F"},                   // 巳 み
    {"\u5348", "uma", "\u3046\u307E"},            // 午 うま
    {"\u672A", "hitsuji", "\u3072\u3064\u3058"},  // 未 ひつじ
    {"\u7533", "saru", "\u3055\u308B"},           // 申 さる
    {"\u9149", "tori", "\u3068\u308A"},           // 酉 とり
    {"\u620C", "inu", "\u3044\u306C"},            // 戌 いぬ
    {"\u4EA5", "i", "\u3044"},                    // 亥 い
}};

// A place in the sixty-year cycle: 1 is 甲子 (kinoe-ne), 60 is 癸亥 (mizunoto-i).
// Stem and branch advance together, one step a year.
struct Eto {
    int number;

    constexpr const EtoPart& stem() const { return kStems[static_cast<std::size_t>((number - 1) % 10)]; }
    constexpr const EtoPart& branch() const { return kBranches[static_cast<std::size_t>((number - 1) % 12)]; }
    // 乙卯; kinoto-u, stem and branch joined by a hyphen; きのとう, as a dictionary writes it.
    std::string Kanji() const { return std::string{stem().kanji} + std::string{branch().kanji}; }
    std::string Reading() const { return std::string{stem().reading} + '-' + std::string{branch().reading}; }
    std::string Kana() const { return std::string{stem().kana} + std::string{branch().kana}; }
};

// The eto of the zodiac year that begins in the calendar year `year`; 1984 began
// the present cycle.
constexpr Eto EtoOfYear(int year) { return {((year - 1984) % 60 + 60) % 60 + 1}; }

// Kanreki, kept in the calendar year of the sixtieth birthday, whatever the year
// start: `year` is the calendar year of birth.
constexpr int KanrekiOf(int year) { return year + 60; }

// The element a stem stands for.
constexpr ZodiacElement ElementOfStem(const Eto& eto) {
    constexpr std::array<ZodiacElement, 5> byPair = {ZodiacElement::Wood, ZodiacElement::Fire, ZodiacElement::Earth,
                                                     ZodiacElement::Metal, ZodiacElement::Water};
    return byPair[static_cast<std::size_t>((eto.number - 1) % 10 / 2)];
}

namespace detail {
// Over every year the program knows, the stem gives the year's element and the
// branch its sign.
constexpr bool EtoAgreesWithTheCycles() {
    for (int year = 1900; year <= 2101; ++year) {
        const Eto eto = EtoOfYear(year);
        if (eto.number < 1 || eto.number > 60 || ElementOfStem(eto) != ElementOfYear(year) ||
            &eto.branch() != &kBranches[Index(SignOfYear(year))])
            return false;
    }
    return true;
}
}  // namespace detail

static_assert(EtoOfYear(1984).number == 1 && EtoOfYear(2043).number == 60, "1984 is kinoe-ne, 2043 mizunoto-i");
static_assert(detail::EtoAgreesWithTheCycles(), "the stem must give the element and the branch the sign");

}  // namespace zodiac
