// match as a user runs it: the real executable, in text and JSON.
#include <QtTest>

#include "tests/cli/answers.h"
#include "tests/cli/run_program.h"

using namespace zodiac;
using namespace zodiac::testing;

namespace {

class MatchTest : public ProgramTest {
    Q_OBJECT

private slots:
    // The whole command in each form: its options reach both readings. (What
    // a match holds is cli/output_test's, in this process.)
    void matchAnswersInEachForm_data() {
        QTest::addColumn<QStringList>("arguments");  // match's, without --json
        QTest::addColumn<QStringList>("expected");   // key=value of the JSON, a/b for b within a
        QTest::addColumn<QString>("line");           // a line of the text
        QTest::newRow("Rabbit with Horse") << QStringList{"1975-03-05", "1990-08-10"}
                                           << QStringList{"first/sign=Rabbit", "second/sign=Horse", "number=5",
                                                          "percentage=50%", "rating=A Difficult Match"}
                                           << "Compatibility 5 of 10 (50%): A Difficult Match";
        QTest::newRow("New York, either side of risshun")
            << QStringList{"--year-start=risshun", "--zone=America/New_York", "2021-02-03T09:50", "2021-02-03T10:05"}
            << QStringList{"first/sign=Rat", "first/utcOffset=-05:00", "second/sign=Ox", "second/zone=America/New_York"}
            << "2021-02-03T09:50: Metal Rat, Nezumi 子";
    }

    void matchAnswersInEachForm() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, expected);
        QFETCH(QString, line);
        const Ran json = Run(QStringList{"match", "--json"} + arguments);
        QCOMPARE(json.err, QString());
        QCOMPARE(json.status, 0);
        QCOMPARE(json.out.count('\n'), 1);
        ExpectValues(Object(json.out), expected);
        const Ran text = Run(QStringList{"match"} + arguments);
        QCOMPARE(text.status, 0);
        QVERIFY2(QString::fromUtf8(text.out).split(u'\n').contains(line), text.out.constData());
    }

    void badInputSaysWhatAndWritesNothing_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named");  // what the message must name
        QTest::newRow("one date to match") << QStringList{"match", "1975-03-05"} << "two dates";
        QTest::newRow("three dates to match")
            << QStringList{"match", "1975-03-05", "1975-03-06", "1975-03-07"} << "two dates";
        QTest::newRow("standard input to match") << QStringList{"match", "-", "1975-03-05"} << "standard input";
    }

    void badInputSaysWhatAndWritesNothing() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        ExpectBadInput(Run(arguments), named);
    }
};

}  // namespace

QTEST_MAIN(MatchTest)
#include "match_test.moc"
