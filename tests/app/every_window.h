#pragma once

#include <functional>

#include "report/report_window.h"
#include "shell/about_box.h"
#include "shell/result_window.h"
#include "tests/app/program_fixture.h"

namespace zodiac::testing {

// Hands each of the program's windows to `check`, after a run for Ann: the main
// window, the result window, the About box, the report window and the exit screen.
inline void ForEveryWindow(const std::function<void(QWidget*)>& check) {
    Program program;
    check(program.main());
    program.Run(QStringLiteral("Ann"), 5, 3, 1975);
    check(program.app.LoadedResultWindow());
    AboutBox about(program.app.links());
    check(&about);
    ReportWindow report(program.platform, program.app.links(), *program.app.state().user);
    check(&report);
    program.app.LoadedResultWindow()->close();
    check(program.app.LoadedExitScreen());
}

}  // namespace zodiac::testing
