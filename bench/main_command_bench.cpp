// The main command: from the button press to the result window shown and
// painted, median over many runs (Back between runs, so each run loads a fresh
// result window as a person's second run does).
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "app/zodiac_app.h"
#include "shell/main_window.h"
#include "shell/result_window.h"
#include "tests/app/find_child.h"
#include "tests/platform/fake_platform.h"

namespace {

class PaintSeen : public QObject {
public:
    bool seen = false;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) seen = true;
        return false;
    }
};

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    zodiac::testing::FakePlatform platform;
    zodiac::ZodiacApp app(platform, QStringLiteral("https://www.example.org"));
    app.Start();
    zodiac::MainWindow* main = app.LoadMainWindow();
    zodiac::testing::Child<QLineEdit>(main, "txtMaleName")->setText(QStringLiteral("Ann"));
    zodiac::testing::Child<QComboBox>(main, "cboMaleMonth")->setCurrentIndex(2);
    zodiac::testing::Child<QComboBox>(main, "CboMaleDate")->setCurrentIndex(4);
    zodiac::testing::Child<QComboBox>(main, "cboMaleYear")->setCurrentIndex(1975 - 1936);
    QApplication::processEvents();

    const int kRuns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    std::vector<double> times;
    QElapsedTimer timer;
    for (int i = 0; i < kRuns; ++i) {
        PaintSeen paint;
        timer.start();
        main->cmdProceed_Click();
        zodiac::ResultWindow* result = app.LoadedResultWindow();
        result->installEventFilter(&paint);
        while (!paint.seen) QApplication::processEvents(QEventLoop::AllEvents, 5);
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
        result->removeEventFilter(&paint);
        result->cmdBack_Click();
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    std::nth_element(times.begin(), times.begin() + kRuns / 2, times.end());
    std::printf("main command to the result window painted: median %.2f ms over %d runs\n", times[kRuns / 2], kRuns);
    return 0;
}
