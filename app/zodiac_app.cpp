#include "app/zodiac_app.h"

#include <QApplication>
#include <QMenu>
#include <QPointer>

#include "look/window_placement.h"
#include "platform/platform.h"
#include "report/report_window.h"
#include "shell/about_box.h"
#include "shell/exit_screen.h"
#include "shell/main_window.h"
#include "shell/result_window.h"
#include "shell/update_reminder.h"
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
        platform_.ShowMessage(nullptr, QStringLiteral("Application is already running"), Platform::Icon::Information);
        EndApplication();
        return false;
    }
    platform_.SeedRandom();
    UpdateReminder(platform_, links_);
    MainWindow* window = LoadMainWindow();
    CentreOnScreen(window);
    window->show();
    window->ArrangeAdvertisements(AdvertisingDraw(platform_.Random()));
    return true;
}

MainWindow* ZodiacApp::LoadMainWindow() {
    if (!mainWindow_) {
        mainWindow_ = new MainWindow(platform_, links_, command_, state_);
        AnswerWindow(mainWindow_);
        connect(mainWindow_, &MainWindow::ResultReady, this, &ZodiacApp::ShowResult);
    }
    return mainWindow_;
}

ResultWindow* ZodiacApp::LoadResultWindow() {
    if (!resultWindow_) {
        resultWindow_ = new ResultWindow(links_);
        AnswerWindow(resultWindow_);
        connect(resultWindow_, &ResultWindow::BackRequested, this, [this] { LoadMainWindow()->show(); });
        connect(resultWindow_, &ResultWindow::PrintRequested, this, &ZodiacApp::OpenReport);
        CentreOnScreen(resultWindow_);
    }
    return resultWindow_;
}

MainWindow* ZodiacApp::LoadedMainWindow() const { return mainWindow_; }
ResultWindow* ZodiacApp::LoadedResultWindow() const { return resultWindow_; }
ExitScreen* ZodiacApp::LoadedExitScreen() const { return exitScreen_; }

void ZodiacApp::AnswerWindow(ZodiacWindow* window) {
    connect(window, &ZodiacWindow::AboutRequested, this, [this, window] { ShowAbout(window); });
    connect(window, &ZodiacWindow::Closing, this, [this, window](bool forGood) { WindowClosing(window, forGood); });
}

void ZodiacApp::ShowAbout(QWidget* parent) {
    AboutBox about(links_, parent);
    CentreOnScreen(&about);
    about.exec();
}

void ZodiacApp::ShowResult() { LoadResultWindow()->Show(state_); }

void ZodiacApp::OpenReport() {
    // Print is offered only by the result window, which shows the user's reading.
    if (!state_.user) return;
    // The report has no parent, so nothing would hand the focus back to what opened it.
    const QPointer<QWidget> opener = QApplication::focusWidget();
    ReportWindow report(platform_, links_, *state_.user);
    CentreOnScreen(&report);
    report.exec();
    if (opener) {
        opener->activateWindow();
        opener->setFocus(Qt::OtherFocusReason);
    }
}

void ZodiacApp::WindowClosing(const QWidget* window, bool forGood) {
    if (forGood && !ending_) HandOver();
    Forget(window);
}

void ZodiacApp::HandOver() {
    if (!exitScreen_) {
        exitScreen_ = new ExitScreen(platform_, links_);
        ExitScreen* const screen = exitScreen_;
        connect(screen, &ExitScreen::LeaveRequested, this, &ZodiacApp::EndApplication);
        connect(screen, &ExitScreen::Closed, this, [this, screen] {
            Forget(screen);
            if (!ending_) EndApplication();
        });
        CentreOnScreen(exitScreen_);
    }
    exitScreen_->show();
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
    platform_.EndProcess();
}

}  // namespace zodiac
