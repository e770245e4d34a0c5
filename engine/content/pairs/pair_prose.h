#pragma once

#include <array>
#include <string_view>

#include "engine/animal_sign.h"

namespace zodiac::content {

// How the score sentence follows the description. Two old entries run the two
// together with no break, and readers of saved reports have always seen them so.
enum class Join : bool { BlankLine, Directly };

// One entry of a user sign's row: the pair with `partner`, seen from the user's side.
struct PairProse {
    AnimalSign partner;
    std::string_view description;
    std::string_view scoreSentence;
    Join join = Join::BlankLine;
};

using PairRow = std::array<PairProse, kSignCount>;

namespace pairs {
using enum AnimalSign;
}

}  // namespace zodiac::content
