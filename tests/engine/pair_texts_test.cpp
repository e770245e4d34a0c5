#include "engine/content/pair_texts.h"

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <set>

#include "engine/compatibility.h"
#include "engine/compatibility_tables.h"

namespace zodiac {
namespace {

constexpr std::string_view kNumberWords[] = {"",    "one",   "two",   "three", "four", "five",
                                             "six", "seven", "eight", "nine",  "ten"};
constexpr std::string_view kPlurals[] = {"Rats",   "Oxen",  "Tigers",  "Rabbits",  "Dragons", "Snakes",
                                         "Horses", "Sheep", "Monkeys", "Roosters", "Dogs",    "Boars"};

struct Pair {
    AnimalSign user, partner;
    const content::PairProse& prose;
    std::string text;
};

std::vector<Pair> AllPairs() {
    std::vector<Pair> pairs;
    Compatibility compatibility;
    for (std::size_t i = 0; i < kSignCount; ++i) {
        for (std::size_t j = 0; j < kSignCount; ++j) {
            const auto u = static_cast<AnimalSign>(i), p = static_cast<AnimalSign>(j);
            pairs.push_back(
                {u, p, content::PairEntry(u, p), compatibility.GetCompatibilityText(Name(u), Name(p)).text});
        }
    }
    return pairs;
}

bool IsShared(const Pair& pair) {
    using enum AnimalSign;
    return (pair.user == Rat && pair.partner == Dog) || (pair.user == Ox && pair.partner == Rat);
}

std::string Trace(const Pair& pair) {
    return std::string{Name(pair.user)} + " with " + std::string{Name(pair.partner)};
}

TEST(PairTexts, DescriptionsHaveTheirLengthAndNameBothAnimals) {
    std::size_t total = 0;
    for (const auto& pair : AllPairs()) {
        const auto description = pair.prose.description;
        EXPECT_GE(description.size(), 576u) << Trace(pair);
        EXPECT_LE(description.size(), 1204u) << Trace(pair);
        EXPECT_EQ(description.find_first_of("\r\n"), std::string_view::npos) << Trace(pair);
        for (const auto sign : {pair.user, pair.partner}) {
            const std::regex named("\\b" + std::string{Name(sign)});
            EXPECT_TRUE(std::regex_search(description.begin(), description.end(), named))
                << Trace(pair) << " does not name " << Name(sign);
        }
        total += description.size();
    }
    EXPECT_NEAR(total / 144.0, 850.0, 50.0);
}

TEST(PairTexts, ScoreSentencesFollowThePatternAndStateTheMatrixNumber) {
    for (const auto& pair : AllPairs()) {
        const auto sentence = std::string{pair.prose.scoreSentence};
        const auto number = kCompatibilityMatrix[Index(pair.user)][Index(pair.partner)];
        // The shared entries carry the sentence of the pair they share it with.
        const bool shared = IsShared(pair);
        const AnimalSign first = shared ? pair.partner : pair.user;
        const AnimalSign second = shared ? pair.user : pair.partner;
        const bool boars = pair.user == AnimalSign::Boar && pair.partner == AnimalSign::Boar;
        const std::string opening = boars ? "On a scale of one to ten, " : "On the compatibility scale of one to ten, ";
        std::string names{first == second ? "two " : ""};
        names += first == second ? kPlurals[Index(first)] : Name(first);
        if (first != second) names.append(" and ").append(Name(second));
        EXPECT_EQ(sentence.rfind(opening + names + ' ', 0), 0u) << Trace(pair) << ": " << sentence;
        const std::string ending = std::string{" "}.append(kNumberWords[number]).append(".");
        EXPECT_TRUE(sentence.ends_with(ending)) << Trace(pair) << " should end with" << ending << ": " << sentence;
        EXPECT_GE(sentence.size(), 67u) << Trace(pair);
        EXPECT_LE(sentence.size(), 101u) << Trace(pair);
    }
}

TEST(PairTexts, TextIsDescriptionBlankLineAndScoreSentenceBarTwoEntries) {
    using enum AnimalSign;
    for (const auto& pair : AllPairs()) {
        const bool runTogether =
            (pair.user == Sheep && pair.partner == Sheep) || (pair.user == Tiger && pair.partner == Rooster);
        const std::string separator = runTogether ? "" : "\r\n\r\n";
        EXPECT_EQ(pair.text, std::string{pair.prose.description} + separator + std::string{pair.prose.scoreSentence})
            << Trace(pair);
    }
    Compatibility compatibility;
    EXPECT_NE(compatibility.GetCompatibilityText("Rooster", "Tiger").text.find("\r\n\r\nOn the"), std::string::npos);
}

TEST(PairTexts, OnlyTheTwoSharedEntriesRepeatText) {
    Compatibility compatibility;
    EXPECT_EQ(compatibility.GetCompatibilityText("Rat", "Dog").text,
              compatibility.GetCompatibilityText("Dog", "Rat").text);
    const auto ratOx = content::PairEntry(AnimalSign::Rat, AnimalSign::Ox);
    const auto oxRat = content::PairEntry(AnimalSign::Ox, AnimalSign::Rat);
    EXPECT_EQ(oxRat.scoreSentence, ratOx.scoreSentence);
    EXPECT_NE(oxRat.description, ratOx.description);
    EXPECT_NE(ratOx.scoreSentence.find("Rat and Ox"), std::string_view::npos);

    std::set<std::string_view> descriptions, sentences;
    for (const auto& pair : AllPairs()) {
        descriptions.insert(pair.prose.description);
        sentences.insert(pair.prose.scoreSentence);
    }
    EXPECT_EQ(descriptions.size(), 143u);
    EXPECT_EQ(sentences.size(), 142u);
}

std::vector<std::string> Sentences(std::string_view text) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of(".!?", start);
        end = end == std::string_view::npos ? text.size() : end + 1;
        std::string sentence{text.substr(start, end - start)};
        sentence.erase(0, sentence.find_first_not_of(' '));
        if (!sentence.empty()) out.push_back(sentence);
        start = end;
    }
    return out;
}

TEST(PairTexts, NoSentenceStandsInTwoDescriptions) {
    std::map<std::string, std::string> firstSeenIn;
    std::set<std::string_view> done;
    for (const auto& pair : AllPairs()) {
        if (!done.insert(pair.prose.description).second) continue;  // the shared Rat and Dog text
        for (const auto& sentence : Sentences(pair.prose.description)) {
            if (sentence.size() < 20) continue;
            const auto [it, fresh] = firstSeenIn.emplace(sentence, Trace(pair));
            EXPECT_TRUE(fresh) << '"' << sentence << "\" stands in " << it->second << " and " << Trace(pair);
        }
    }
}

}  // namespace
}  // namespace zodiac
