#include "core/main_command.h"

namespace zodiac {

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

    CompatibilityResult& result = state.compatibility;
    result.number = compatibility_.GetCompatibilityNumber(state.userSign, state.partnerSign);
    PairText pair = compatibility_.GetCompatibilityText(state.userSign, state.partnerSign);
    result.text = std::move(pair.text);
    // A number outside 2 to 10 leaves the percentage and rating as they were.
    if (const auto rating = compatibility_.RateCompatibility(result.number)) {
        result.percentage = rating->percentage;
        result.rating = rating->rating;
    }
    return pair.userJapaneseSign;
}

}  // namespace zodiac
