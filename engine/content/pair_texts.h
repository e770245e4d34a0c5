#pragma once

#include <string>

#include "engine/content/pairs/boar.h"
#include "engine/content/pairs/dog.h"
#include "engine/content/pairs/dragon.h"
#include "engine/content/pairs/horse.h"
#include "engine/content/pairs/monkey.h"
#include "engine/content/pairs/ox.h"
#include "engine/content/pairs/rabbit.h"
#include "engine/content/pairs/rat.h"
#include "engine/content/pairs/rooster.h"
#include "engine/content/pairs/sheep.h"
#include "engine/content/pairs/snake.h"
#include "engine/content/pairs/tiger.h"

namespace zodiac::content {

// Rows in the order of AnimalSign; within a row, partners in the same order.
inline constexpr std::array<const PairRow*, kSignCount> kPairRows = {
    &pairs::kRat,   &pairs::kOx,    &pairs::kTiger,  &pairs::kRabbit,  &pairs::kDragon, &pairs::kSnake,
    &pairs::kHorse, &pairs::kSheep, &pairs::kMonkey, &pairs::kRooster, &pairs::kDog,    &pairs::kBoar,
};

constexpr bool RowsAreInPartnerOrder() {
    for (const PairRow* row : kPairRows) {
        for (std::size_t j = 0; j < kSignCount; ++j) {
            if (Index((*row)[j].partner) != j) return false;
        }
    }
    return true;
}
static_assert(RowsAreInPartnerOrder(), "each row lists its partners Rat to Boar");

constexpr const PairProse& PairEntry(AnimalSign user, AnimalSign partner) {
    return (*kPairRows[Index(user)])[Index(partner)];
}

inline std::string ComposePairText(const PairProse& entry) {
    constexpr std::string_view kBlankLine = "\r\n\r\n";
    std::string text;
    text.reserve(entry.description.size() + kBlankLine.size() + entry.scoreSentence.size());
    text += entry.description;
    if (entry.join == Join::BlankLine) text += kBlankLine;
    text += entry.scoreSentence;
    return text;
}

inline std::string PairTextOf(AnimalSign user, AnimalSign partner) { return ComposePairText(PairEntry(user, partner)); }

}  // namespace zodiac::content
