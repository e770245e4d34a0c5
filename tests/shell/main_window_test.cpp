#include <QClipboard>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <chrono>

#include "look/link_label.h"
#include "services/settings.h"
#include "shell/about_box.h"
#include "shell/exit_screen.h"
#include "shell/result_window.h"
#include "tests/app/program_fixture.h"

using namespace zodiac;
using namespace zodiac::testing;

namespace {

// The stored day of the last reminder, 20 days before the fake's today (7 December
// 2026), as an American locale writes it, scrambled as the settings store keeps it.
const QString kTwentyDaysAgo = EncodeSetting(QStringLiteral("11/17/2026"));

void StoreTwentyDaysAgo(FakePlatform& platform) {
    platform.settings[QStringLiteral("Settings/") + EncodeSetting(QStringLiteral("Duration"))] = kTwentyDaysAgo;
}

QString StoredReminder(FakePlatform& platform) {
    return platform.settings.value(QStringLiteral("Settings/") + EncodeSetting(QStringLiteral("Duration")));
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void aSecondCopyOnlySaysSoAndEnds() {
        FakePlatform platform;
        StoreTwentyDaysAgo(platform);
        ZodiacApp app(platform, QString::fromLatin1(kSiteBase));
        QVERIFY(!app.Start(true));
        QCOMPARE(platform.messages,
                 (std::vector<FakePlatform::Message>{
                     {QStringLiteral("Application is already running"), Platform::Icon::Information}}));
        QVERIFY(platform.questions.empty());  // the reminder never ran
        QCOMPARE(StoredReminder(platform), kTwentyDaysAgo);
        QVERIFY(!app.LoadedMainWindow());
        QCOMPARE(platform.ended, 1);
    }

    void theFirstCopyRemindsBeforeItShowsTheMainWindow() {
        FakePlatform platform;
        StoreTwentyDaysAgo(platform);
        ZodiacApp app(platform, QString::fromLatin1(kSiteBase));
        bool windowUpWhileAsking = false;
        platform.whileAsking = [&] {
            windowUpWhileAsking = app.LoadedMainWindow() && app.LoadedMainWindow()->isVisible();
        };
        QVERIFY(app.Start());
        QCOMPARE(platform.questions.size(), 1u);
        QVERIFY(!windowUpWhileAsking);
        QVERIFY(app.LoadedMainWindow() && app.LoadedMainWindow()->isVisible());
        QVERIFY(platform.messages.empty());
        QCOMPARE(platform.ended, 0);
        QVERIFY(StoredReminder(platform) != kTwentyDaysAgo);  // the reminder moved on to today
    }

    void everyDayOfEveryMonthOfEveryListedYearIsJudgedByTheCalendar() {
        Program program;
        MainWindow* w = program.main();
        Child<QLineEdit>(w, "txtMaleName")->setText(QStringLiteral("Ann"));
        int accepted = 0;
        for (int y = 0; y < Child<QComboBox>(w, "cboMaleYear")->count(); ++y) {
            Child<QComboBox>(w, "cboMaleYear")->setCurrentIndex(y);
            const int yearNumber = Child<QComboBox>(w, "cboMaleYear")->itemText(y).toInt();
            for (int m = 0; m < 12; ++m) {
                Child<QComboBox>(w, "cboMaleMonth")->setCurrentIndex(m);
                for (int d = 0; d < 31; ++d) {
                    Child<QComboBox>(w, "CboMaleDate")->setCurrentIndex(d);
                    program.platform.messages.clear();
                    const std::chrono::year_month_day date{std::chrono::year{yearNumber},
                                                           std::chrono::month{static_cast<unsigned>(m + 1)},
                                                           std::chrono::day{static_cast<unsigned>(d + 1)}};
                    const bool valid = w->ValidateInput();
                    if (valid != date.ok()) {
                        QFAIL(qPrintable(
                            QStringLiteral("%1 %2 %3 judged %4").arg(d + 1).arg(m + 1).arg(yearNumber).arg(valid)));
                    }
                    accepted += valid;
                    if (!valid) {
                        const QString expected = m == 1 ? QStringLiteral("Please Enter Correct Date Or Month!")
                                                        : QStringLiteral("Please Enter Correct Date Or Month !");
                        QCOMPARE(program.platform.messages.size(), 1u);
                        QCOMPARE(program.platform.messages[0].text, expected);
                    }
                }
            }
        }
        QCOMPARE(accepted, 26664);  // the days from 1 January 1936 to 31 December 2008
    }

    void thePartnersSectionKeepsTheSystemsColours() {
        Program program;
        MainWindow* w = program.main();
        const QPalette system = QApplication::palette();
        for (QWidget* widget : std::initializer_list<QWidget*>{
                 Child<QGroupBox>(w, "Frame2"), Child<QLabel>(w, "Label6"), Child<QLineEdit>(w, "txtFemaleName"),
                 Child<QComboBox>(w, "cboFemaleYear")}) {
            for (const auto role : {QPalette::Window, QPalette::WindowText, QPalette::Base, QPalette::Text}) {
                QCOMPARE(widget->palette().color(role), system.color(role));
            }
        }
        QVERIFY(system.color(QPalette::Window) != QColor(14, 41, 128));
        QCOMPARE(Child<QGroupBox>(w, "Frame1")->palette().color(QPalette::Window), QColor(14, 41, 128));
    }
    // A frame's edge shows on all four sides: left, right, bottom, and the top of
    // a frame without a title, within the outer 3 pixels of the middle of each side.
    void theFramesShowTheirEdgeAllRound() {
        Program program;
        for (QGroupBox* frame :
             {Child<QGroupBox>(program.main(), "Frame3"), Child<QGroupBox>(program.main(), "Frame5")}) {
            const QImage drawn = frame->grab().toImage();
            const QPoint middle = frame->rect().center();
            const struct {
                QPoint from, step;
            } sides[] = {{{0, middle.y()}, {1, 0}},
                         {{frame->width() - 1, middle.y()}, {-1, 0}},
                         {{middle.x(), frame->height() - 1}, {0, -1}},
                         {{middle.x(), 3}, {0, 1}}};
            for (const auto& side : sides) {
                bool shows = false;
                for (int i = 0; i < 3; ++i) shows |= drawn.pixelColor(side.from + i * side.step) != QColor(14, 41, 128);
                QVERIFY2(shows, qPrintable(frame->objectName()));
            }
        }
    }

    void listsOfferEveryDayMonthAndYearStartingAtTheFirst() {
        Program program;
        MainWindow* w = program.main();
        for (QComboBox* days : {Child<QComboBox>(w, "CboMaleDate"), Child<QComboBox>(w, "cboFemaleDate")}) {
            QCOMPARE(days->count(), 31);
            QCOMPARE(days->itemText(8), QStringLiteral("9"));
        }
        for (QComboBox* years : {Child<QComboBox>(w, "cboMaleYear"), Child<QComboBox>(w, "cboFemaleYear")}) {
            QCOMPARE(years->count(), 73);
            QCOMPARE(years->itemText(72), QStringLiteral("2008"));
        }
        QCOMPARE(Child<QComboBox>(w, "cboMaleMonth")->itemText(11), QStringLiteral("December"));
        for (QComboBox* list : w->findChildren<QComboBox*>()) {
            QCOMPARE(list->currentIndex(), 0);
            QVERIFY(!list->isEditable());
        }
    }

    void validation_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("day");
        QTest::addColumn<int>("month");
        QTest::addColumn<int>("year");
        QTest::addColumn<QString>("message");
        const QString february = QStringLiteral("Please Enter Correct Date Or Month!");
        const QString shortMonth = QStringLiteral("Please Enter Correct Date Or Month !");
        QTest::newRow("empty name") << "" << 5 << 3 << 1975 << "Please Enter your Name";
        QTest::newRow("blank name passes") << "   " << 5 << 3 << 1975 << "";
        QTest::newRow("29 Feb 2000") << "Ann" << 29 << 2 << 2000 << "";
        QTest::newRow("29 Feb 1936") << "Ann" << 29 << 2 << 1936 << "";
        QTest::newRow("29 Feb 1937") << "Ann" << 29 << 2 << 1937 << february;
        QTest::newRow("30 Feb 2000") << "Ann" << 30 << 2 << 2000 << february;
        QTest::newRow("31 Feb 1975") << "Ann" << 31 << 2 << 1975 << february;
        QTest::newRow("31 Apr") << "Ann" << 31 << 4 << 1975 << shortMonth;
        QTest::newRow("31 Jun") << "Ann" << 31 << 6 << 1975 << shortMonth;
        QTest::newRow("31 Sep") << "Ann" << 31 << 9 << 1975 << shortMonth;
        QTest::newRow("31 Nov") << "Ann" << 31 << 11 << 1975 << shortMonth;
        QTest::newRow("31 Mar") << "Ann" << 31 << 3 << 1975 << "";
        QTest::newRow("30 Apr") << "Ann" << 30 << 4 << 1975 << "";
        QTest::newRow("31 Dec 2008") << "Ann" << 31 << 12 << 2008 << "";
    }

    void validation() {
        QFETCH(QString, name);
        QFETCH(int, day);
        QFETCH(int, month);
        QFETCH(int, year);
        QFETCH(QString, message);
        Program program;
        program.Run(name, day, month, year);
        if (message.isEmpty()) {
            QVERIFY(program.platform.messages.empty());
            QVERIFY(program.app.LoadedResultWindow());
            QVERIFY(program.app.LoadedResultWindow()->isVisible());
            QVERIFY(!program.main()->isVisible());
        } else {
            QCOMPARE(program.platform.messages.size(), 1u);
            QCOMPARE(program.platform.messages[0].text, message);
            QVERIFY(program.platform.messages[0].icon == Platform::Icon::Information);
            QVERIFY(!program.app.LoadedResultWindow());  // nothing computed
            QVERIFY(program.main()->isVisible());
            QVERIFY(!program.app.state().user);
        }
    }

    void anEmptyNameTakesTheFocusBack() {
        Program program;
        QApplication::setActiveWindow(program.main());
        Child<QComboBox>(program.main(), "cboMaleYear")->setFocus();
        program.Run(QString(), 1, 1, 1950);
        QCOMPARE(QApplication::focusWidget(), Child<QLineEdit>(program.main(), "txtMaleName"));
    }

    // The offers' links, whose pages no menu opens, come last.
    void tabGoesThroughTheHiddenPartnerSectionBeforeTheButton() {
        Program program;
        MainWindow* w = program.main();
        const QList<QWidget*> expected = {Child<QLineEdit>(w, "txtMaleName"),   Child<QComboBox>(w, "cboMaleMonth"),
                                          Child<QComboBox>(w, "CboMaleDate"),   Child<QComboBox>(w, "cboMaleYear"),
                                          Child<QLineEdit>(w, "txtFemaleName"), Child<QComboBox>(w, "cboFemaleMonth"),
                                          Child<QComboBox>(w, "cboFemaleDate"), Child<QComboBox>(w, "cboFemaleYear"),
                                          Child<QPushButton>(w, "cmdProceed"),  Child<LinkLabel>(w, "lblCobrand"),
                                          Child<LinkLabel>(w, "lblFullBrand")};
        QList<QWidget*> chain;
        QWidget* widget = Child<QLineEdit>(w, "txtMaleName");
        do {
            if (widget->focusPolicy() & Qt::TabFocus) chain << widget;
            widget = widget->nextInFocusChain();
        } while (widget != Child<QLineEdit>(w, "txtMaleName") && chain.size() < 20);
        QCOMPARE(chain, expected);
    }

    void thePartnerSectionLiesBelowTheClientArea() {
        Program program;
        MainWindow* w = program.main();
        QCOMPARE(w->centralWidget()->size(), QSize(353, 306));
        QVERIFY(Child<QGroupBox>(w, "Frame2")->geometry().top() >= w->centralWidget()->height());
        QVERIFY(Child<QGroupBox>(w, "Frame1")->geometry().bottom() < w->centralWidget()->height());
    }

    void menusMatchTheirCaptionsAndMakeMoneyIsSwitchedOff() {
        Program program;
        MainWindow* w = program.main();
        QCOMPARE(Child<QAction>(w, "mnuGetJapaneseZodiac")->text(), QStringLiteral("Get My &Japanese Zodiac"));
        QCOMPARE(Child<QAction>(w, "mnuUpdate")->text(), QStringLiteral("Check for Software &Update"));
        QVERIFY(!Child<QAction>(w, "mnumakemoney")->isEnabled());
        QCOMPARE(Child<QPushButton>(w, "cmdProceed")->text(), QStringLiteral("Get My &Japanese Zodiac"));
    }

    void theMenuEntryRunsTheMainCommand() {
        Program program;
        program.Enter(QStringLiteral("Ann"), 5, 3, 1975);
        Child<QAction>(program.main(), "mnuGetJapaneseZodiac")->trigger();
        QCOMPARE(Child<QLabel>(program.app.LoadedResultWindow(), "lblMaleChinesesign")->text(),
                 QStringLiteral("Rabbit"));
    }

    // Help > About Software opens the About box over the window it was asked from,
    // modal, and leaves that window as it was once the box is closed.
    void aboutSoftwareOpensTheAboutBoxOverItsWindow_data() {
        QTest::addColumn<bool>("fromResult");
        QTest::newRow("main window") << false;
        QTest::newRow("result window") << true;
    }

    void aboutSoftwareOpensTheAboutBoxOverItsWindow() {
        QFETCH(bool, fromResult);
        Program program;
        if (fromResult) program.Run(QStringLiteral("Ann"), 5, 3, 1975);
        ZodiacWindow* window = fromResult ? static_cast<ZodiacWindow*>(program.app.LoadedResultWindow())
                                          : static_cast<ZodiacWindow*>(program.main());
        QWidget* parent = nullptr;
        bool sawAbout = false;
        QTimer::singleShot(0, [&] {
            auto* about = qobject_cast<AboutBox*>(QApplication::activeModalWidget());
            sawAbout = about != nullptr;
            if (!about) return;
            parent = about->parentWidget();
            Child<QPushButton>(about, "cmdOK")->click();
        });
        Child<QAction>(window, "mnuAbout")->trigger();  // returns once the box has closed
        QVERIFY(sawAbout);
        QCOMPARE(parent, window);
        QVERIFY(window->isVisible());
        QVERIFY(!program.app.LoadedExitScreen());
    }

    void advertisingDraw_data() {
        QTest::addColumn<double>("r");
        QTest::addColumn<int>("draw");
        QTest::addColumn<QString>("front");
        QTest::newRow("0 gives 1") << 0.0 << 1 << "lblCobrand";
        QTest::newRow("0.2 gives 2") << 0.2 << 2 << "lblFullBrand";
        QTest::newRow("1/3 gives 3") << 1.0 / 3 << 3 << "lblCobrand";
        QTest::newRow("0.25 gives 2 (2.5 to even)") << 0.25 << 2 << "lblFullBrand";
        QTest::newRow("0.55 gives 4") << 0.55 << 4 << "lblFullBrand";
        QTest::newRow("0.7 gives 5") << 0.7 << 5 << "lblCobrand";
        QTest::newRow("0.85 gives 6") << 0.85 << 6 << "lblFullBrand";
        QTest::newRow("0.75 gives 6 (5.5 to even)") << 0.75 << 6 << "lblFullBrand";
        QTest::newRow("0.99 gives 7") << 0.99 << 7 << "lblFullBrand";
    }

    void advertisingDraw() {
        QFETCH(double, r);
        QFETCH(int, draw);
        QFETCH(QString, front);
        QCOMPARE(AdvertisingDraw(r), draw);
        FakePlatform platform;
        platform.draws = {r};
        ZodiacApp app(platform, QString::fromLatin1(kSiteBase));
        app.Start();
        QCOMPARE(platform.seeds, 1);
        const QObjectList labels = Child<QGroupBox>(app.LoadMainWindow(), "fraFullBrand")->children();
        QCOMPARE(labels.last()->objectName(), front);  // the last child is drawn on top
    }

    void closingTheMainWindowHandsOverToTheExitScreen() {
        Program program;
        Child<QAction>(program.main(), "mnuExit")->trigger();
        QVERIFY(program.app.LoadedExitScreen() && program.app.LoadedExitScreen()->isVisible());
        QTRY_VERIFY(!program.app.LoadedMainWindow());
        QCOMPARE(program.platform.ended, 0);  // still running until the exit screen is left
    }

    // The hidden partner's section, reached by Tab and typed into: a day its month
    // lacks keeps the last run's partner, matched anew with this run's user, or
    // with no earlier partner leaves that side and the match empty. Typed here:
    // 1 January 1936 lies before that year's new year (24 January), in the Wood
    // Boar year; 5 March 1975 in the Wood Rabbit year; a Rabbit and a Boar score 9.
    void aPartnersDayThatDoesNotExistKeepsTheLastPartner_data() {
        QTest::addColumn<bool>("earlierPartner");
        QTest::addColumn<QStringList>("shown");  // title, sign, element, western sign, number, rating, caption
        QTest::newRow("no earlier partner: that side and the match stay empty")
            << false << QStringList{"", "", "", "", "", "", ""};
        QTest::newRow("the last partner, under the name typed now, matched with this run's user")
            << true
            << QStringList{
                   "Carl", "Boar", "Wood", "Scorpio", "9", "A Great Match", "Compatibility Of Rabbit With  Boar :-"};
    }

    void aPartnersDayThatDoesNotExistKeepsTheLastPartner() {
        QFETCH(bool, earlierPartner);
        QFETCH(QStringList, shown);
        Program program;
        // From the user's year, Tab by Tab through the partner's name, month, day
        // and year, each typed in as it is reached; an empty one left as it stands.
        const auto typePartner = [&](const QStringList& entries) {
            QApplication::setActiveWindow(program.main());
            Child<QComboBox>(program.main(), "cboMaleYear")->setFocus();
            for (const QString& text : entries) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                if (!text.isEmpty()) QTest::keyClicks(QApplication::focusWidget(), text);
            }
        };
        if (earlierPartner) {
            typePartner({"Bob", "", "", ""});  // 1 January 1936, the lists' first entries
            program.Run(QStringLiteral("Ann"), 1, 6, 1990);
            Child<QPushButton>(program.app.LoadedResultWindow(), "cmdBack")->click();
        }
        typePartner({"Carl", "February", "31", "1937"});
        QCOMPARE(Child<QComboBox>(program.main(), "cboFemaleDate")->currentText(), QStringLiteral("31"));
        QCOMPARE(Child<QComboBox>(program.main(), "cboFemaleYear")->currentText(), QStringLiteral("1937"));
        program.Run(QStringLiteral("Ann"), 5, 3, 1975);
        ResultWindow* r = program.app.LoadedResultWindow();
        QVERIFY(r && r->isVisible());
        const QStringList actual = {
            Child<QGroupBox>(r, "Frafemale")->title(),
            Child<QLabel>(r, "lblFemaleChineseSign")->text(),
            Child<QLabel>(r, "lblFemaleChineseElements")->text(),
            Child<QLineEdit>(r, "txtFemaleWesternZodiacSign")->text(),
            Child<QLabel>(r, "lblChineseCompatibilityNumber")->text(),
            Child<QLabel>(r, "lblChineseRating")->text(),
            Child<QLabel>(r, "lblMatchingDescription")->text(),
        };
        QCOMPARE(actual, shown);
        // Nothing of the user's own shows on the partner's side.
        QCOMPARE(Child<QPlainTextEdit>(r, "txtFemaleelementDescription")->toPlainText().isEmpty(), !earlierPartner);
        QCOMPARE(Child<QLabel>(r, "YourPartnerPicture")->pixmap().isNull(), !earlierPartner);
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
