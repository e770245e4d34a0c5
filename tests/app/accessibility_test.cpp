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

// Every box, list and button a person can tab into shows it has the focus, in
// the windows' orange, along its edge; without the focus it shows none.
void ExpectFocusMarked(QWidget* window) {
    window->show();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    int boxes = 0;
    for (QWidget* box : window->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QLineEdit*>(box) || qobject_cast<QPlainTextEdit*>(box) ||
                             qobject_cast<QTextEdit*>(box) || qobject_cast<QComboBox*>(box) ||
                             qobject_cast<QAbstractButton*>(box) || qobject_cast<QAbstractItemView*>(box);
        if (!control || box->focusPolicy() == Qt::NoFocus || !box->isVisible() || !box->isEnabled()) continue;
        ++boxes;
        // The left edge halfway down, or the top edge halfway along, where a
        // long text scrolled in a one-line box cannot run over the mark.
        const auto marked = [box] {
            const QImage drawn = box->grab().toImage();
            const QColor orange(255, 128, 0);
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

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyWindowNamesItsControls() { ForEveryWindow(ExpectEveryControlNamed); }

    void everyBoxShowsItsFocus() { ForEveryWindow(ExpectFocusMarked); }

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
        Program program;
        program.Run(QStringLiteral("Ann"), 5, 3, 1975);
        AboutBox about(program.app.links());
        ReportWindow report(program.platform, program.app.links(), *program.app.state().user);
        if (window == u"exit") program.app.LoadedResultWindow()->close();
        QWidget* const shown = window == u"main"     ? static_cast<QWidget*>(program.main())
                               : window == u"result" ? program.app.LoadedResultWindow()
                               : window == u"about"  ? &about
                               : window == u"report" ? static_cast<QWidget*>(&report)
                                                     : program.app.LoadedExitScreen();
        shown->show();
        shown->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(shown));
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
