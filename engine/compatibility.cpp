#include "engine/compatibility.h"

#include "engine/compatibility_tables.h"
#include "engine/content/pair_texts.h"

namespace zodiac {
namespace {

std::int16_t NumberOf(AnimalSign user, AnimalSign partner) { return kCompatibilityMatrix[Index(user)][Index(partner)]; }

std::optional<Rating> RatingOf(std::int16_t number) {
    if (number < 2 || number > 10) return std::nullopt;
    return Rating{std::to_string(number * 10) + '%', std::string{kRatingPhrases[static_cast<std::size_t>(number)]}};
}

}  // namespace

JapaneseSign JapaneseSignOf(AnimalSign sign) { return kJapaneseSigns[Index(sign)]; }

CompatibilityResult CompatibilityOf(AnimalSign user, AnimalSign partner) {
    const std::int16_t number = NumberOf(user, partner);
    // Every pair of the matrix scores 2 to 10, so every one has its rating.
    const Rating rating = *RatingOf(number);
    return {number, rating.percentage, rating.rating, content::PairTextOf(user, partner)};
}

std::string PairParagraphs(AnimalSign user, AnimalSign partner) {
    const content::PairProse& entry = content::PairEntry(user, partner);
    std::string text{entry.description};
    std::erase(text, '\r');
    return text + "\n\n" + std::string{entry.scoreSentence};
}

std::int16_t Compatibility::GetCompatibilityNumber(std::string_view user, std::string_view partner) const {
    const auto u = FindSign(user);
    const auto p = FindSign(partner);
    if (!u || !p) return 0;
    return NumberOf(*u, *p);
}

PairText Compatibility::GetCompatibilityText(std::string_view user, std::string_view partner) {
    PairText result;
    if (const auto u = FindSign(user)) {
        keptUser_ = u;
        result.userJapaneseSign = JapaneseSignOf(*u);
    }
    if (const auto p = FindSign(partner)) keptPartner_ = p;
    if (keptUser_ && keptPartner_) result.text = content::PairTextOf(*keptUser_, *keptPartner_);
    return result;
}

std::optional<Rating> Compatibility::RateCompatibility(std::int16_t number) const { return RatingOf(number); }

}  // namespace zodiac
