#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "engine/animal_sign.h"

namespace zodiac {

struct JapaneseSign {
    std::string_view name;
    std::string_view kanji;  // the sign's earthly branch, UTF-8, as its symbol shows it
};

// The pair's text, with the Japanese sign of the user's sign when it is one of the twelve.
struct PairText {
    std::string text;
    std::optional<JapaneseSign> userJapaneseSign;
};

struct Rating {
    std::string percentage;
    std::string rating;
};

struct CompatibilityResult {
    std::int16_t number = 0;
    std::string percentage;
    std::string rating;
    std::string text;
};

// The Japanese name and character of a sign.
JapaneseSign JapaneseSignOf(AnimalSign sign);

// How the user's sign and a partner's go together: the number, its percentage
// and rating, and the text written for the user's sign.
CompatibilityResult CompatibilityOf(AnimalSign user, AnimalSign partner);

// The pair's text as plain paragraphs: LF line ends, a blank line between
// paragraphs, and the score sentence always a paragraph of its own. The windows
// and the report keep CompatibilityOf's text exactly as it is stored.
std::string PairParagraphs(AnimalSign user, AnimalSign partner);

// The lookups by display name, over the two above, keeping what they found last;
// the windows go by CompatibilityOf, through a match.
class Compatibility {
public:
    // 0 when either name is not one of the twelve signs.
    std::int16_t GetCompatibilityNumber(std::string_view user, std::string_view partner) const;

    // A name outside the twelve keeps the sign an earlier call set for that side,
    // so the kept pair's text comes back; empty until both sides have had a sign.
    PairText GetCompatibilityText(std::string_view user, std::string_view partner);

    // Nothing for a number outside 2 to 10.
    std::optional<Rating> RateCompatibility(std::int16_t number) const;

private:
    std::optional<AnimalSign> keptUser_;
    std::optional<AnimalSign> keptPartner_;
};

}  // namespace zodiac
