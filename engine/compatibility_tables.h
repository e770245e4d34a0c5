#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "engine/animal_sign.h"
#include "engine/compatibility.h"
#include "engine/eto.h"

namespace zodiac {

// Row: the user's sign; column: the partner's sign.
// clang-format off
inline constexpr std::array<std::array<std::int16_t, kSignCount>, kSignCount> kCompatibilityMatrix = {{
    //Rat Ox Tig Rab Dra Sna Hor She Mon Roo Dog Boar
    {  9,  6,  4,  7, 10,  7,  3,  4, 10,  6,  8,  8},  // Rat
    {  6,  8,  4,  8,  7,  9,  5,  2,  4,  9,  7,  7},  // Ox
    {  4,  4,  5,  5,  6,  3,  9,  4,  2,  4,  9,  7},  // Tiger
    {  7,  8,  5,  8,  7,  7,  5,  9,  4,  2,  8,  9},  // Rabbit
    { 10,  7,  6,  7,  9,  8,  8,  7, 10,  9,  2,  8},  // Dragon
    {  7,  9,  3,  7,  8,  8,  4,  7,  4,  9,  8,  4},  // Snake
    {  3,  5,  9,  5,  8,  4,  8,  8,  5,  6,  9,  6},  // Horse
    {  4,  2,  4,  9,  7,  7,  8,  9,  5,  5,  4,  9},  // Sheep
    { 10,  4,  2,  4, 10,  4,  5,  5,  9,  4,  8,  7},  // Monkey
    {  6,  9,  4,  2,  9,  9,  6,  5,  4,  4,  5,  5},  // Rooster
    {  8,  7,  9,  8,  2,  8,  9,  4,  8,  5,  7,  7},  // Dog
    {  8,  7,  7,  9,  8,  4,  6,  9,  7,  5,  7,  8},  // Boar
}};
// clang-format on

constexpr bool MatrixIsSymmetricWithinTwoToTen() {
    for (std::size_t i = 0; i < kSignCount; ++i) {
        for (std::size_t j = 0; j < kSignCount; ++j) {
            const auto n = kCompatibilityMatrix[i][j];
            if (n != kCompatibilityMatrix[j][i] || n < 2 || n > 10) return false;
        }
    }
    return true;
}
static_assert(MatrixIsSymmetricWithinTwoToTen(), "a pair rates the same both ways, from 2 to 10");

inline constexpr std::array<JapaneseSign, kSignCount> kJapaneseSigns = {{
    {"Nezumi", "\u5B50"},     // 子
    {"Ushi", "\u4E11"},       // 丑
    {"Tora", "\u5BC5"},       // 寅
    {"Usagi", "\u536F"},      // 卯
    {"Tatsu", "\u8FB0"},      // 辰
    {"Hebi", "\u5DF3"},       // 巳
    {"Uma", "\u5348"},        // 午
    {"Hitsuji", "\u672A"},    // 未
    {"Saru", "\u7533"},       // 申
    {"Tori", "\u9149"},       // 酉
    {"Inu", "\u620C"},        // 戌
    {"Inoshishi", "\u4EA5"},  // 亥
}};

namespace detail {
constexpr bool SymbolsAreTheBranches() {
    for (std::size_t i = 0; i < kSignCount; ++i) {
        if (kJapaneseSigns[i].kanji != kBranches[i].kanji) return false;
    }
    return true;
}
}  // namespace detail
static_assert(detail::SymbolsAreTheBranches(), "a sign's character is its earthly branch");

// Indexed by the number; " A Poor Match" keeps its leading blank, as it always has.
inline constexpr std::array<std::string_view, 11> kRatingPhrases = {"",
                                                                    "",
                                                                    " A Poor Match",
                                                                    "A Poor Match",
                                                                    "A Difficult Match",
                                                                    "A Difficult Match",
                                                                    "An Easy Match",
                                                                    "An Easy Match",
                                                                    "A Great Match",
                                                                    "A Great Match",
                                                                    "A Perfect Match"};

}  // namespace zodiac
