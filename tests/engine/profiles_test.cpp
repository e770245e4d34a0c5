#include "engine/profiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <set>

#include "engine/content/famous_persons.h"
#include "engine/sign_lookup.h"

namespace zodiac {
namespace {

using F = ProfileField;

struct ShortFieldsCase {
    const char* sign;
    std::array<const char*, 10> values;  // positions 0, 3, 4, 5, 6, 7, 8, 9, 11, 12
};

// Exactly as the program has always shown them, odd spellings and all.
const ShortFieldsCase kExpectedShortFields[] = {
    {"Rat",
     {"Jupiter", "Dragon, Monkey", "Horse", "Light Blue", "Carbuncle, Red Garnet", "Yin (positive)", "Winter",
      "December", "Sagittarius", "1, 4, 5, 10, 11, 14, 41, 45, 51, and 54"}},
    {"Ox",
     {"Saturn", "Snake, Rooster", "Sheep", "Violet", "White Onyx", "Yin (positive)", "End of Winter", "January",
      "Capricorn", "1, 3, 5, 12, 15, 33, 35, 51 and 53"}},
    {"Tiger",
     {"Uranus", "Horse, Dog", "Monkey", "Green", "Sapphire", "Yang (Negative)", "Early Spring", "February", "Aquarius",
      "4, 5, 7, 9, 13, 34, 44, 45 and 54"}},
    {"Rabbit",
     {"Jupiter", "Sheep, Boar", "Rooster", "Pale Green", "Chrysolite", "Yin (positive)", "Mid Spring", "March",
      "Pisces", "1, 3, 5, 9, 15, 19 and 35"}},
    {"Dragon",
     {"Mars", "Rat, Monkey", "Dog", "Turquoise", "Amethyst", "Yang (Negative)", "End of Spring", "April", "Aries",
      "3, 4, 5, 6, 15, 21, 34, 35, 36 and 45"}},
    {"Snake",
     {"Venus", "Ox, Rooster", "Tiger, Boar", "Red", "Mossagate", "Yin (Positive Energy)", "Early Summer", "May",
      "Taurus", "1, 2, 4, 6, 13, 24, 42 and 46"}},
    {"Horse",
     {"Mercury", "Tiger, Dog", "Rat", "Orange", "Beryl", "Yang (Negative)", "Mid Summer", "June", "Gemini",
      "1, 3, 4, 8, 13, 14, 41 and 43"}},
    {"Sheep",
     {"Moon", "Rabbit, Boar", "Ox", "Pink, Purple", "Emerald", "Yin (Positive)", "End of Summer", "July", "Cancer",
      "3, 4, 5, 12, 34, 45 and 54"}},
    {"Monkey",
     {"Sun", "Rat, Dragon", "Tiger", "Yellow, Gold", "Emerald", "Yang (Negative)", "Early Autumn", "August", "Leo",
      "3, 4, 5, 7, 16, 23, 34, 45 and 54"}},
    {"Rooster",
     {"Mercury", "Ox, Dragon, Snake", "Rabbit", "Peach, Apricot", "Pin Jasper", "Yin (Positive)", "Mid Autumn",
      "September", "Virgo", "1, 5, 6, 12, 15, 16, 24 and 51"}},
    {"Dog",
     {"Venus", "Tiger, Horse", "Dragon", "Pale Yellow", "Diamond", "Yang (Negative)", "Winter", "October", "Libra",
      "1, 4, 5, 9, 10, 14, 19, 28, 30, 41, 45 and 54"}},
    {"Boar",
     {"Mars", "Rabbit, Sheep", "Snake", "Dark Blue", "Topaz", "Yin (Positive)", "Early Winter", "October", "Scorpio",
      "1, 3, 4, 5, 8, 16, 18, 34, 41 and 48"}},
};

TEST(SignProfile, ShortFieldsMatchCharacterForCharacter) {
    constexpr std::array<std::size_t, 10> positions = {0, 3, 4, 5, 6, 7, 8, 9, 11, 12};
    for (const auto& expected : kExpectedShortFields) {
        const auto profile = ProfileLookup{}.GetSignProfile(expected.sign);
        ASSERT_TRUE(profile) << expected.sign;
        for (std::size_t k = 0; k < positions.size(); ++k) {
            EXPECT_EQ((*profile)[positions[k]], expected.values[k]) << expected.sign << " position " << positions[k];
        }
    }
}

TEST(SignProfile, UnknownNamesGiveNoProfile) {
    for (const char* name : {"rat", "", "Rat ", "RAT", "Cat", "Rabbi"}) {
        EXPECT_FALSE(ProfileLookup{}.GetSignProfile(name)) << '"' << name << '"';
    }
}

struct TraitLengths {
    const char* sign;
    std::size_t positive, negative, famous;
};

const TraitLengths kTraitLengths[] = {
    {"Rat", 680, 570, 1},    {"Ox", 922, 531, 7},      {"Tiger", 759, 508, 6}, {"Rabbit", 731, 561, 6},
    {"Dragon", 840, 738, 3}, {"Snake", 761, 635, 6},   {"Horse", 762, 470, 5}, {"Sheep", 797, 500, 6},
    {"Monkey", 997, 432, 6}, {"Rooster", 685, 438, 4}, {"Dog", 739, 502, 8},   {"Boar", 614, 417, 5},
};

void ExpectParagraphNear(const std::string& text, std::size_t target, const std::string& what) {
    EXPECT_NEAR(static_cast<double>(text.size()), static_cast<double>(target), target * 0.10) << what;
    EXPECT_EQ(text.find_first_of("\r\n"), std::string::npos) << what << " must be one paragraph";
    EXPECT_NE(text.find("You"), std::string::npos) << what << " speaks to the reader";
}

TEST(SignProfile, EveryFieldIsFilledAndTheProseHasItsLength) {
    std::set<std::string> paragraphs;
    for (const auto& sign : kTraitLengths) {
        const auto profile = ProfileLookup{}.GetSignProfile(sign.sign);
        ASSERT_TRUE(profile);
        for (const auto& field : profile->fields) EXPECT_FALSE(field.empty()) << sign.sign;
        ExpectParagraphNear((*profile)[F::PositiveTraits], sign.positive, std::string{sign.sign} + " positive");
        ExpectParagraphNear((*profile)[F::NegativeTraits], sign.negative, std::string{sign.sign} + " negative");
        paragraphs.insert((*profile)[F::PositiveTraits]);
        paragraphs.insert((*profile)[F::NegativeTraits]);
    }
    EXPECT_EQ(paragraphs.size(), 24u) << "no sign borrows another sign's prose";
}

TEST(FamousPersons, EachWasBornInAYearOfTheirSign) {
    std::set<std::string_view> everyone;
    for (std::size_t i = 0; i < kSignCount; ++i) {
        const auto sign = static_cast<AnimalSign>(i);
        EXPECT_EQ(content::kFamousPersons[i].size(), kTraitLengths[i].famous) << Name(sign);
        for (const auto& person : content::kFamousPersons[i]) {
            EXPECT_EQ(SignLookup{}.GetAnimalSign(person.born), Name(sign)) << person.name;
            EXPECT_EQ(person.name.find(','), std::string_view::npos) << person.name;
            EXPECT_TRUE(everyone.insert(person.name).second) << person.name << " is listed twice";
        }
    }
}

struct JapaneseCase {
    AnimalSign sign;
    std::string_view name;
    std::chrono::year_month_day born;
};

// Typed from public biographies: one person from Japan each list of two or more names must hold.
const JapaneseCase kPersonFromJapan[] = {
    {AnimalSign::Ox, "Ichiro Suzuki", std::chrono::year{1973} / 10 / 22},
    {AnimalSign::Tiger, "Hideki Matsui", std::chrono::year{1974} / 6 / 12},
    {AnimalSign::Rabbit, "Hideo Kojima", std::chrono::year{1963} / 8 / 24},
    {AnimalSign::Dragon, "Shigeru Miyamoto", std::chrono::year{1952} / 11 / 16},
    {AnimalSign::Snake, "Tadao Ando", std::chrono::year{1941} / 9 / 13},
    {AnimalSign::Horse, "Shinzo Abe", std::chrono::year{1954} / 9 / 21},
    {AnimalSign::Sheep, "Akira Toriyama", std::chrono::year{1955} / 4 / 5},
    {AnimalSign::Monkey, "Hideo Nomo", std::chrono::year{1968} / 8 / 31},
    {AnimalSign::Rooster, "Masayoshi Son", std::chrono::year{1957} / 8 / 11},
    {AnimalSign::Dog, "Yuzuru Hanyu", std::chrono::year{1994} / 12 / 7},
    {AnimalSign::Boar, "Ken Watanabe", std::chrono::year{1959} / 10 / 21},
};

TEST(FamousPersons, EveryListOfTwoOrMoreHoldsSomeoneFromJapan) {
    std::set<AnimalSign> covered;
    for (const auto& expected : kPersonFromJapan) {
        covered.insert(expected.sign);
        const auto& list = content::kFamousPersons[Index(expected.sign)];
        const auto found = std::ranges::find(list, expected.name, &content::FamousPerson::name);
        ASSERT_NE(found, list.end()) << expected.name << " is missing from " << Name(expected.sign);
        EXPECT_EQ(found->born, expected.born) << expected.name;
    }
    for (std::size_t i = 0; i < kSignCount; ++i) {
        const auto sign = static_cast<AnimalSign>(i);
        if (content::kFamousPersons[i].size() >= 2) {
            EXPECT_TRUE(covered.contains(sign)) << Name(sign) << " names nobody from Japan";
        }
    }
}

// Someone born before the lunar new year would belong to a different sign under
// a 1 January year start, so nobody listed may be born that early in the year.
TEST(FamousPersons, NobodyIsBornBeforeLateFebruary) {
    using namespace std::chrono;
    for (const auto& list : content::kFamousPersons) {
        for (const auto& person : list) {
            EXPECT_NE(person.born.month(), January) << person.name;
            EXPECT_FALSE(person.born.month() == February && person.born.day() < day{20}) << person.name;
        }
    }
}

TEST(FamousPersons, AreShownAsNamesJoinedByCommas) {
    const auto ox = ProfileLookup{}.GetSignProfile("Ox");
    ASSERT_TRUE(ox);
    std::string expected;
    for (const auto& person : content::kFamousPersons[Index(AnimalSign::Ox)]) {
        expected += expected.empty() ? "" : ", ";
        expected += person.name;
    }
    EXPECT_EQ((*ox)[F::FamousPersons], expected);
    EXPECT_EQ((*ProfileLookup{}.GetSignProfile("Rat"))[F::FamousPersons].find(','), std::string::npos);
}

TEST(ElementDescription, FiveDistinctParagraphsOfTheirLength) {
    const std::pair<const char*, std::size_t> elements[] = {
        {"Metal", 302}, {"Water", 334}, {"Wood", 432}, {"Fire", 354}, {"Earth", 318}};
    std::set<std::string> seen;
    for (const auto& [name, length] : elements) {
        const std::string text = ProfileLookup{}.GetElementDescription(name);
        ExpectParagraphNear(text, length, name);
        seen.insert(text);
    }
    EXPECT_EQ(seen.size(), 5u);
}

TEST(ElementDescription, AnUnknownNameReturnsTheDescriptionFoundLast) {
    ProfileLookup lookup;
    EXPECT_EQ(lookup.GetElementDescription("metal"), "");
    const std::string water = lookup.GetElementDescription("Water");
    EXPECT_EQ(lookup.GetElementDescription("metal"), water);
    EXPECT_EQ(lookup.GetElementDescription(""), water);
    EXPECT_NE(lookup.GetElementDescription("Metal"), water);
}

}  // namespace
}  // namespace zodiac
