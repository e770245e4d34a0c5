#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "engine/animal_sign.h"

namespace zodiac {

// Positions of a profile's thirteen texts; every consumer addresses a field by them.
enum class ProfileField : std::size_t {
    RulingPlanet,
    PositiveTraits,
    NegativeTraits,
    MostCompatibleSign,
    LeastCompatibleSign,
    LuckyColour,
    GemStone,
    Energy,
    LuckySeasons,
    LuckyMonth,
    FamousPersons,
    WesternZodiacSign,
    LuckyNumber,
};

inline constexpr std::size_t kProfileFieldCount = 13;

struct SignProfile {
    std::array<std::string, kProfileFieldCount> fields;

    const std::string& operator[](std::size_t position) const { return fields[position]; }
    const std::string& operator[](ProfileField field) const { return fields[static_cast<std::size_t>(field)]; }
};

// The thirteen texts of a sign's profile, and what an element's description says.
SignProfile ProfileOf(AnimalSign sign);
std::string_view ElementDescriptionOf(ZodiacElement element);

// The lookups by display name, over the two above; the windows take a reading's
// profile.
class ProfileLookup {
public:
    // No profile at all for a name that is not one of the twelve signs.
    std::optional<SignProfile> GetSignProfile(std::string_view sign) const;

    // For an unknown element, the description found last (empty before the first find).
    std::string GetElementDescription(std::string_view element);

private:
    std::string_view lastDescription_;
};

}  // namespace zodiac
