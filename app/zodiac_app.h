#pragma once

#include <QObject>
#include <QPointer>

#include "core/main_command.h"
#include "core/zodiac_state.h"
#include "services/web_links.h"

class QWidget;

namespace zodiac {

class ExitScreen;
class MainWindow;
class Platform;
class ResultWindow;
class ZodiacWindow;

// The program's windows and the state they share, for as long as the program
// runs. The windows say what the user asked for by their signals; this answers,
// opening and closing windows.
class ZodiacApp : public QObject {
    Q_OBJECT
public:
    ZodiacApp(Platform& platform, QString siteBase);
    ~ZodiacApp() override;

    // Start-up. A second copy only says that the first one runs, and ends. The
    // first seeds the random draw, reminds of updates, shows the main window and
    // draws which advertisement lies in front. False when the program ends at once.
    bool Start(bool anotherCopyRuns = false);

    Platform& platform() { return platform_; }
    WebLinks& links() { return links_; }
    ZodiacState& state() { return state_; }

    // Windows are created on first use. A window that has been closed is gone
    // from the moment it closes, even before Qt deletes it, and is never shown again.
    MainWindow* LoadMainWindow();
    ResultWindow* LoadResultWindow();
    MainWindow* LoadedMainWindow() const;
    ResultWindow* LoadedResultWindow() const;
    ExitScreen* LoadedExitScreen() const;

    // Closes every window, each running its own closing, then ends the program.
    void EndApplication();
    bool ending() const { return ending_; }

private:
    // The About box and closing, which the main and result windows both ask for.
    void AnswerWindow(ZodiacWindow* window);
    void ShowAbout(QWidget* parent);
    // The main command's findings, in the result window.
    void ShowResult();
    // The report of the last run, modal, with no owner.
    void OpenReport();
    // A main or result window is closing: for good, the exit screen takes over.
    void WindowClosing(const QWidget* window, bool forGood);
    void HandOver();
    // Every window of ours is forgotten as it closes.
    void Forget(const QWidget* window);

    Platform& platform_;
    WebLinks links_;
    ZodiacState state_;
    MainCommand command_;
    QPointer<MainWindow> mainWindow_;
    QPointer<ResultWindow> resultWindow_;
    QPointer<ExitScreen> exitScreen_;
    bool ending_ = false;
};

}  // namespace zodiac
