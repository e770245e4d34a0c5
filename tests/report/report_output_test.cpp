// Saving and printing the report: the save dialog's settings, whole files, and
// what a save that cannot finish leaves behind.
#include "report/report_output.h"

#include <unistd.h>

#include <QPrinter>
#include <QPushButton>
#include <QtTest>

#include "tests/core/full_disk.h"
#include "tests/core/rtf_reader.h"
#include "tests/report/report_test_support.h"

using namespace zodiac;
using namespace zodiac::testing;

namespace {

// A message worded as the program's others: each line a sentence of its own,
// from a capital letter to a full stop.
bool WholeSentences(const QString& message) {
    static const QRegularExpression sentence(QStringLiteral("^[A-Z].*\\.$"));
    const QStringList lines = message.split(QLatin1Char('\n'));
    return std::all_of(lines.cbegin(), lines.cend(),
                       [](const QString& line) { return sentence.match(line).hasMatch(); });
}

}  // namespace

class ReportOutputTest : public QObject, SavedReports {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void theSaveDialogIsAskedAsAlways() {
        ReportFixture f;
        ReportWindow window(f.platform, f.links, AnnsReading());
        Child<QPushButton>(&window, "cmdSave")->click();  // the fake cancels
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
        ReportWindow window(f.platform, f.links, AnnsReading());
        const QByteArray first =
            ReadFile(SaveAs(f.platform, *Child<QTextEdit>(&window, "RTB"), QStringLiteral("ann.txt")));
        const QByteArray second =
            ReadFile(SaveAs(f.platform, *Child<QTextEdit>(&window, "RTB"), QStringLiteral("ann-again.rtf")));
        QVERIFY(first.startsWith("{\\rtf1"));
        QCOMPARE(first, second);
        QVERIFY(first.contains("Name: "));
        QVERIFY(f.platform.messages.empty());
    }

    void savingOverAFileReplacesItWhole() {
        ReportFixture f;
        ReportWindow window(f.platform, f.links, AnnsReading());
        const QString path = Path(QStringLiteral("over.rtf"));
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(200000, 'x'));
        old.close();
        // Root may save over a read-only file, which stays read-only; anyone else's keeps its bits too.
        const QFile::Permissions bits = geteuid() == 0 ? QFile::ReadOwner | QFile::ReadGroup
                                                       : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther;
        QVERIFY(old.setPermissions(bits));
        SaveAs(f.platform, *Child<QTextEdit>(&window, "RTB"), QStringLiteral("over.rtf"));
        QCOMPARE(ReadFile(path), ReportRtf(*Child<QTextEdit>(&window, "RTB")));
        QCOMPARE(QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser), bits);
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
        ReportWindow window(f.platform, f.links, AnnsReading());
        f.platform.saveAnswers = {at.target};
        {
            const FileSizeLimit limit(at.limitsFileSize ? 1000 : RLIM_INFINITY);
            Child<QPushButton>(&window, "cmdSave")->click();
        }
        QCOMPARE(f.platform.messages.size(), 1u);
        const QString message = f.platform.messages[0].text;
        QVERIFY2(
            message.contains(at.target) && message.contains(reason, Qt::CaseInsensitive) && WholeSentences(message),
            qPrintable(message));
        QVERIFY(f.platform.messages[0].icon == Platform::Icon::Critical);
        QCOMPARE(ReadFile(at.old), QByteArray(WriteObstacle::kOldContent));
        QCOMPARE(QDir(at.folder).entryList(QDir::Files), at.filesLeft());
    }

    void controlCharactersInANameCannotBreakTheFile() {
        ReportFixture f;
        using namespace std::chrono;
        const QString name = QStringLiteral("A\x01\x02\x1B[31m\x7F}{\\b0\\par");
        ReportWindow window(f.platform, f.links, ReadingFor(name, 1975y / March / 5d));
        const QByteArray rtf =
            ReadFile(SaveAs(f.platform, *Child<QTextEdit>(&window, "RTB"), QStringLiteral("control.rtf")));
        QVERIFY(rtf.startsWith("{\\rtf1"));
        QVERIFY(QString::fromStdString(ReadRtfText(rtf.toStdString())).startsWith(QStringLiteral("Name: ") + name));
    }

    // Print pressed and the dialog answered with a PDF file: printed silently,
    // cancelled silently, or refused by the file system and said why.
    void aPrintThatFailsSaysWhyAndACancelIsSilent_data() {
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("reason");
        const QString none, missing = QStringLiteral("No such file or directory");
        QTest::newRow("printed") << true << "printed.pdf" << none;
        QTest::newRow("cancelled") << false << "cancelled.pdf" << none;
        QTest::newRow("a folder that does not exist") << true << "no-such-folder/ann.pdf" << missing;
    }

    void aPrintThatFailsSaysWhyAndACancelIsSilent() {
        QFETCH(bool, accepted);
        QFETCH(QString, file);
        QFETCH(QString, reason);
        ReportFixture f;
        f.platform.printAnswer = accepted;
        f.platform.printToFile = Path(file);
        ReportWindow window(f.platform, f.links, AnnsReading());
        Child<QPushButton>(&window, "cmdPrint")->click();
        QCOMPARE(f.platform.printRequests.size(), 1u);
        QCOMPARE(QFile::exists(Path(file)), accepted && reason.isEmpty());
        if (reason.isEmpty()) {
            QVERIFY(f.platform.messages.empty());
        } else {
            QCOMPARE(f.platform.messages.size(), 1u);
            const QString message = f.platform.messages[0].text;
            QVERIFY2(message.contains(Path(file)) && message.contains(reason) && WholeSentences(message),
                     qPrintable(message));
            QVERIFY(f.platform.messages[0].icon == Platform::Icon::Critical);
        }
    }

    // Print pressed with a PDF file chosen where it cannot be written whole, as a
    // failed save: one message with the reason, the old file as it was, and no
    // part-written copy beside it nor in the temporary folder.
    void aPrintThatCannotFinishKeepsTheOldFileAndSaysWhy_data() {
        AddWriteObstacleRows();
        QTest::newRow("/dev/full") << "dev full"
                                   << "No space left on device";
    }

    void aPrintThatCannotFinishKeepsTheOldFileAndSaysWhy() {
        QFETCH(QString, obstacle);
        QFETCH(QString, reason);
        const WriteObstacle at(Path(QStringLiteral("print, ") + obstacle), obstacle);
        if (!at.possible()) QSKIP("only root may mount the full disk");
        const QString target = obstacle == u"dev full" ? QStringLiteral("/dev/full") : at.target;
        const QStringList printCopies{QStringLiteral("qorvel-zodiac-print-*")};
        const QStringList copiesBefore = QDir::temp().entryList(printCopies, QDir::Files);
        ReportFixture f;
        ReportWindow window(f.platform, f.links, AnnsReading());
        f.platform.printToFile = target;
        {
            const FileSizeLimit limit(at.limitsFileSize ? 1000 : RLIM_INFINITY);
            Child<QPushButton>(&window, "cmdPrint")->click();
        }
        QCOMPARE(f.platform.messages.size(), 1u);
        const QString message = f.platform.messages[0].text;
        QVERIFY2(message.contains(target) && message.contains(reason, Qt::CaseInsensitive) && WholeSentences(message),
                 qPrintable(message));
        QVERIFY(f.platform.messages[0].icon == Platform::Icon::Critical);
        QCOMPARE(ReadFile(at.old), QByteArray(WriteObstacle::kOldContent));
        QCOMPARE(QDir(at.folder).entryList(QDir::Files), at.filesLeft());
        QCOMPARE(QDir::temp().entryList(printCopies, QDir::Files), copiesBefore);
    }
};

QTEST_MAIN(ReportOutputTest)
#include "report_output_test.moc"
