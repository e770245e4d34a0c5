#pragma once

#include "core/birthplace.h"
#include "core/zodiac_state.h"

namespace zodiac {

// The windows' main command: each person's reading as the windows count it (the
// zodiac year from the lunar new year, on Japan's clock), and the pair's match.
// A person whose entries name no real day keeps the reading of the last run, and
// the pair is matched from it; without one, that side stays empty.
class MainCommand {
public:
    MainCommand();

    void Run(const PersonEntry& user, const PersonEntry& partner, ZodiacState& state) const;

private:
    Birthplace place_;
};

}  // namespace zodiac
