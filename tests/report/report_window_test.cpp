#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include "core/report_text.h"
#include "look/link_label.h"
#include "report/report_links.h"
#include "shell/result_window.h"
#include "tests/app/program_fixture.h"
#include "tests/core/rtf_reader.h"
#include "tests/report/report_test_support.h"

using namespace zodiac;
using namespace zodiac::testing;

namespace {

const QStringList kLabels = {"Name: ",
                             "Date of Birth: ",
                             "Japanese Sign: ",
                             "English Name : ",
                             "Element: ",
                             "Ruling Planet: ",
                             "Western Zodiac Sign: ",
                             "Positive Traits: ",
                             "Negative Traits: ",
                             "GemStone: ",
                             "Lucky Color: ",
                             "Energy: ",
                             "Lucky Seasons: ",
                             "Favourable Month: ",
                             "Lucky Number: ",
                             "Most Compatible Sign: ",
                             "Least Compatible Sign: ",
                             "Famous Persons of this Star Sign are: "};

// The viewport point in the middle of the character at `position`.
QPoint PointOf(const QTextEdit* box, int position) {
    QTextCursor cursor(box->document());
    cursor.setPosition(position);
    const QRect before = box->cursorRect(cursor);
    cursor.setPosition(position + 1);
    const QRect after = box->cursorRect(cursor);
    return QPoint((before.x() + after.x()) / 2, before.center().y());
}

}  // namespace

class ReportWindowTest : public QObject {
    Q_OBJECT

private slots:
    void composesEighteenEntriesInTheirTwoStyles() {
        const ReportText report = ComposeReport(FactsOf(AnnsReading()));
        QCOMPARE(report.size(), 37u);  // 18 labels, 18 values, and the element's name
        QStringList labels;
        for (const ReportRun& run : report) {
            QVERIFY(run.colour == (run.bold ? RtfColour{128, 0, 0} : RtfColour{0, 0, 128}));
            if (run.bold && run.text != QStringLiteral("Wood: ")) labels << run.text;
            if (!run.bold) QVERIFY(run.text.endsWith(QStringLiteral("\r\n\r\n")));
        }
        QCOMPARE(labels, kLabels);
        QCOMPARE(report[0].text, QStringLiteral("Name: "));
        QCOMPARE(report[1].text, QStringLiteral("Ann\r\n\r\n"));
        QCOMPARE(report[5].text, QStringLiteral("Usagi\r\n\r\n"));
        QCOMPARE(report[8].text, QStringLiteral("Element: "));
        QCOMPARE(report[9].text, QStringLiteral("Wood: "));
        QVERIFY(report[9].bold);
        QCOMPARE(report[11].text, QStringLiteral("Ruling Planet: "));
        QCOMPARE(report[12].text, QStringLiteral("Jupiter\r\n\r\n"));
        QCOMPARE(report[13].text, QStringLiteral("Western Zodiac Sign: "));
        QCOMPARE(report[14].text, QStringLiteral("Pisces\r\n\r\n"));
    }

    void withoutAProfileTheLabelsFollowOneAnother() {
        ReportFacts facts = FactsOf(AnnsReading());
        facts.profile.reset();
        const ReportText report = ComposeReport(facts);
        QCOMPARE(report.size(), 24u);
        QCOMPARE(report.back().text, QStringLiteral("Famous Persons of this Star Sign are: "));
    }

    void theBoxShowsEighteenLinesEachFollowedByAnEmptyOne() {
        ReportFixture f;
        ReportWindow window(f.platform, f.links, AnnsReading());
        const QStringList lines = Child<QTextEdit>(&window, "RTB")->toPlainText().split(QLatin1Char('\n'));
        QCOMPARE(lines.size(), 37);
        for (int i = 0; i < 18; ++i) {
            QVERIFY2(lines[2 * i].startsWith(kLabels[i]), qPrintable(lines[2 * i]));
            QVERIFY(lines[2 * i + 1].isEmpty());
        }
        QCOMPARE(lines.last(), QString());
        QCOMPARE(lines[0], QStringLiteral("Name: Ann"));
        QCOMPARE(lines[2], QStringLiteral("Date of Birth: 5 March 1975"));
        QCOMPARE(lines[6], QStringLiteral("English Name : Rabbit"));
        QVERIFY(lines[8].startsWith(QStringLiteral("Element: Wood: You")));
        QVERIFY(!Child<QTextEdit>(&window, "RTB")->textCursor().hasSelection());
        QVERIFY(Child<QTextEdit>(&window, "RTB")->textCursor().atEnd());
    }

    // From the result window's Print button through the report window's Save to
    // the file, read back by an RTF reader of the tests' own.
    void printThenSaveCarriesEveryEntryToTheFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ann.rtf"));
        Program program;
        program.Run(QStringLiteral("Ann"), 5, 3, 1975);
        ResultWindow* result = program.app.LoadedResultWindow();
        program.platform.saveAnswers = {path};
        bool sawReport = false;
        QTimer::singleShot(0, [&] {
            auto* report = qobject_cast<ReportWindow*>(QApplication::activeModalWidget());
            sawReport = report != nullptr;
            if (!report) return;
            Child<QPushButton>(report, "cmdSave")->click();
            report->reject();
        });
        Child<QPushButton>(result, "cmdPrint")->click();  // returns once the report window has closed
        QVERIFY(sawReport);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines =
            QString::fromStdString(ReadRtfText(file.readAll().toStdString())).split(QLatin1Char('\n'));
        // Ann, born on 5 March 1975, is a Wood Rabbit; the prose is what the result window shows.
        const QStringList expected = {
            "Name: Ann",
            "Date of Birth: 5 March 1975",
            "Japanese Sign: Usagi",
            "English Name : Rabbit",
            "Element: Wood: " + Child<QPlainTextEdit>(result, "txtMaleElementDescription")->toPlainText(),
            "Ruling Planet: Jupiter",
            "Western Zodiac Sign: Pisces",
            "Positive Traits: " + Child<QPlainTextEdit>(result, "txtMalePositiveTraits")->toPlainText(),
            "Negative Traits: " + Child<QPlainTextEdit>(result, "txtMaleNegativeTraits")->toPlainText(),
            "GemStone: Chrysolite",
            "Lucky Color: Pale Green",
            "Energy: Yin (positive)",
            "Lucky Seasons: Mid Spring",
            "Favourable Month: March",
            "Lucky Number: 1, 3, 5, 9, 15, 19 and 35",
            "Most Compatible Sign: Sheep, Boar",
            "Least Compatible Sign: Rooster",
            "Famous Persons of this Star Sign are: " + Child<QLineEdit>(result, "txtMaleFamousPersonBorn")->text(),
        };
        QCOMPARE(lines.size(), 37);
        for (int i = 0; i < 18; ++i) {
            QCOMPARE(lines[2 * i], expected[i]);
            QCOMPARE(lines[2 * i + 1], QString());
        }
        QVERIFY(Child<QPlainTextEdit>(result, "txtMalePositiveTraits")->toPlainText().size() > 500);
        QVERIFY(Child<QLineEdit>(result, "txtMaleFamousPersonBorn")->text().contains(QStringLiteral(", ")));
    }

    void theReportOpensAtItsStartWithTheInsertionPointAtItsEnd() {
        ReportFixture f;
        ReportWindow window(f.platform, f.links, AnnsReading());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(Child<QTextEdit>(&window, "RTB")->verticalScrollBar()->maximum() > 0);  // longer than the box
        QCOMPARE(Child<QTextEdit>(&window, "RTB")->verticalScrollBar()->value(), 0);
        QVERIFY(Child<QTextEdit>(&window, "RTB")->textCursor().atEnd());
    }

    void anEmptyNameLeavesTheLabelAlone() {
        ReportFixture f;
        Reading reading = AnnsReading();
        reading.name.clear();
        ReportWindow window(f.platform, f.links, reading);
        QVERIFY(
            Child<QTextEdit>(&window, "RTB")->toPlainText().startsWith(QStringLiteral("Name: \n\nDate of Birth: ")));
    }

    void openingTwiceGivesTheSameReport() {
        ReportFixture f;
        const Reading reading = AnnsReading();
        QString first;
        {
            ReportWindow window(f.platform, f.links, reading);
            first = Child<QTextEdit>(&window, "RTB")->toPlainText();
            QVERIFY(window.reportLinks().enabled());
            window.reject();
            QVERIFY(!window.reportLinks().enabled());  // switched off on close
        }
        ReportWindow again(f.platform, f.links, reading);
        QCOMPARE(Child<QTextEdit>(&again, "RTB")->toPlainText(), first);
        QVERIFY(again.reportLinks().enabled());
    }

    void theLinkLabelsOpenTheirPages() {
        ReportFixture f;
        ReportWindow window(f.platform, f.links, AnnsReading());
        for (LinkLabel* label : {Child<LinkLabel>(&window, "Label14"), Child<LinkLabel>(&window, "Label1"),
                                 Child<LinkLabel>(&window, "Label16")}) {
            QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(label->width() / 2, 3));
        }
        QCOMPARE(f.platform.opened,
                 QStringList({"https://zodiac.example.test/qorvel-zodiac/ssd.php?page=home-page",
                              "https://zodiac.example.test/qorvel-zodiac/ssd.php?page=home-page",
                              "https://zodiac.example.test/qorvel-zodiac/ssd.php?page=fully-branded"}));
    }

    void onlyWebAddressesAreFound_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("targets");
        QTest::newRow("https") << "see https://example.com/a?b=1 now" << QStringList{"https://example.com/a?b=1"};
        QTest::newRow("http") << "http://example.com." << QStringList{"http://example.com"};
        QTest::newRow("ftp") << "ftp://files.example.com/x" << QStringList{"ftp://files.example.com/x"};
        QTest::newRow("mailto") << "mailto:ann@example.com" << QStringList{"mailto:ann@example.com"};
        QTest::newRow("www") << "Ann www.example.com" << QStringList{"http://www.example.com"};
        QTest::newRow("two") << "www.a.com, http://b.org" << QStringList{"http://www.a.com", "http://b.org"};
        QTest::newRow("file") << "file:///usr/bin/xterm" << QStringList{};
        QTest::newRow("javascript") << "javascript:alert(1)" << QStringList{};
        QTest::newRow("other scheme") << "smb://host/share ssh://x" << QStringList{};
        QTest::newRow("no address") << "Ann of Green Gables" << QStringList{};
    }

    void onlyWebAddressesAreFound() {
        QFETCH(QString, text);
        QFETCH(QStringList, targets);
        QStringList found;
        for (const WebAddress& address : FindWebAddresses(text)) found << address.target.toString();
        QCOMPARE(found, targets);
    }

    void aLeftPressOnAnAddressOpensItOnceAndReachesTheBox() {
        ReportFixture f;
        ReportWindow window(f.platform, f.links, AnnsReading());
        window.show();
        QTextCursor cursor(Child<QTextEdit>(&window, "RTB")->document());
        cursor.insertText(QStringLiteral("Visit www.example.com or file:///bin/sh today\n"));
        const QString line = Child<QTextEdit>(&window, "RTB")->document()->begin().text();
        QCOMPARE(Child<QTextEdit>(&window, "RTB")->extraSelections().size(), 1);  // the address is shown as a link

        QTest::mousePress(Child<QTextEdit>(&window, "RTB")->viewport(), Qt::LeftButton, {},
                          PointOf(Child<QTextEdit>(&window, "RTB"), line.indexOf("example")));
        QCOMPARE(f.platform.opened, QStringList{"http://www.example.com"});
        QCOMPARE(Child<QTextEdit>(&window, "RTB")->textCursor().position(),
                 line.indexOf("example"));  // the box got the press too
        QTest::mouseRelease(Child<QTextEdit>(&window, "RTB")->viewport(), Qt::LeftButton);

        QTest::mousePress(Child<QTextEdit>(&window, "RTB")->viewport(), Qt::LeftButton, {},
                          PointOf(Child<QTextEdit>(&window, "RTB"), line.indexOf("bin")));
        QTest::mouseRelease(Child<QTextEdit>(&window, "RTB")->viewport(), Qt::LeftButton);
        QTest::mousePress(Child<QTextEdit>(&window, "RTB")->viewport(), Qt::RightButton, {},
                          PointOf(Child<QTextEdit>(&window, "RTB"), line.indexOf("example")));
        QCOMPARE(f.platform.opened.size(), 1);
    }

    // One click opens one page, however the press comes: with its release, as
    // a double click (press, release, double click, release, from the window
    // system) or delivered twice; two clicks apart open two.
    void oneClickOpensOnePage_data() {
        QTest::addColumn<QString>("mouse");
        QTest::addColumn<int>("pages");
        QTest::newRow("a click") << "click" << 1;
        QTest::newRow("a double click") << "double click" << 1;
        QTest::newRow("a press delivered twice") << "press press release" << 1;
        QTest::newRow("two clicks") << "click click" << 2;
    }

    void oneClickOpensOnePage() {
        QFETCH(QString, mouse);
        QFETCH(int, pages);
        ReportFixture f;
        ReportWindow window(f.platform, f.links, AnnsReading());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTextCursor(Child<QTextEdit>(&window, "RTB")->document())
            .insertText(QStringLiteral("Visit www.example.com today\n"));
        QWidget* box = Child<QTextEdit>(&window, "RTB")->viewport();
        const QPoint at =
            PointOf(Child<QTextEdit>(&window, "RTB"), QStringLiteral("Visit www.example.com").indexOf("example"));
        const QStringList steps = mouse == u"double click" ? QStringList{mouse} : mouse.split(QLatin1Char(' '));
        for (const QString& step : steps) {
            if (step == u"click") QTest::mouseClick(box, Qt::LeftButton, {}, at);
            if (step == u"press") QTest::mousePress(box, Qt::LeftButton, {}, at);
            if (step == u"release") QTest::mouseRelease(box, Qt::LeftButton, {}, at);
            if (step == u"double click")
                QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, box->mapTo(&window, at));
        }
        QCOMPARE(f.platform.opened, QStringList(pages, QStringLiteral("http://www.example.com")));
    }

    void theMouseShowsAHandOverAnAddressOnly() {
        ReportFixture f;
        ReportWindow window(f.platform, f.links, AnnsReading());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTextCursor(Child<QTextEdit>(&window, "RTB")->document())
            .insertText(QStringLiteral("Visit www.example.com today\n"));
        const QString line = Child<QTextEdit>(&window, "RTB")->document()->begin().text();
        // The move as the window system delivers it; QTest's moves the cursor, which offscreen has none of.
        const auto moveTo = [&](int position) {
            const QPoint point = PointOf(Child<QTextEdit>(&window, "RTB"), position);
            QMouseEvent move(QEvent::MouseMove, point, Child<QTextEdit>(&window, "RTB")->viewport()->mapToGlobal(point),
                             Qt::NoButton, Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(Child<QTextEdit>(&window, "RTB")->viewport(), &move);
            return Child<QTextEdit>(&window, "RTB")->viewport()->cursor().shape();
        };
        QCOMPARE(moveTo(line.indexOf("example")), Qt::PointingHandCursor);
        QCOMPARE(moveTo(line.indexOf("today")), Qt::IBeamCursor);
    }

    void anOverlongAddressIsShownButNotOpened() {
        ReportFixture f;
        ReportWindow window(f.platform, f.links, AnnsReading());
        window.show();
        const QString address = QStringLiteral("http://example.com/") + QString(2100, QLatin1Char('a'));
        QTextCursor(Child<QTextEdit>(&window, "RTB")->document()).insertText(address + QLatin1Char('\n'));
        QCOMPARE(Child<QTextEdit>(&window, "RTB")->extraSelections().size(), 1);
        QTest::mousePress(Child<QTextEdit>(&window, "RTB")->viewport(), Qt::LeftButton, {},
                          PointOf(Child<QTextEdit>(&window, "RTB"), 3));
        QVERIFY(f.platform.opened.isEmpty());
    }
};

QTEST_MAIN(ReportWindowTest)
#include "report_window_test.moc"
