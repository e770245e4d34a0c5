#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <QTextEdit>
#include <functional>

#include "core/main_command.h"
#include "core/zodiac_state.h"
#include "engine/profiles.h"
#include "engine/sign_lookup.h"
#include "report/report_output.h"
#include "report/report_window.h"
#include "services/web_links.h"
#include "shell/about_box.h"
#include "shell/exit_screen.h"
#include "shell/result_window.h"
#include "tests/app/program_fixture.h"
#include "tests/platform/fake_platform.h"

namespace zodiac::testing {

// The state the main command leaves for a user born on `birth`, beside the
// untouched partner's section.
inline ZodiacState StateFor(const QString& name, std::chrono::year_month_day birth, const QString& birthText) {
    using namespace std::chrono;
    ZodiacState state;
    const PersonEntry user{name, {}, {}, {}, birthText, birth};
    const PersonEntry partner{{},
                              QStringLiteral("1"),
                              QStringLiteral("January"),
                              QStringLiteral("1936"),
                              QStringLiteral("1 January 1936"),
                              1936y / January / 1d};
    MainCommand{}.Run(user, partner, state);
    return state;
}

inline ZodiacState AnnsState() {
    using namespace std::chrono;
    return StateFor(QStringLiteral("Ann"), 1975y / March / 5d, QStringLiteral("5 March 1975"));
}

// A report window's surroundings, in the program's style.
struct ReportFixture {
    ProgramStyle style;
    FakePlatform platform;
    WebLinks links{platform, QStringLiteral("https://zodiac.example.test")};
};

inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Reports saved into a folder of the test's own, named as the fake save dialog answers.
class SavedReports {
protected:
    QTemporaryDir dir_;

    QString Path(const QString& name) const { return dir_.filePath(name); }

    QString SaveAs(FakePlatform& platform, const QTextEdit& box, const QString& name) {
        platform.saveAnswers.push_back(Path(name));
        SaveReport(platform, nullptr, box);
        return Path(name);
    }
};

}  // namespace zodiac::testing
