// Saving and printing the report: the save dialog's settings, whole files, and
// what a save that cannot finish leaves behind.
#include "report/report_output.h"

#include <QPrinter>
#include <QPushButton>
#include <QtTest>

#include "tests/core/full_disk.h"
#include "tests/core/rtf_reader.h"
#include "tests/report/report_test_support.h"

using namespace zodiac;
using namespace zodiac::testing;

class ReportOutputTest : public QObject, SavedReports {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void theSaveDialogIsAskedAsAlways() {
        ReportFixture f;
        ReportWindow window(f.platform, f.links, AnnsState(), QStringLiteral("Usagi"));
        window.cmdSave->click();  // the fake cancels
        QCOMPARE(f.platform.saveRequests.size(), 1u);
        const auto& request = f.platform.saveRequests[0];
        QCOMPARE(request.filter, QStringLiteral("Rich Text Format | *.rtf "));
        QCOMPARE(request.defaultSuffix, QStringLiteral("txt"));
        QCOMPARE(request.title, QStringLiteral("Qorvel Japanese Zodiac"));
        QVERIFY(request.confirmOverwrite);
        QVERIFY(request.folderMustExist);
        QVERIFY(f.platform.messages.empty());  // cancelling is silent
    }

    void aTxtNameGetsRichTextAndTwoSavesAreIdentical() {
        ReportFixture f;
        ReportWindow window(f.platform, f.links, AnnsState(), QStringLiteral("Usagi"));
        const QByteArray first = ReadFile(SaveAs(f.platform, *window.RTB, QStringLiteral("ann.txt")));
        const QByteArray second = ReadFile(SaveAs(f.platform, *window.RTB, QStringLiteral("ann-again.rtf")));
        QVERIFY(first.startsWith("{\\rtf1"));
        QCOMPARE(first, second);
        QVERIFY(first.contains("Name: "));
        QVERIFY(f.platform.messages.empty());
    }

    void savingOverAFileReplacesItWhole() {
        ReportFixture f;
        ReportWindow window(f.platform, f.links, AnnsState(), QStringLiteral("Usagi"));
        const QString path = Path(QStringLiteral("over.rtf"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(200000, 'x'));
        old.close();
        SaveAs(f.platform, *window.RTB, QStringLiteral("over.rtf"));
        QCOMPARE(ReadFile(path), ReportRtf(*window.RTB));
    }

    // Save pressed where the report cannot be written whole: the old file stays
    // as it was, no part-written copy is left beside it, and the user is told why.
    void aSaveThatCannotFinishKeepsTheOldFileAndSaysWhy_data() { AddWriteObstacleRows(); }

    void aSaveThatCannotFinishKeepsTheOldFileAndSaysWhy() {
        QFETCH(QString, obstacle);
        QFETCH(QString, reason);
        const WriteObstacle at(Path(obstacle), obstacle);
        if (!at.possible()) QSKIP("only root may mount the full disk");
        ReportFixture f;
        ReportWindow window(f.platform, f.links, AnnsState(), QStringLiteral("Usagi"));
        f.platform.saveAnswers = {at.target};
        {
            const FileSizeLimit limit(at.limitsFileSize ? 1000 : RLIM_INFINITY);
            window.cmdSave->click();
        }
        QCOMPARE(f.platform.messages.size(), 1u);
        const QString message = f.platform.messages[0].text;
        QVERIFY2(message.contains(at.target) && message.contains(reason), qPrintable(message));
        QVERIFY(f.platform.messages[0].icon == Platform::Icon::Critical);
        QCOMPARE(ReadFile(at.old), QByteArray(WriteObstacle::kOldContent));
        QCOMPARE(QDir(at.folder).entryList(QDir::Files), at.filesLeft());
    }

    void controlCharactersInANameCannotBreakTheFile() {
        ReportFixture f;
        using namespace std::chrono;
        const QString name = QStringLiteral("A\x01\x02\x1B[31m\x7F}{\\b0\\par");
        ReportWindow window(f.platform, f.links, StateFor(name, 1975y / March / 5d, QStringLiteral("5 March 1975")),
                            QStringLiteral("Usagi"));
        const QByteArray rtf = ReadFile(SaveAs(f.platform, *window.RTB, QStringLiteral("control.rtf")));
        QVERIFY(rtf.startsWith("{\\rtf1"));
        QVERIFY(QString::fromStdString(ReadRtfText(rtf.toStdString())).startsWith(QStringLiteral("Name: ") + name));
    }

    void aCancelledPrintDialogPrintsNothing() {
        ReportFixture f;
        f.platform.printAnswer = false;
        ReportWindow window(f.platform, f.links, AnnsState(), QStringLiteral("Usagi"));
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(Path(QStringLiteral("cancelled.pdf")));
        PrintReport(f.platform, &window, *window.RTB, printer);
        QVERIFY(!QFile::exists(printer.outputFileName()));
    }
};

QTEST_MAIN(ReportOutputTest)
#include "report_output_test.moc"
