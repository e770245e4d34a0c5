#pragma once

#include "compatibility.h"
#include "fake_platform.h"
#include "profiles.h"
#include "report_window.h"
#include "sign_lookup.h"
#include "web_links.h"
#include "zodiac_state.h"

namespace zodiac::testing {

// The state the main command leaves for a user born on `birth`.
inline ZodiacState StateFor(const QString& name, std::chrono::year_month_day birth, const QString& birthText) {
    ZodiacState state;
    SignLookup signs;
    ProfileLookup profiles;
    state.userName = name;
    state.userBirthText = birthText;
    state.userSign = signs.GetAnimalSign(birth);
    state.userElement = signs.GetElement(birth);
    state.userProfile = profiles.GetSignProfile(state.userSign);
    state.userElementDescription = profiles.GetElementDescription(state.userElement);
    return state;
}

inline ZodiacState AnnsState() {
    using namespace std::chrono;
    return StateFor(QStringLiteral("Ann"), 1975y / March / 5d, QStringLiteral("5 March 1975"));
}

struct ReportFixture {
    FakePlatform platform;
    WebLinks links{platform, QStringLiteral("https://zodiac.example.test")};
};

}  // namespace zodiac::testing
