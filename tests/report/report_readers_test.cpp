// Saved and printed reports read back by other programs: LibreOffice, unrtf and
// pdftotext, as a person's other software would read them.
#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QProcess>
#include <QTextBlock>
#include <QtTest>

#include "shell/result_window.h"
#include "tests/core/rtf_reader.h"
#include "tests/report/report_test_support.h"

using namespace zodiac;
using namespace zodiac::testing;

class ReportReadersTest : public QObject, SavedReports {
    Q_OBJECT

    // Reads a saved report back the way another program would, through LibreOffice.
    QString ThroughLibreOffice(const QString& file, const QString& filter, const QString& extension) {
        const QString out = Path(QStringLiteral("converted"));
        QDir().mkpath(out);
        QProcess soffice;
        soffice.start(QStringLiteral("soffice"),
                      {QStringLiteral("-env:UserInstallation=file://") + Path(QStringLiteral("profile")),
                       QStringLiteral("--headless"), QStringLiteral("--norestore"), QStringLiteral("--convert-to"),
                       filter, QStringLiteral("--outdir"), out, file});
        if (!soffice.waitForFinished(180000)) return QStringLiteral("soffice did not finish");
        return QString::fromUtf8(ReadFile(out + QLatin1Char('/') + QFileInfo(file).completeBaseName() + extension));
    }

    // Prints the window's report (or its selection) to a PDF and gives its text.
    QString PrintToPdf(FakePlatform& platform, ReportWindow& window, const QString& name) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(Path(name));
        PrintReport(platform, &window, *Child<QTextEdit>(&window, "RTB"), printer);
        return PdfText(printer.outputFileName());
    }

    static QString PdfText(const QString& pdf) {
        QProcess pdftotext;
        pdftotext.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        pdftotext.waitForFinished(60000);
        return QString::fromUtf8(pdftotext.readAllStandardOutput());
    }

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void hostileAndForeignNamesComeBackWholeThroughARealReader() {
        ReportFixture f;
        const QString name = QStringLiteral("{\\rtf1 Bo}b Zo\u00EB \u65E5\u672C \U0001F600 \u05E9\u05DC\u05D5\u05DD");
        using namespace std::chrono;
        ReportWindow window(f.platform, f.links, ReadingFor(name, 1984y / June / 1d));
        Child<QTextEdit>(&window, "RTB")->textCursor().insertText(QStringLiteral("  2024 typed at the end"));
        const QString saved = SaveAs(f.platform, *Child<QTextEdit>(&window, "RTB"), QStringLiteral("foreign.rtf"));

        // LibreOffice's text export marks a paragraph's leading blanks with U+2006.
        const QString text =
            ThroughLibreOffice(saved, QStringLiteral("txt:Text (encoded):UTF8"), ".txt").remove(QChar(0x2006));
        QVERIFY2(text.contains(QStringLiteral("Name: ") + name), qPrintable(text.left(300)));
        QVERIFY(text.contains(QStringLiteral("Japanese Sign: Nezumi")));
        QVERIFY(text.contains(QStringLiteral("Famous Persons of this Star Sign are: ")));
        QVERIFY(text.contains(QStringLiteral("  2024 typed at the end")));

        const QString html = ThroughLibreOffice(saved, QStringLiteral("html"), ".html").toLower();
        QVERIFY2(html.contains(QStringLiteral("#800000")), "the labels' dark red");
        QVERIFY2(html.contains(QStringLiteral("#000080")), "the values' dark blue");
        QVERIFY(html.contains(QStringLiteral("<b>")));
        QVERIFY(html.contains(QStringLiteral("verdana")));
    }

    void oddNamesGoThroughTheWholeRoadAndReadBackWhole() {
        QString longName;
        while (longName.size() < 10000) longName += QStringLiteral("Ann-Marie ");
        longName.truncate(10000);
        const QStringList names = {
            longName.trimmed(),
            QStringLiteral("\u05E9\u05DC\u05D5\u05DD \u0645\u0631\u062D\u0628\u0627 Ann"),  // right to left
            QStringLiteral("Zoe\u0301 \U0001F600\U0001F469\u200D\U0001F467 \u00A0end"),
        };
        for (const QString& name : names) {
            Program program;
            const QRect fieldBefore =
                Child<QLineEdit>(program.app.LoadResultWindow(), "txtMaleRulingPlanet")->geometry();
            program.Run(name, 5, 3, 1975);
            ResultWindow* result = program.app.LoadedResultWindow();
            QVERIFY(result->isVisible());
            QCOMPARE(Child<QGroupBox>(result, "Framale")->title(), name + QStringLiteral("'s Characteristic"));
            QCOMPARE(Child<QLabel>(result, "lblMaleChinesesign")->text(), QStringLiteral("Rabbit"));
            QCOMPARE(Child<QLineEdit>(result, "txtMaleRulingPlanet")->geometry(), fieldBefore);  // nothing pushed aside

            ReportWindow report(program.platform, program.app.links(), *program.app.state().user);
            QCOMPARE(Child<QTextEdit>(&report, "RTB")->document()->begin().text(), QStringLiteral("Name: ") + name);
            const QString saved =
                SaveAs(program.platform, *Child<QTextEdit>(&report, "RTB"), QStringLiteral("odd.rtf"));
            const QString read = QString::fromStdString(ReadRtfText(ReadFile(saved).toStdString()));
            QVERIFY(read.startsWith(QStringLiteral("Name: ") + name + QStringLiteral("\n")));
            if (name == names[0]) {
                const QString text = ThroughLibreOffice(saved, QStringLiteral("txt:Text (encoded):UTF8"), ".txt");
                QVERIFY(text.contains(QStringLiteral("Name: ") + name));
                QVERIFY(text.contains(QStringLiteral("Famous Persons of this Star Sign are: ")));
            }
        }
    }

    void unrtfReadsAPlainReport() {
        ReportFixture f;
        ReportWindow window(f.platform, f.links, AnnsReading());
        const QString saved = SaveAs(f.platform, *Child<QTextEdit>(&window, "RTB"), QStringLiteral("plain.rtf"));
        QProcess unrtf;
        unrtf.start(QStringLiteral("unrtf"), {QStringLiteral("--text"), saved});
        QVERIFY(unrtf.waitForFinished(60000));
        const QString text = QString::fromUtf8(unrtf.readAllStandardOutput());
        QVERIFY(text.contains(QStringLiteral("Name: Ann")));
        QVERIFY(text.contains(QStringLiteral("English Name : Rabbit")));
        QVERIFY(text.contains(QStringLiteral("Lucky Number: 1, 3, 5, 9, 15, 19 and 35")));
    }

    void printsTheWholeReportWithNothingAdded() {
        ReportFixture f;
        ReportWindow window(f.platform, f.links, AnnsReading());
        const QString text = PrintToPdf(f.platform, window, QStringLiteral("whole.pdf"));
        QCOMPARE(f.platform.printRequests, std::vector<bool>{false});
        QVERIFY(text.contains(QStringLiteral("Name: Ann")));
        QVERIFY(text.contains(QStringLiteral("Famous Persons of this Star Sign are:")));
        static const QRegularExpression pageNumber(QStringLiteral("^\\s*\\d+\\s*$"),
                                                   QRegularExpression::MultilineOption);
        QVERIFY2(!text.contains(pageNumber), "no page number at the foot");
    }

    void printsOnlyTheSelection() {
        ReportFixture f;
        ReportWindow window(f.platform, f.links, AnnsReading());
        QTextCursor cursor =
            Child<QTextEdit>(&window, "RTB")->document()->find(QStringLiteral("Lucky Color: Pale Green"));
        QVERIFY(cursor.hasSelection());
        Child<QTextEdit>(&window, "RTB")->setTextCursor(cursor);
        const QString text = PrintToPdf(f.platform, window, QStringLiteral("selection.pdf"));
        QCOMPARE(f.platform.printRequests, std::vector<bool>{true});
        QCOMPARE(f.platform.printRangesOffered, std::vector<QPrinter::PrintRange>{QPrinter::Selection});
        QVERIFY2(text.contains(QStringLiteral("Lucky Color: Pale Green")), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("Name:")));
        QVERIFY(!text.contains(QStringLiteral("Energy")));
    }

    void switchingFromTheSelectionToAllPrintsTheWholeReport() {
        ReportFixture f;
        f.platform.printRangeChosen = QPrinter::AllPages;
        ReportWindow window(f.platform, f.links, AnnsReading());
        Child<QTextEdit>(&window, "RTB")
            ->setTextCursor(
                Child<QTextEdit>(&window, "RTB")->document()->find(QStringLiteral("Lucky Color: Pale Green")));
        const QString text = PrintToPdf(f.platform, window, QStringLiteral("switched.pdf"));
        QCOMPARE(f.platform.printRangesOffered, std::vector<QPrinter::PrintRange>{QPrinter::Selection});
        QVERIFY2(text.contains(QStringLiteral("Name: Ann")), qPrintable(text.left(300)));
        QVERIFY(text.contains(QStringLiteral("Lucky Color: Pale Green")));
        QVERIFY(text.contains(QStringLiteral("Famous Persons of this Star Sign are:")));
    }
};

QTEST_MAIN(ReportReadersTest)
#include "report_readers_test.moc"
