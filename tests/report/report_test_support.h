#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <QTextEdit>
#include <functional>

#include "core/main_command.h"
#include "core/zodiac_state.h"
#include "report/report_output.h"
#include "report/report_window.h"
#include "services/web_links.h"
#include "shell/about_box.h"
#include "shell/exit_screen.h"
#include "shell/result_window.h"
#include "tests/app/program_fixture.h"
#include "tests/platform/fake_platform.h"

namespace zodiac::testing {

// The user's reading the main command leaves for a user born on `birth`.
inline Reading ReadingFor(const QString& name, std::chrono::year_month_day birth) {
    using namespace std::chrono;
    ZodiacState state;
    MainCommand{}.Run({name, birth}, {QString(), 1936y / January / 1d}, state);
    return *state.user;
}

inline Reading AnnsReading() {
    using namespace std::chrono;
    return ReadingFor(QStringLiteral("Ann"), 1975y / March / 5d);
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
