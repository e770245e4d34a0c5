#include "core/main_command.h"

namespace zodiac {
namespace {

// How two signs go together, into `result`: the number, the pair's text, and the
// percentage and rating, which a number outside 2 to 10 leaves as they were.
// Gives the Japanese sign of the user's sign, when it is one of the twelve.
std::optional<JapaneseSign> CompareSigns(Compatibility& compatibility, std::string_view user, std::string_view partner,
                                         CompatibilityResult& result) {
    result.number = compatibility.GetCompatibilityNumber(user, partner);
    PairText pair = compatibility.GetCompatibilityText(user, partner);
    result.text = std::move(pair.text);
    if (const auto rating = compatibility.RateCompatibility(result.number)) {
        result.percentage = rating->percentage;
        result.rating = rating->rating;
    }
    return pair.userJapaneseSign;
}

}  // namespace

std::optional<JapaneseSign> MainCommand::Run(const PersonEntry& user, const PersonEntry& partner, ZodiacState& state) {
    state.userName = user.name;
    state.userBirthText = user.birthText;
    state.partnerName = partner.name;
    state.partnerBirthText = partner.birthText;

    // The partner's section is never checked: a day its month lacks leaves that
    // person's results as the last run left them.
    if (user.birthDate) state.userSign = signs_.GetAnimalSign(*user.birthDate);
    if (partner.birthDate) state.partnerSign = signs_.GetAnimalSign(*partner.birthDate);
    if (user.birthDate) state.userElement = signs_.GetElement(*user.birthDate);
    if (partner.birthDate) state.partnerElement = signs_.GetElement(*partner.birthDate);

    state.userProfile = profiles_.GetSignProfile(state.userSign);
    state.partnerProfile = profiles_.GetSignProfile(state.partnerSign);
    state.userElementDescription = profiles_.GetElementDescription(state.userElement);
    state.partnerElementDescription = profiles_.GetElementDescription(state.partnerElement);

    return CompareSigns(compatibility_, state.userSign, state.partnerSign, state.compatibility);
}

}  // namespace zodiac
