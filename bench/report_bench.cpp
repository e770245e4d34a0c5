// Opening the report window (composition included) and saving its report:
// medians over many runs. Runs on any Qt platform; offscreen needs no display.
#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTextEdit>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "core/reading.h"
#include "report/report_output.h"
#include "report/report_window.h"
#include "services/web_links.h"
#include "tests/app/find_child.h"
#include "tests/platform/fake_platform.h"

namespace {

template <typename Work>
double MedianMicroseconds(int runs, Work work) {
    std::vector<double> times;
    QElapsedTimer timer;
    for (int i = 0; i < runs; ++i) {
        timer.start();
        work();
        times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1000.0);
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[static_cast<std::size_t>(runs / 2)];
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    using namespace std::chrono;
    const zodiac::Reading ann =
        *zodiac::ReadingOf(QStringLiteral("Ann"), zodiac::Birth{1975y / March / 5d}, zodiac::YearStart::Lunar,
                           *zodiac::Birthplace::Named(QString::fromLatin1(zodiac::Birthplace::kDefault)));

    zodiac::testing::FakePlatform platform;
    zodiac::WebLinks links(platform, QStringLiteral("https://www.example.org"));
    constexpr int kRuns = 200;

    const double open = MedianMicroseconds(kRuns, [&] {
        zodiac::ReportWindow window(platform, links, ann);
        window.show();
        QApplication::processEvents();
    });

    QTemporaryDir dir;
    zodiac::ReportWindow window(platform, links, ann);
    const double save = MedianMicroseconds(kRuns, [&] {
        platform.saveAnswers.push_back(dir.filePath(QStringLiteral("report.rtf")));
        zodiac::SaveReport(platform, &window, *zodiac::testing::Child<QTextEdit>(&window, "RTB"));
    });

    std::printf("report window opened and composed: median %.0f us over %d runs\n", open, kRuns);
    std::printf("report saved as RTF:                median %.0f us over %d runs\n", save, kRuns);
    return 0;
}
