#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "platform/qt_platform.h"
#include "shell/about_box.h"
#include "shell/exit_screen.h"
#include "shell/result_window.h"
#include "tests/app/every_window.h"
#include "tests/report/report_test_support.h"

using namespace zodiac;
using namespace zodiac::testing;

namespace {

// Every control a person can reach or read has a name for a screen reader.
void ExpectEveryControlNamed(QWidget* window) {
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(widget);
        const bool control = qobject_cast<QAbstractButton*>(widget) || qobject_cast<QLineEdit*>(widget) ||
                             qobject_cast<QComboBox*>(widget) || qobject_cast<QTextEdit*>(widget) ||
                             qobject_cast<QPlainTextEdit*>(widget) ||
                             (label && (!label->text().isEmpty() || !label->pixmap().isNull()));
        if (!control || widget->objectName().startsWith(QLatin1String("qt_"))) continue;  // Qt's own helpers
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible);
        QVERIFY2(!accessible->text(QAccessible::Name).trimmed().isEmpty(),
                 qPrintable(window->objectName() + QLatin1Char('/') + widget->objectName()));
    }
}

// Every box, list, button and link a person can tab into shows it has the
// focus, in the windows' orange, along its edge; without the focus it shows none.
void ExpectFocusMarked(QWidget* window) {
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    int boxes = 0;
    for (QWidget* box : window->findChildren<QWidget*>()) {
        const bool link = qobject_cast<QLabel*>(box);
        const bool control = qobject_cast<QLineEdit*>(box) || qobject_cast<QPlainTextEdit*>(box) ||
                             qobject_cast<QTextEdit*>(box) || qobject_cast<QComboBox*>(box) ||
                             qobject_cast<QAbstractButton*>(box) || qobject_cast<QAbstractItemView*>(box) || link;
        if (!control || box->focusPolicy() == Qt::NoFocus || !box->isVisible() || !box->isEnabled()) continue;
        ++boxes;
        // The left edge halfway down, or the top edge halfway along, where a
        // long text scrolled in a one-line box cannot run over the mark. A
        // link's text is orange itself: only the mark runs down its whole left edge.
        const auto marked = [box, link] {
            const QImage drawn = box->grab().toImage();
            const QColor orange(255, 128, 0);
            if (link) {
                for (int y = 1; y + 1 < box->height(); ++y) {
                    if (drawn.pixelColor(1, y) != orange) return false;
                }
                return true;
            }
            return drawn.pixelColor(1, box->height() / 2) == orange || drawn.pixelColor(box->width() / 2, 1) == orange;
        };
        box->setFocus();
        QVERIFY(box->hasFocus());
        QVERIFY2(marked(), qPrintable(window->objectName() + QLatin1Char('/') + box->objectName()));
        box->clearFocus();
        QVERIFY2(!marked(), qPrintable(box->objectName()));
    }
    QVERIFY(boxes > 0);
    window->hide();
}

// The program after a run for Ann, born on 5 March 1975, with each of its
// windows at hand by a short name: main, result, about, report and exit (the
// exit screen, once the result window has closed for good).
struct AnnsWindows {
    Program program;
    AboutBox about{program.app.links()};
    std::unique_ptr<ReportWindow> report;

    AnnsWindows() {
        program.Run(QStringLiteral("Ann"), 5, 3, 1975);
        report = std::make_unique<ReportWindow>(program.platform, program.app.links(), *program.app.state().user);
    }
    // The window shown and active.
    QWidget* Show(const QString& window) {
        if (window == u"exit") program.app.LoadedResultWindow()->close();
        QWidget* const shown = window == u"main"     ? static_cast<QWidget*>(program.main())
                               : window == u"result" ? program.app.LoadedResultWindow()
                               : window == u"about"  ? &about
                               : window == u"report" ? static_cast<QWidget*>(report.get())
                                                     : program.app.LoadedExitScreen();
        shown->show();
        shown->activateWindow();
        if (!QTest::qWaitForWindowActive(shown)) qWarning("%s never became active", qPrintable(window));
        return shown;
    }
};

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyWindowNamesItsControls() { ForEveryWindow(ExpectEveryControlNamed); }

    void everyBoxShowsItsFocus() { ForEveryWindow(ExpectFocusMarked); }

    // A screen reader hears each value with its caption, each picture as what
    // it shows, each list as what it is for and each window as what it is for.
    void whatAScreenReaderHears_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("control");  // none: the window itself
        QTest::addColumn<int>("text");
        QTest::addColumn<QString>("heard");
        const int name = QAccessible::Name, description = QAccessible::Description;
        const struct {
            const char *row, *window, *control;
            int text;
            const char* heard;
        } rows[] = {
            {"the sign", "result", "lblMaleChinesesign", name, "English Name: Rabbit"},
            {"the Japanese sign", "result", "lblJapaneseSign", name, "Japanese Sign: Usagi"},
            {"the element", "result", "lblMaleChineseElements", name, "Japanese Element: Wood"},
            {"the animal picture", "result", "YourPicture", name, "Picture of a rabbit"},
            {"the symbol", "result", "picJapaneseSignSymbol", name, "Japanese sign symbol: \u536F (u)"},  // 卯
            // The untouched partner's section: 1 January 1936, a Wood Boar, nine with a Rabbit.
            {"the partner's sign", "result", "lblFemaleChineseSign", name, "Chinese Sign: Boar"},
            {"the partner's element", "result", "lblFemaleChineseElements", name, "Chinese Element: Wood"},
            {"the partner's picture", "result", "YourPartnerPicture", name, "Picture of a boar"},
            {"the pair's number", "result", "lblChineseCompatibilityNumber", name, "Chinese Compatibility Number: 9"},
            {"the pair's percentage", "result", "lblChinesePercentage", name, "Chinese Compatibility Percentage: 90%"},
            {"the pair's rating", "result", "lblChineseRating", name, "Rating: A Great Match"},
            {"the month", "main", "cboMaleMonth", description, "Birth month"},
            {"the day", "main", "CboMaleDate", description, "Birth day"},
            {"the year", "main", "cboMaleYear", description, "Birth year"},
            {"the partner's month", "main", "cboFemaleMonth", description, "Partner's birth month"},
            {"the partner's day", "main", "cboFemaleDate", description, "Partner's birth day"},
            {"the partner's year", "main", "cboFemaleYear", description, "Partner's birth year"},
            {"the main window", "main", "", description, "Enter your name and date of birth"},
            {"the result window", "result", "", description, "Ann's Japanese zodiac sign"},
            {"the report window", "report", "", description, "Ann's report"},
            {"the About box", "about", "", description, "About this program"},
            {"the exit screen", "exit", "", description, "Tell a friend and leave"},
        };
        for (const auto& row : rows) {
            QTest::newRow(row.row) << row.window << row.control << row.text << QString::fromUtf8(row.heard);
        }
    }

    void whatAScreenReaderHears() {
        QFETCH(QString, window);
        QFETCH(QString, control);
        QFETCH(int, text);
        QFETCH(QString, heard);
        AnnsWindows windows;
        QWidget* shown = windows.Show(window);
        QWidget* widget = control.isEmpty() ? shown : Child<QWidget>(shown, qPrintable(control));
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(accessible);
        QCOMPARE(accessible->text(static_cast<QAccessible::Text>(text)), heard);
        // The three lists share one caption, "Birth Day:-": none is tied to it (their frame labels them all).
        for (const auto& [label, relation] : accessible->relations(QAccessible::Label))
            QVERIFY2(!qobject_cast<QLabel*>(label->object()), qPrintable(label->text(QAccessible::Name)));
    }

    // Shown again for another birth, the result window is heard with the new values.
    void aSecondBirthIsHeardWithItsOwnValues() {
        Program program;
        program.Run(QStringLiteral("Ann"), 5, 3, 1975);
        ResultWindow* result = program.app.LoadedResultWindow();
        program.Run(QStringLiteral("Bob"), 1, 3, 1985);  // a Wood Ox, 丑 (ushi)
        QCOMPARE(program.app.LoadedResultWindow(), result);
        const auto heard = [result](const char* control) {
            return QAccessible::queryAccessibleInterface(Child<QWidget>(result, control))->text(QAccessible::Name);
        };
        QCOMPARE(heard("lblMaleChinesesign"), QStringLiteral("English Name: Ox"));
        QCOMPARE(heard("lblJapaneseSign"), QStringLiteral("Japanese Sign: Ushi"));
        QCOMPARE(heard("YourPicture"), QStringLiteral("Picture of an ox"));
        QCOMPARE(heard("picJapaneseSignSymbol"), QStringLiteral("Japanese sign symbol: \u4E11 (ushi)"));  // 丑
        QCOMPARE(QAccessible::queryAccessibleInterface(result)->text(QAccessible::Description),
                 QStringLiteral("Bob's Japanese zodiac sign"));
    }

    // The exit screen is heard as a window, not as a bare area; a link label as a
    // link, which the screen reader can follow.
    void theExitScreenAndItsLinkSayWhatTheyAre() {
        AnnsWindows windows;
        QWidget* exit = windows.Show(QStringLiteral("exit"));
        QCOMPARE(QAccessible::queryAccessibleInterface(exit)->role(), QAccessible::Window);
        QAccessibleInterface* link = QAccessible::queryAccessibleInterface(Child<QWidget>(exit, "lblGoToHome"));
        QCOMPARE(link->role(), QAccessible::Link);
        QVERIFY(link->actionInterface());
        link->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(windows.program.platform.opened, QStringList{Page("lumorasoftwares")});
    }

    // A link whose page no menu of its window opens takes the focus after the
    // window's other controls, shows in front of any offer under it, and opens
    // its page by Enter or Space.
    void theKeyboardOpensEveryLinkNoMenuOpens_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("link");
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("page");
        const struct {
            const char *window, *before, *link;
            Qt::Key key;
            const char* page;
        } rows[] = {
            {"main", "cmdProceed", "lblCobrand", Qt::Key_Return, "co-brand"},
            {"main", "lblCobrand", "lblFullBrand", Qt::Key_Space, "fully-branded"},
            {"result", "cmdExit", "lblCobrand", Qt::Key_Space, "co-brand"},
            {"result", "lblCobrand", "lblFullBrand", Qt::Key_Return, "fully-branded"},
            {"about", "cmdOK", "lblHomePage", Qt::Key_Return, "home-page"},
            {"about", "lblHomePage", "lblCoBrand", Qt::Key_Space, "fully-branded"},
            {"report", "cmdPrint", "Label14", Qt::Key_Return, "home-page"},
            {"report", "Label14", "Label1", Qt::Key_Space, "home-page"},
            {"report", "Label1", "Label16", Qt::Key_Return, "fully-branded"},
            {"exit", "txtMessage", "lblGoToHome", Qt::Key_Space, "lumorasoftwares"},
        };
        for (const auto& row : rows) {
            QTest::addRow("%s: %s", row.window, row.link)
                << row.window << row.before << row.link << int(row.key) << Page(row.page);
        }
    }

    void theKeyboardOpensEveryLinkNoMenuOpens() {
        QFETCH(QString, window);
        QFETCH(QString, before);
        QFETCH(QString, link);
        QFETCH(int, key);
        QFETCH(QString, page);
        AnnsWindows windows;
        windows.program.main()->ArrangeAdvertisements(2);  // the full-brand offer over the co-brand one
        QWidget* shown = windows.Show(window);
        QWidget* const from = Child<QWidget>(shown, qPrintable(before));
        QWidget* const to = Child<QWidget>(shown, qPrintable(link));
        from->setFocus();
        QTest::keyClick(from, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), to);
        QCOMPARE(to->parentWidget()->childAt(to->geometry().center()), to);
        windows.program.platform.opened.clear();
        QTest::keyClick(to, Qt::Key(key));
        QCOMPARE(windows.program.platform.opened, QStringList{page});
    }

    // The links join the end of the Tab order: each window still opens with the
    // focus on its first control, not on a link.
    void aWindowOpensWithTheFocusOnItsFirstControl_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("first");
        QTest::newRow("report window") << "report"
                                       << "RTB";
        QTest::newRow("About box") << "about"
                                   << "cmdOK";
    }

    void aWindowOpensWithTheFocusOnItsFirstControl() {
        QFETCH(QString, window);
        QFETCH(QString, first);
        AnnsWindows windows;
        QWidget* shown = windows.Show(window);
        QCOMPARE(QApplication::focusWidget(), Child<QWidget>(shown, qPrintable(first)));
    }

    // Qt's own save and print dialogs, in the program's style, mark the focus
    // as the windows do: their tool buttons and lists too.
    void theSaveAndPrintDialogsShowTheirFocus() {
        const ProgramStyle style;
        QTemporaryDir dir;
        QtPlatform platform(dir.filePath(QStringLiteral("settings.ini")));
        int checked = 0;
        const auto checkOnTop = [&] {
            QTimer::singleShot(0, [&] {
                QWidget* dialog = QApplication::activeModalWidget();
                if (dialog) {
                    ++checked;
                    ExpectFocusMarked(dialog);
                    dialog->close();
                }
            });
        };
        checkOnTop();
        QCOMPARE(platform.AskSaveFileName(nullptr, {}), QString());
        QPrinter printer;
        printer.setOutputFileName(dir.filePath(QStringLiteral("report.pdf")));
        checkOnTop();
        QVERIFY(!platform.AskPrintSettings(nullptr, printer, false));
        QCOMPARE(checked, 2);
    }

    // The report window from the keyboard alone: Tab leaves the report for Save
    // and Print and types nothing into it; the access keys save and print.
    void theReportWindowWorksFromTheKeyboardAlone() {
        ReportFixture f;
        ReportWindow window(f.platform, f.links, AnnsReading());
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        Child<QTextEdit>(&window, "RTB")->setFocus();
        const QString report = Child<QTextEdit>(&window, "RTB")->toPlainText();
        QTest::keyClick(Child<QTextEdit>(&window, "RTB"), Qt::Key_Tab);
        QVERIFY(Child<QPushButton>(&window, "cmdSave")->hasFocus());
        QTest::keyClick(Child<QPushButton>(&window, "cmdSave"), Qt::Key_Tab);
        QVERIFY(Child<QPushButton>(&window, "cmdPrint")->hasFocus());
        QTest::keyClick(Child<QPushButton>(&window, "cmdPrint"), Qt::Key_Backtab);
        QTest::keyClick(Child<QPushButton>(&window, "cmdSave"), Qt::Key_Backtab);
        QVERIFY(Child<QTextEdit>(&window, "RTB")->hasFocus());
        QCOMPARE(Child<QTextEdit>(&window, "RTB")->toPlainText(), report);
        QTest::keyClick(window.windowHandle(), Qt::Key_S, Qt::AltModifier);
        QTRY_COMPARE(f.platform.saveRequests.size(), 1u);
        f.platform.printAnswer = false;
        QTest::keyClick(window.windowHandle(), Qt::Key_P, Qt::AltModifier);
        QTRY_COMPARE(f.platform.printRequests.size(), 1u);
    }

    // Enter and Return press the button with the focus in every window, as Space
    // does; a box of several lines keeps Enter for a new line.
    void enterPressesTheFocusedButton_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("presses");
        QTest::newRow("main window's Proceed") << "main"
                                               << "cmdProceed" << 2;
        QTest::newRow("result window's Back") << "result"
                                              << "cmdBack" << 2;
        QTest::newRow("About's OK") << "about"
                                    << "cmdOK" << 2;
        QTest::newRow("exit screen's Submit") << "exit"
                                              << "cmdSubmit" << 2;
        QTest::newRow("report window's Save") << "report"
                                              << "cmdSave" << 2;
        QTest::newRow("exit screen's message") << "exit"
                                               << "txtMessage" << 0;
    }

    void enterPressesTheFocusedButton() {
        QFETCH(QString, window);
        QFETCH(QString, focus);
        QFETCH(int, presses);
        AnnsWindows windows;
        QWidget* const shown = windows.Show(window);
        QVERIFY(shown->isActiveWindow());
        auto* focused = shown->findChild<QWidget*>(focus);
        QVERIFY(focused);
        focused->setFocus();
        int pressed = 0;
        for (QPushButton* button : shown->findChildren<QPushButton*>()) {
            button->disconnect();  // counted, not acted on
            connect(button, &QPushButton::clicked, this, [&pressed] { ++pressed; });
        }
        QTest::keyClick(focused, Qt::Key_Return);
        QTest::keyClick(focused, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(pressed, presses);
        if (auto* box = qobject_cast<QPlainTextEdit*>(focused)) QCOMPARE(box->blockCount(), 4);
    }

    // The focus comes back to the Print button that opened a dialog once it
    // closes: the report window's (the print dialog), the result window's (the report).
    void theFocusReturnsToPrint_data() {
        QTest::addColumn<QString>("window");
        QTest::newRow("report window") << "report";
        QTest::newRow("result window") << "result";
    }

    void theFocusReturnsToPrint() {
        QFETCH(QString, window);
        Program program;
        program.Run(QStringLiteral("Ann"), 5, 3, 1975);
        ResultWindow* result = program.app.LoadedResultWindow();
        ReportWindow report(program.platform, program.app.links(), *program.app.state().user);
        QWidget* const shown = window == u"report" ? static_cast<QWidget*>(&report) : result;
        QPushButton* const print =
            window == u"report" ? Child<QPushButton>(&report, "cmdPrint") : Child<QPushButton>(result, "cmdPrint");
        shown->show();
        shown->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(shown));
        print->setFocus();
        program.platform.printAnswer = false;
        program.platform.whilePrinting = [&report] { Child<QTextEdit>(&report, "RTB")->setFocus(); };
        QTimer::singleShot(0, [] {
            if (auto* opened = qobject_cast<ReportWindow*>(QApplication::activeModalWidget())) {
                (void)QTest::qWaitForWindowActive(opened);  // the focus is set either way
                Child<QTextEdit>(opened, "RTB")->setFocus();
                opened->reject();
            }
        });
        QTest::keyClick(print, Qt::Key_Space);
        QTRY_COMPARE(QApplication::focusWidget(), print);
    }

    void theAccessKeysWork() {
        Program program;
        program.Enter(QStringLiteral("Ann"), 5, 3, 1975);
        program.main()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(program.main()));
        // Through the window, as the keyboard would, so that shortcuts are looked up.
        QTest::keyClick(program.main()->windowHandle(), Qt::Key_J, Qt::AltModifier);
        // A button's access key clicks it the way a mouse would, a moment later.
        QTRY_VERIFY(program.app.LoadedResultWindow() && program.app.LoadedResultWindow()->isVisible());
        ResultWindow* result = program.app.LoadedResultWindow();
        result->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(result));
        QTest::keyClick(result->windowHandle(), Qt::Key_B, Qt::AltModifier);
        QTRY_VERIFY(program.main()->isVisible());
        QTRY_VERIFY(!program.app.LoadedResultWindow());
    }
};

QTEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
