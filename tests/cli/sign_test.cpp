// sign as a user runs it: the real executable, in text and JSON, from the
// arguments and from standard input.
#include <QtTest>

#include "tests/cli/answers.h"
#include "tests/cli/run_program.h"

using namespace zodiac;
using namespace zodiac::testing;

namespace {

class SignTest : public ProgramTest {
    Q_OBJECT

private slots:
    // The whole command in each form: its options reach the answer, and a date
    // read from standard input is answered as one given as an argument. (What
    // each date's answer holds is cli/output_test's, in this process.)
    void signAnswersInEachForm_data() {
        QTest::addColumn<QStringList>("arguments");  // sign's, without --json
        QTest::addColumn<QStringList>("expected");   // key=value of the JSON, a/b for b within a
        QTest::addColumn<QString>("line");           // a line of the text
        QTest::newRow("Ann") << QStringList{"1975-03-05"}
                             << QStringList{"sign=Rabbit", "element=Wood", "yearBegins=1975-02-11", "yearStart=lunar"}
                             << "1975-03-05: Wood Rabbit, Usagi 卯";
        QTest::newRow("January, 1 January") << QStringList{"--year-start=january", "1975-01-15"}
                                            << QStringList{"sign=Rabbit", "yearBegins=1975-01-01", "yearStart=january"}
                                            << "1975-01-15: Wood Rabbit, Usagi 卯";
        QTest::newRow("Beijing, after risshun there")
            << QStringList{"--year-start=risshun", "--zone=Asia/Shanghai", "2017-02-03T23:50"}
            << QStringList{"sign=Rooster", "element=Fire",     "eto/kanji=丁酉",
                           "time=23:50",   "utcOffset=+08:00", "zone=Asia/Shanghai"}
            << "2017-02-03T23:50: Fire Rooster, Tori 酉";
        QTest::newRow("New York, on the day of risshun 2021")
            << QStringList{"--year-start=risshun", "--zone=America/New_York", "2021-02-03"}
            << QStringList{"sign=Ox", "zone=America/New_York", "yearBegins=2021-02-03"}
            << "  Risshun fell at 09:58 EST this day; born before it: 庚子 Metal Rat";
    }

    void signAnswersInEachForm() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, expected);
        QFETCH(QString, line);
        const QString date = arguments.takeLast();
        for (const QStringList& form : {QStringList{"sign", "--json"}, QStringList{"sign"}}) {
            const Ran given = Run(form + arguments + QStringList{date});
            QCOMPARE(given.err, QString());
            QCOMPARE(given.status, 0);
            if (form.contains(QStringLiteral("--json"))) {
                ExpectValues(Object(given.out), expected);
            } else {
                QVERIFY2(QString::fromUtf8(given.out).split(u'\n').contains(line), given.out.constData());
            }
            const Ran read = Run(form + arguments + QStringList{"-"}, date.toUtf8() + '\n');
            QCOMPARE(read.status, 0);
            QCOMPARE(read.out, given.out);
        }
    }

    void badInputSaysWhatAndWritesNothing_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named");  // what the message must name
        QTest::newRow("no date") << QStringList{"sign"} << "DATE";
    }

    void badInputSaysWhatAndWritesNothing() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        ExpectBadInput(Run(arguments), named);
    }
};

}  // namespace

QTEST_MAIN(SignTest)
#include "sign_test.moc"
