#include "shell/zodiac_app.h"

#include <QApplication>
#include <QMenu>

#include "shell/about_box.h"
#include "shell/exit_screen.h"
#include "shell/main_window.h"
#include "shell/platform.h"
#include "shell/result_window.h"
#include "shell/update_reminder.h"
#include "shell/window_placement.h"
#include "shell/zodiac_window.h"

namespace zodiac {

ZodiacApp::ZodiacApp(Platform& platform, QString siteBase)
    : platform_(platform), links_(platform, std::move(siteBase)) {}

ZodiacApp::~ZodiacApp() {
    delete exitScreen_;
    delete resultWindow_;
    delete mainWindow_;
}

bool ZodiacApp::Start(bool anotherCopyRuns) {
    if (anotherCopyRuns) {
        platform_.showMessage(nullptr, QStringLiteral("Application is already running"), Platform::Icon::Information);
        EndApplication();
        return false;
    }
    platform_.seedRandom();
    UpdateReminder(platform_, links_);
    MainWindow* window = mainWindow();
    CentreOnScreen(window);
    window->show();
    window->ArrangeAdvertisements(AdvertisingDraw(platform_.random()));
    return true;
}

MainWindow* ZodiacApp::mainWindow() {
    if (!mainWindow_) {
        mainWindow_ =
            new MainWindow(platform_, links_, command_, state_, windowCalls(), [this] { return resultWindow(); });
    }
    return mainWindow_;
}

MainWindow* ZodiacApp::loadedMainWindow() const { return mainWindow_; }
ResultWindow* ZodiacApp::loadedResultWindow() const { return resultWindow_; }
ExitScreen* ZodiacApp::loadedExitScreen() const { return exitScreen_; }

ResultWindow* ZodiacApp::resultWindow() {
    if (!resultWindow_) {
        resultWindow_ = new ResultWindow(
            links_, windowCalls(), [this] { mainWindow()->show(); },
            [this](const QString& japaneseSign) { OpenReport(japaneseSign); });
        CentreOnScreen(resultWindow_);
    }
    return resultWindow_;
}

void ZodiacApp::ShowAbout(QWidget* parent) {
    AboutBox about(links_, parent);
    CentreOnScreen(&about);
    about.exec();
}

void ZodiacApp::OpenReport(const QString& japaneseSign) {
    if (reportOpener_) reportOpener_(*this, japaneseSign);
}

void ZodiacApp::HandOver() {
    if (!exitScreen_) {
        exitScreen_ = new ExitScreen(
            platform_, links_, [this] { EndApplication(); },
            [this](const QWidget* window) {
                Forget(window);
                if (!ending_) EndApplication();
            });
        CentreOnScreen(exitScreen_);
    }
    exitScreen_->show();
}

WindowCalls ZodiacApp::windowCalls() {
    return {[this](QWidget* parent) { ShowAbout(parent); },
            [this](const QWidget* window, bool forGood) { WindowClosing(window, forGood); }};
}

void ZodiacApp::WindowClosing(const QWidget* window, bool forGood) {
    if (forGood && !ending_) HandOver();
    Forget(window);
}

void ZodiacApp::Forget(const QWidget* window) {
    if (window == mainWindow_) mainWindow_ = nullptr;
    if (window == resultWindow_) resultWindow_ = nullptr;
    if (window == exitScreen_) exitScreen_ = nullptr;
}

void ZodiacApp::EndApplication() {
    if (ending_) return;
    ending_ = true;
    // Hidden windows too; a window already closing is left to finish by itself.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->isWindow() && !qobject_cast<QMenu*>(window)) window->close();
    }
    platform_.endProcess();
}

}  // namespace zodiac
