#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

#include "compatibility.h"
#include "profiles.h"
#include "sign_lookup.h"
#include "web_links.h"
#include "zodiac_state.h"

namespace zodiac {

class ExitScreen;
class MainWindow;
class Platform;
class ResultWindow;

// The program's windows and the state they share, for as long as the program runs.
class ZodiacApp : public QObject {
    Q_OBJECT
public:
    ZodiacApp(Platform& platform, QString siteBase);
    ~ZodiacApp() override;

    // Start-up after the single-instance check: seeds the random draw, reminds of
    // updates, shows the main window and draws which advertisement lies in front.
    void Start();

    Platform& platform() { return platform_; }
    WebLinks& links() { return links_; }
    ZodiacState& state() { return state_; }
    SignLookup& signs() { return signs_; }
    ProfileLookup& profiles() { return profiles_; }
    Compatibility& compatibility() { return compatibility_; }

    // Windows are created on first use; a window that was closed is gone.
    MainWindow* mainWindow();
    ResultWindow* resultWindow();
    MainWindow* loadedMainWindow() const;
    ResultWindow* loadedResultWindow() const;
    ExitScreen* loadedExitScreen() const;

    void ShowAbout(QWidget* parent);

    // The report window lives above the shell; the program tells the shell how to open it.
    using ReportOpener = std::function<void(ZodiacApp&, const QString& japaneseSign)>;
    void SetReportOpener(ReportOpener opener) { reportOpener_ = std::move(opener); }
    void OpenReport(const QString& japaneseSign);

    // A main or result window is closing for good (not Back): the exit screen takes over.
    void HandOver();
    // Closes every window, each running its own closing, then ends the program.
    void EndApplication();
    bool ending() const { return ending_; }

private:
    Platform& platform_;
    WebLinks links_;
    ZodiacState state_;
    SignLookup signs_;
    ProfileLookup profiles_;
    Compatibility compatibility_;
    QPointer<MainWindow> mainWindow_;
    QPointer<ResultWindow> resultWindow_;
    QPointer<ExitScreen> exitScreen_;
    ReportOpener reportOpener_;
    bool ending_ = false;
};

}  // namespace zodiac
