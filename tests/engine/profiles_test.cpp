#include "engine/profiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "engine/compatibility.h"
#include "engine/content/famous_persons.h"
#include "engine/sign_lookup.h"

namespace zodiac {
namespace {

using F = ProfileField;

AnimalSign SignAt(std::size_t position) { return static_cast<AnimalSign>(position % kSignCount); }

std::vector<std::string> Split(std::string_view list) {
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t comma = list.find(", ", start);
        parts.emplace_back(list.substr(start, comma - start));
        if (comma == std::string_view::npos) return parts;
        start = comma + 2;
    }
}

std::string Join(const std::vector<std::string_view>& names) {
    std::string joined;
    for (const auto name : names) joined.append(joined.empty() ? "" : ", ").append(name);
    return joined;
}

SignProfile ProfileNamed(AnimalSign sign) {
    const auto profile = ProfileLookup{}.GetSignProfile(Name(sign));
    return profile ? *profile : SignProfile{};
}

// The western signs in the order the sun passes through them from the spring
// equinox, with their rulers, traditional and modern, as astrology books give them.
struct WesternSign {
    std::string_view name;
    std::set<std::string_view> rulers;
};
const WesternSign kWesternSigns[] = {
    {"Aries", {"Mars"}},
    {"Taurus", {"Venus"}},
    {"Gemini", {"Mercury"}},
    {"Cancer", {"Moon"}},
    {"Leo", {"Sun"}},
    {"Virgo", {"Mercury"}},
    {"Libra", {"Venus"}},
    {"Scorpio", {"Mars", "Pluto"}},
    {"Sagittarius", {"Jupiter"}},
    {"Capricorn", {"Saturn"}},
    {"Aquarius", {"Saturn", "Uranus"}},
    {"Pisces", {"Jupiter", "Neptune"}},
};

// The usual pairing of the animals with the western signs keeps both in order,
// the Dragon going with Aries. The result window picks each animal's picture by
// this name, so it must be the animal's own western sign.
TEST(SignProfile, WesternSignAndItsRulingPlanet) {
    for (std::size_t i = 0; i < kSignCount; ++i) {
        const auto profile = ProfileNamed(SignAt(i));
        const WesternSign& western = kWesternSigns[(i + kSignCount - Index(AnimalSign::Dragon)) % kSignCount];
        EXPECT_EQ(profile[F::WesternZodiacSign], western.name) << Name(SignAt(i));
        EXPECT_TRUE(western.rulers.contains(profile[F::RulingPlanet]))
            << Name(SignAt(i)) << ": " << profile[F::RulingPlanet] << " does not rule " << western.name;
    }
}

// Each branch rules a solar month: the Tiger's begins at risshun, early in
// February, the next sign's a month later, and three months make each season.
// The month named is the one the sign's solar month begins in. The Boar's month
// and the Rat's and Dog's seasons have always read otherwise, and stay so.
TEST(SignProfile, LuckyMonthAndSeasonFollowTheSignsSolarMonth) {
    constexpr std::string_view kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                            "July",    "August",   "September", "October", "November", "December"};
    constexpr std::string_view kSeasons[] = {"Spring", "Summer", "Autumn", "Winter"};
    constexpr std::string_view kParts[] = {"Early ", "Mid ", "End of "};
    const std::map<AnimalSign, std::string_view> keptMonths = {{AnimalSign::Boar, "October"}};
    const std::map<AnimalSign, std::string_view> keptSeasons = {{AnimalSign::Rat, "Winter"},
                                                                {AnimalSign::Dog, "Winter"}};
    for (std::size_t i = 0; i < kSignCount; ++i) {
        const auto sign = SignAt(i);
        const auto profile = ProfileNamed(sign);
        const std::size_t fromTiger = (i + kSignCount - Index(AnimalSign::Tiger)) % kSignCount;
        std::string month{kMonths[(fromTiger + 1) % 12]};
        std::string season = std::string{kParts[fromTiger % 3]}.append(kSeasons[fromTiger / 3]);
        if (keptMonths.contains(sign)) month = keptMonths.at(sign);
        if (keptSeasons.contains(sign)) season = keptSeasons.at(sign);
        EXPECT_EQ(profile[F::LuckyMonth], month) << Name(sign);
        EXPECT_EQ(profile[F::LuckySeasons], season) << Name(sign);
    }
}

// The branches alternate yang and yin from the Rat; the profiles have always
// called the Rat yin. Yin is written as the positive energy, yang the negative.
TEST(SignProfile, EnergyIsTheBranchesYinOrYang) {
    for (std::size_t i = 0; i < kSignCount; ++i) {
        const auto sign = SignAt(i);
        const std::string energy = ProfileNamed(sign)[F::Energy];
        const bool yin = i % 2 == 1 || sign == AnimalSign::Rat;
        const std::regex expected =
            yin ? std::regex{R"(Yin \([Pp]ositive( Energy)?\))"} : std::regex{R"(Yang \(Negative\))"};
        EXPECT_TRUE(std::regex_match(energy, expected)) << Name(sign) << ": " << energy;
    }
}

// The three signs four years apart are friends (the trine) and the sign six years
// away is the opposite (the clash). The most compatible signs are the other two of
// the trine and any other the matrix rates as highly; the least compatible are the
// clash and whichever partner the matrix rates lowest. Both are listed Rat to Boar.
TEST(SignProfile, CompatibleSignsAgreeWithTheTrinesClashesAndMatrix) {
    Compatibility compatibility;
    for (std::size_t i = 0; i < kSignCount; ++i) {
        const auto sign = SignAt(i);
        const auto profile = ProfileNamed(sign);
        const auto number = [&](std::size_t j) {
            return compatibility.GetCompatibilityNumber(Name(sign), Name(SignAt(j)));
        };
        const auto trine = std::min(number(i + 4), number(i + 8));
        const std::size_t clash = (i + 6) % kSignCount;
        std::int16_t lowest = 10;
        for (std::size_t j = 0; j < kSignCount; ++j) {
            if (j != i) lowest = std::min(lowest, number(j));
        }
        std::vector<std::string_view> most, least;
        for (std::size_t j = 0; j < kSignCount; ++j) {
            if (j == i) continue;
            if (number(j) >= trine) most.push_back(Name(SignAt(j)));
            if (j == clash || number(j) == lowest) least.push_back(Name(SignAt(j)));
        }
        EXPECT_EQ(profile[F::MostCompatibleSign], Join(most)) << Name(sign);
        EXPECT_EQ(profile[F::LeastCompatibleSign], Join(least)) << Name(sign);
    }
}

// Colours as a colour chart names them, and gem stones as a gem-stone reference
// does; an entry may say more ("Light Blue", "White Onyx").
const std::set<std::string_view> kColours = {"Apricot", "Black",     "Blue",   "Brown", "Crimson", "Gold",   "Green",
                                             "Grey",    "Indigo",    "Orange", "Peach", "Pink",    "Purple", "Red",
                                             "Silver",  "Turquoise", "Violet", "White", "Yellow"};
constexpr std::string_view kGemStones[] = {"agate",      "amber",   "amethyst",   "aquamarine", "beryl",   "carbuncle",
                                           "chrysolite", "diamond", "emerald",    "garnet",     "jade",    "jasper",
                                           "moonstone",  "onyx",    "opal",       "pearl",      "peridot", "ruby",
                                           "sapphire",   "topaz",   "tourmaline", "turquoise",  "zircon"};

bool NamesAGemStone(std::string item) {
    std::ranges::transform(item, item.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return std::ranges::any_of(kGemStones, [&](std::string_view gem) { return item.ends_with(gem); });
}

// The short fields the windows and the report show as they are: colours and gem
// stones in capitals apart by ", ", and lucky numbers rising, the last after "and".
TEST(SignProfile, ShortFieldsAreListsOfTheirKind) {
    const std::regex names{R"([A-Z][a-z]+( [A-Z][a-z]+)*)"};
    for (std::size_t i = 0; i < kSignCount; ++i) {
        const auto profile = ProfileNamed(SignAt(i));
        for (const auto field : {F::LuckyColour, F::GemStone}) {
            const auto parts = Split(profile[field]);
            EXPECT_EQ(std::set<std::string>(parts.begin(), parts.end()).size(), parts.size()) << profile[field];
            for (const auto& part : parts) {
                EXPECT_TRUE(std::regex_match(part, names)) << Name(SignAt(i)) << ": " << part;
                const bool ofItsKind =
                    field == F::GemStone ? NamesAGemStone(part) : kColours.contains(part.substr(part.rfind(' ') + 1));
                EXPECT_TRUE(ofItsKind) << Name(SignAt(i)) << ": " << part;
            }
        }
        const std::string& luckyNumber = profile[F::LuckyNumber];
        std::smatch last;
        ASSERT_TRUE(std::regex_search(luckyNumber, last, std::regex{",? and ([0-9]+)$"}))
            << Name(SignAt(i)) << ": " << luckyNumber;
        auto numbers = Split(luckyNumber.substr(0, static_cast<std::size_t>(last.position(0))));
        numbers.push_back(last[1]);
        int previous = 0;
        for (const auto& number : numbers) {
            ASSERT_TRUE(std::regex_match(number, std::regex{"[1-9][0-9]?"})) << Name(SignAt(i)) << ": " << number;
            EXPECT_GT(std::stoi(number), previous) << Name(SignAt(i)) << ": " << luckyNumber;
            previous = std::stoi(number);
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
