#pragma once

#include <functional>

#include "about_box.h"
#include "compatibility.h"
#include "exit_screen.h"
#include "fake_platform.h"
#include "profiles.h"
#include "report_window.h"
#include "result_window.h"
#include "shell_test_support.h"
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

// Hands each of the program's windows to `check`, after a run for Ann: the main
// window, the result window, the About box, the report window and the exit screen.
inline void ForEveryWindow(const std::function<void(QWidget*)>& check) {
    Program program;
    check(program.main());
    program.Run(QStringLiteral("Ann"), 5, 3, 1975);
    check(program.app.loadedResultWindow());
    AboutBox about(program.app.links());
    check(&about);
    ReportWindow report(program.platform, program.app.links(), program.app.state(), QStringLiteral("Usagi"));
    check(&report);
    program.app.loadedResultWindow()->close();
    check(program.app.loadedExitScreen());
}

}  // namespace zodiac::testing
