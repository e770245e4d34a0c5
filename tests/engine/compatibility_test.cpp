#include "engine/compatibility.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "engine/compatibility_tables.h"

namespace zodiac {
namespace {

// The matrix as it was written down, row the user's sign and column the partner's,
// both in the order Rat, Ox, Tiger, Rabbit, Dragon, Snake, Horse, Sheep, Monkey,
// Rooster, Dog, Boar.
constexpr const char* kOrder[] = {"Rat",   "Ox",    "Tiger",  "Rabbit",  "Dragon", "Snake",
                                  "Horse", "Sheep", "Monkey", "Rooster", "Dog",    "Boar"};
// clang-format off
constexpr int kWrittenMatrix[12][12] = {
    { 9,  6,  4,  7, 10,  7,  3,  4, 10,  6,  8,  8},
    { 6,  8,  4,  8,  7,  9,  5,  2,  4,  9,  7,  7},
    { 4,  4,  5,  5,  6,  3,  9,  4,  2,  4,  9,  7},
    { 7,  8,  5,  8,  7,  7,  5,  9,  4,  2,  8,  9},
    {10,  7,  6,  7,  9,  8,  8,  7, 10,  9,  2,  8},
    { 7,  9,  3,  7,  8,  8,  4,  7,  4,  9,  8,  4},
    { 3,  5,  9,  5,  8,  4,  8,  8,  5,  6,  9,  6},
    { 4,  2,  4,  9,  7,  7,  8,  9,  5,  5,  4,  9},
    {10,  4,  2,  4, 10,  4,  5,  5,  9,  4,  8,  7},
    { 6,  9,  4,  2,  9,  9,  6,  5,  4,  4,  5,  5},
    { 8,  7,  9,  8,  2,  8,  9,  4,  8,  5,  7,  7},
    { 8,  7,  7,  9,  8,  4,  6,  9,  7,  5,  7,  8},
};
// clang-format on

TEST(CompatibilityMatrix, EveryCellIsTheWrittenNumber) {
    Compatibility compatibility;
    for (std::size_t i = 0; i < 12; ++i) {
        for (std::size_t j = 0; j < 12; ++j) {
            EXPECT_EQ(compatibility.GetCompatibilityNumber(kOrder[i], kOrder[j]), kWrittenMatrix[i][j])
                << kOrder[i] << " with " << kOrder[j];
        }
    }
}

struct PairCase {
    const char* user;
    const char* partner;
    std::int16_t number;
    const char* percentage;
    const char* rating;
};

class CompatibilityPair : public testing::TestWithParam<PairCase> {};

TEST_P(CompatibilityPair, NumberAndRating) {
    const auto& c = GetParam();
    Compatibility compatibility;
    const auto number = compatibility.GetCompatibilityNumber(c.user, c.partner);
    EXPECT_EQ(number, c.number);
    EXPECT_EQ(compatibility.GetCompatibilityNumber(c.partner, c.user), c.number);
    const auto rating = compatibility.RateCompatibility(number);
    ASSERT_TRUE(rating);
    EXPECT_EQ(rating->percentage, c.percentage);
    EXPECT_EQ(rating->rating, c.rating);
}

INSTANTIATE_TEST_SUITE_P(KnownPairs, CompatibilityPair,
                         testing::Values(PairCase{"Dog", "Dragon", 2, "20%", " A Poor Match"},
                                         PairCase{"Rabbit", "Rooster", 2, "20%", " A Poor Match"},
                                         PairCase{"Rat", "Horse", 3, "30%", "A Poor Match"},
                                         PairCase{"Rooster", "Rooster", 4, "40%", "A Difficult Match"},
                                         PairCase{"Ox", "Horse", 5, "50%", "A Difficult Match"},
                                         PairCase{"Rat", "Ox", 6, "60%", "An Easy Match"},
                                         PairCase{"Rat", "Rabbit", 7, "70%", "An Easy Match"},
                                         PairCase{"Rat", "Dog", 8, "80%", "A Great Match"},
                                         PairCase{"Rat", "Rat", 9, "90%", "A Great Match"},
                                         PairCase{"Rat", "Dragon", 10, "100%", "A Perfect Match"},
                                         PairCase{"Dragon", "Monkey", 10, "100%", "A Perfect Match"}));

TEST(Compatibility, UnknownNamesGiveZeroAndZeroRatesNothing) {
    Compatibility compatibility;
    for (const auto& [user, partner] : std::initializer_list<std::pair<const char*, const char*>>{
             {"rat", "Ox"}, {"Rat", ""}, {"", ""}, {"Rabbit", "AnimalTwo"}, {"AnimalOne", "Rat"}}) {
        EXPECT_EQ(compatibility.GetCompatibilityNumber(user, partner), 0) << user << '/' << partner;
    }
    for (const std::int16_t n : {-1, 0, 1, 11, 100, -32768}) EXPECT_FALSE(compatibility.RateCompatibility(n)) << n;
}

TEST(JapaneseSign, ComesFromTheUsersSignOnly) {
    Compatibility compatibility;
    const auto rabbit = compatibility.GetCompatibilityText("Rabbit", "Boar");
    ASSERT_TRUE(rabbit.userJapaneseSign);
    EXPECT_EQ(rabbit.userJapaneseSign->name, "Usagi");
    EXPECT_EQ(rabbit.userJapaneseSign->symbol, 7);
    const auto boar = compatibility.GetCompatibilityText("Boar", "Rabbit");
    EXPECT_EQ(boar.userJapaneseSign->name, "Inoshishi");
    EXPECT_EQ(boar.userJapaneseSign->symbol, 1);
    EXPECT_FALSE(compatibility.GetCompatibilityText("Nobody", "Rabbit").userJapaneseSign);
}

TEST(JapaneseSign, SymbolNumbersFollowTheAlphabeticalOrderOfTheEnglishNames) {
    std::map<std::string_view, int> alphabetical;  // the symbol pictures are stored in this order
    for (std::size_t i = 0; i < kSignCount; ++i) alphabetical[kSignNames[i]] = kJapaneseSigns[i].symbol;
    int expected = 1;
    for (const auto& [name, symbol] : alphabetical) EXPECT_EQ(symbol, expected++) << name;
}

TEST(PairKey, RabbitAndRoosterUseTheirKeyWordsAndEveryKeyIsUnique) {
    EXPECT_EQ(PairKey(AnimalSign::Rabbit, AnimalSign::Rooster), "AnimalOne_AnimalTwo");
    EXPECT_EQ(PairKey(AnimalSign::Tiger, AnimalSign::Rooster), "Tiger_AnimalTwo");
    EXPECT_EQ(PairKey(AnimalSign::Dog, AnimalSign::Rat), "Dog_Rat");
    std::set<std::string> keys;
    for (std::size_t i = 0; i < kSignCount; ++i) {
        for (std::size_t j = 0; j < kSignCount; ++j) {
            keys.insert(PairKey(static_cast<AnimalSign>(i), static_cast<AnimalSign>(j)));
        }
    }
    EXPECT_EQ(keys.size(), 144u);
}

TEST(KeyWordState, IsEmptyBeforeTheFirstKnownPair) {
    EXPECT_EQ(Compatibility{}.GetCompatibilityText("Nobody", "Rat").text, "");
    EXPECT_EQ(Compatibility{}.GetCompatibilityText("Rat", "Nobody").text, "");
    Compatibility compatibility;
    compatibility.GetCompatibilityText("Nobody", "Rat");
    // The partner's key word Rat was kept, so a known user now completes the key.
    EXPECT_EQ(compatibility.GetCompatibilityText("Ox", "Nobody").text,
              Compatibility{}.GetCompatibilityText("Ox", "Rat").text);
}

TEST(KeyWordState, AnUnknownNameKeepsThatSidesPreviousKeyWord) {
    Compatibility compatibility;
    const std::string tigerOx = compatibility.GetCompatibilityText("Tiger", "Ox").text;
    const std::string tigerRat = compatibility.GetCompatibilityText("Tiger", "Rat").text;
    // The user's key word stays Tiger; the partner's becomes Ox.
    EXPECT_EQ(compatibility.GetCompatibilityText("", "Ox").text, tigerOx);
    // The partner's key word stays Ox while the user's changes.
    const std::string dogOx = compatibility.GetCompatibilityText("Dog", "Ox").text;
    EXPECT_EQ(compatibility.GetCompatibilityText("Dog", "cat").text, dogOx);
    EXPECT_NE(tigerOx, tigerRat);
    EXPECT_NE(dogOx, tigerOx);
}

}  // namespace
}  // namespace zodiac
