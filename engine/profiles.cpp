#include "engine/profiles.h"

#include "engine/content/element_descriptions.h"
#include "engine/content/famous_persons.h"
#include "engine/content/sign_traits.h"
#include "engine/profile_table.h"

namespace zodiac {
namespace {

std::string JoinNames(std::span<const content::FamousPerson> persons) {
    std::string joined;
    for (const auto& person : persons) {
        if (!joined.empty()) joined += ", ";
        joined += person.name;
    }
    return joined;
}

const std::string& FamousPersonsOf(AnimalSign sign) {
    static const auto joined = [] {
        std::array<std::string, kSignCount> all;
        for (std::size_t i = 0; i < kSignCount; ++i) all[i] = JoinNames(content::kFamousPersons[i]);
        return all;
    }();
    return joined[Index(sign)];
}

}  // namespace

SignProfile ProfileOf(AnimalSign sign) {
    const ShortProfileFields& s = kShortProfileFields[Index(sign)];
    const content::SignTraits& traits = content::kSignTraits[Index(sign)];
    return SignProfile{{
        std::string{s.rulingPlanet},
        std::string{traits.positive},
        std::string{traits.negative},
        std::string{s.mostCompatibleSign},
        std::string{s.leastCompatibleSign},
        std::string{s.luckyColour},
        std::string{s.gemStone},
        std::string{s.energy},
        std::string{s.luckySeasons},
        std::string{s.luckyMonth},
        FamousPersonsOf(sign),
        std::string{s.westernZodiacSign},
        std::string{s.luckyNumber},
    }};
}

std::string_view ElementDescriptionOf(ZodiacElement element) { return content::kElementDescriptions[Index(element)]; }

std::optional<SignProfile> ProfileLookup::GetSignProfile(std::string_view sign) const {
    const auto found = FindSign(sign);
    if (!found) return std::nullopt;
    return ProfileOf(*found);
}

std::string ProfileLookup::GetElementDescription(std::string_view element) {
    if (const auto found = FindElement(element)) lastDescription_ = ElementDescriptionOf(*found);
    return std::string{lastDescription_};
}

}  // namespace zodiac
