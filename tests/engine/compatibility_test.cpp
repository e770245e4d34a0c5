#include "engine/compatibility.h"

#include <gtest/gtest.h>

#include <string>

#include "engine/compatibility_tables.h"

namespace zodiac {
namespace {

AnimalSign SignAt(std::size_t position) { return static_cast<AnimalSign>(position % kSignCount); }

// The number a pair's text closes on, in words: "... score a happy eight."
int NumberStatedIn(std::string_view text) {
    constexpr std::string_view kWords[] = {"zero", "one",   "two",   "three", "four", "five",
                                           "six",  "seven", "eight", "nine",  "ten"};
    if (!text.ends_with('.')) return -1;
    text.remove_suffix(1);
    const std::string_view word = text.substr(text.rfind(' ') + 1);
    for (int n = 0; n <= 10; ++n) {
        if (word == kWords[n]) return n;
    }
    return -1;
}

// Every pair rates from 2 to 10, the same both ways round, and its text, as the
// windows show it, closes by stating that number.
TEST(CompatibilityMatrix, EveryPairRatesTheNumberItsTextStatesBothWays) {
    Compatibility compatibility;
    for (std::size_t i = 0; i < kSignCount; ++i) {
        for (std::size_t j = 0; j < kSignCount; ++j) {
            const auto user = SignAt(i), partner = SignAt(j);
            const auto number = compatibility.GetCompatibilityNumber(Name(user), Name(partner));
            EXPECT_TRUE(number >= 2 && number <= 10) << Name(user) << " with " << Name(partner) << ": " << number;
            EXPECT_EQ(compatibility.GetCompatibilityNumber(Name(partner), Name(user)), number)
                << Name(user) << " with " << Name(partner);
            const auto result = CompatibilityOf(user, partner);
            EXPECT_EQ(result.number, number) << Name(user) << " with " << Name(partner);
            EXPECT_EQ(NumberStatedIn(result.text), number) << Name(user) << " with " << Name(partner);
        }
    }
}

// The three signs four years apart (the trine) are the best of friends, and the
// sign six years away (the clash) the worst of matches.
TEST(CompatibilityMatrix, TrinesAreGreatMatchesAndClashesPoorOnes) {
    Compatibility compatibility;
    for (std::size_t i = 0; i < kSignCount; ++i) {
        const auto sign = Name(SignAt(i));
        for (const std::size_t friendly : {i + 4, i + 8}) {
            EXPECT_GE(compatibility.GetCompatibilityNumber(sign, Name(SignAt(friendly))), 9)
                << sign << " with " << Name(SignAt(friendly));
        }
        EXPECT_LE(compatibility.GetCompatibilityNumber(sign, Name(SignAt(i + 6))), 4)
            << sign << " with " << Name(SignAt(i + 6));
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
    const auto boar = compatibility.GetCompatibilityText("Boar", "Rabbit");
    EXPECT_EQ(boar.userJapaneseSign->name, "Inoshishi");
    EXPECT_FALSE(compatibility.GetCompatibilityText("Nobody", "Rabbit").userJapaneseSign);
}

TEST(KeptSigns, IsEmptyBeforeTheFirstKnownPair) {
    EXPECT_EQ(Compatibility{}.GetCompatibilityText("Nobody", "Rat").text, "");
    EXPECT_EQ(Compatibility{}.GetCompatibilityText("Rat", "Nobody").text, "");
    Compatibility compatibility;
    compatibility.GetCompatibilityText("Nobody", "Rat");
    // The partner's Rat was kept, so a known user now completes the pair.
    EXPECT_EQ(compatibility.GetCompatibilityText("Ox", "Nobody").text,
              Compatibility{}.GetCompatibilityText("Ox", "Rat").text);
}

TEST(KeptSigns, AnUnknownNameKeepsThatSidesPreviousSign) {
    Compatibility compatibility;
    const std::string tigerOx = compatibility.GetCompatibilityText("Tiger", "Ox").text;
    const std::string tigerRat = compatibility.GetCompatibilityText("Tiger", "Rat").text;
    // The user's sign stays Tiger; the partner's becomes Ox.
    EXPECT_EQ(compatibility.GetCompatibilityText("", "Ox").text, tigerOx);
    // The partner's sign stays Ox while the user's changes.
    const std::string dogOx = compatibility.GetCompatibilityText("Dog", "Ox").text;
    EXPECT_EQ(compatibility.GetCompatibilityText("Dog", "cat").text, dogOx);
    EXPECT_NE(tigerOx, tigerRat);
    EXPECT_NE(dogOx, tigerOx);
}

}  // namespace
}  // namespace zodiac
