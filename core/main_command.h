#pragma once

#include <optional>

#include "core/zodiac_state.h"
#include "engine/compatibility.h"
#include "engine/profiles.h"
#include "engine/sign_lookup.h"

namespace zodiac {

// What the windows' main command computes once it has read both persons'
// entries: signs, then elements, then profiles and element descriptions, then the
// pair's compatibility, each lookup in its fixed order and keeping what it found
// last, as the windows always have. It lives as long as the program.
class MainCommand {
public:
    // Writes every result into `state`; gives the Japanese sign of the user's
    // sign for the result window, when the user's sign is one of the twelve.
    std::optional<JapaneseSign> Run(const PersonEntry& user, const PersonEntry& partner, ZodiacState& state);

private:
    SignLookup signs_;
    ProfileLookup profiles_;
    Compatibility compatibility_;
};

}  // namespace zodiac
