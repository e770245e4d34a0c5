#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "app/zodiac_app.h"
#include "look/window_style.h"
#include "shell/main_window.h"
#include "tests/app/find_child.h"
#include "tests/platform/fake_platform.h"

namespace zodiac::testing {

inline constexpr auto kSiteBase = "https://zodiac.example.test";

// The program's own style, in place before any window is built, as RunProgram puts it.
struct ProgramStyle {
    ProgramStyle() { UseWindowStyle(); }
};

// A started program over the fake platform, its windows in the program's style.
struct Program {
    ProgramStyle style;
    FakePlatform platform;
    ZodiacApp app{platform, QString::fromLatin1(kSiteBase)};

    Program() { app.Start(); }
    MainWindow* main() { return app.LoadMainWindow(); }

    // Enters the user's section (month 1 to 12) and presses the main command's button.
    void Run(const QString& name, int day, int month, int year) {
        Enter(name, day, month, year);
        Child<QPushButton>(main(), "cmdProceed")->click();
    }
    void Enter(const QString& name, int day, int month, int year) {
        MainWindow* window = main();
        Child<QLineEdit>(window, "txtMaleName")->setText(name);
        Child<QComboBox>(window, "CboMaleDate")->setCurrentIndex(day - 1);
        Child<QComboBox>(window, "cboMaleMonth")->setCurrentIndex(month - 1);
        Child<QComboBox>(window, "cboMaleYear")->setCurrentIndex(year - 1936);
    }
};

inline QString Page(const char* key) {
    return QString::fromLatin1(kSiteBase) + QStringLiteral("/qorvel-zodiac/ssd.php?page=") + QLatin1String(key);
}

}  // namespace zodiac::testing
