// What the command line takes and what it refuses, read in this process: the
// options by the commands' table, the zone, the dates and their range. No
// program is started.
#include <QDateTime>
#include <QJsonObject>
#include <QRegularExpression>
#include <QtTest>

#include "core/text.h"
#include "tests/cli/answers.h"

using namespace zodiac;
using namespace zodiac::testing;
using namespace zodiac::cli;

namespace {

class ParsingTest : public QObject {
    Q_OBJECT

private slots:
    // A zone is a name the time zone database lists or an offset clocks keep,
    // UTC-12:00 to UTC+14:00, written UTC+H, UTC+HH:MM or UTC+HH:MM:SS. The
    // offsets as zdump and Python's zoneinfo give them: Asia/Calcutta is the
    // database's other name for Asia/Kolkata, and Kathmandu kept its local mean
    // time, +05:41:16, until 1920, when risshun 1900 fell at 05:51:32 UT
    // (python3-ephem). Qt would read any other name as a POSIX rule (JST as UTC,
    // JST9 as UTC-09:00): refused, with the names it may stand for.
    void theZoneIsADatabaseNameOrAnOffset_data() {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QStringList>("expected");  // key=value of the JSON under risshun, when taken
        QTest::addColumn<QString>("refused");       // what the message names, when refused
        const QString date = QStringLiteral("2021-01-01T12:00");
        QTest::newRow("UTC+9") << "UTC+9" << date << QStringList{"utcOffset=+09:00", "zone=UTC+9"} << QString();
        QTest::newRow("UTC+9:00") << "UTC+9:00" << date << QStringList{"utcOffset=+09:00"} << QString();
        QTest::newRow("UTC+14:00") << "UTC+14:00" << date << QStringList{"utcOffset=+14:00"} << QString();
        QTest::newRow("UTC-12:00") << "UTC-12:00" << date << QStringList{"utcOffset=-12:00"} << QString();
        QTest::newRow("another name for a zone")
            << "Asia/Calcutta" << date << QStringList{"utcOffset=+05:30"} << QString();
        QTest::newRow("local mean time") << "Asia/Kathmandu"
                                         << "1900-06-01T12:00"
                                         << QStringList{"utcOffset=+05:41:16",
                                                        "yearBeginsAt=1900-02-04T11:32:48+05:41:16"}
                                         << QString();
        const QString tokyo = QStringLiteral("(try --zone=Asia/Tokyo or --zone=UTC+09:00)");
        QTest::newRow("JST") << "JST" << date << QStringList() << "unknown zone 'JST' " + tokyo;
        QTest::newRow("Tokyo") << "Tokyo" << date << QStringList() << "(try --zone=Asia/Tokyo)";
        QTest::newRow("PST") << "PST" << date << QStringList() << "--zone=America/Los_Angeles";
        QTest::newRow("foo") << "foo" << date << QStringList() << "unknown zone 'foo'; expected";
        QTest::newRow("utc+9") << "utc+9" << date << QStringList() << "(try --zone=UTC+09:00)";
        QTest::newRow("JST9") << "JST9" << date << QStringList() << tokyo;
        QTest::newRow("UTC-13:00") << "UTC-13:00" << date << QStringList() << "from UTC-12:00 to UTC+14:00";
        QTest::newRow("UTC+14:01") << "UTC+14:01" << date << QStringList() << "from UTC-12:00 to UTC+14:00";
    }

    void theZoneIsADatabaseNameOrAnOffset() {
        QFETCH(QString, zone);
        QFETCH(QString, date);
        QFETCH(QStringList, expected);
        QFETCH(QString, refused);
        const QStringList arguments = {"--year-start=risshun", "--zone=" + zone, date};
        if (refused.isEmpty()) return CheckSign(arguments, expected, QString());
        ExpectRefused([&] { Signed(arguments); }, refused);
    }

    // The range's first and last minutes and days, on clocks from UTC-12:00 to
    // UTC+14:00 and of local mean time, under every year start: 1 January takes
    // them all, the lunar years (1900-01-31 to 2100-02-08) none, and risshun
    // (about 4 February 1900 to 3 February 2101) the last two. A refusal names its
    // limits exactly: the first and last taken, and the minute or day beyond each
    // not. The almanac typed from lunar-javascript: the days before the shōkan of
    // 1900 lie in the ne month of the risshun year 1899, 丙子, stars 二黒土星 and
    // 一白水星; 2100-12-31 in 戊子, stars 八白土星 and 一白水星. Shōkan 1900 fell at
    // 18:03:58 UT on 5 January: on the 6th only east of about UTC+05:56.
    void theRangesFirstAndLastMinutes_data() {
        QTest::addColumn<QString>("zone");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("shokan");  // its day on that clock
        const std::pair<const char*, const char*> zones[] = {
            {"Asia/Tokyo", "1900-01-06"},         {"America/New_York", "1900-01-05"},
            {"Pacific/Kiritimati", "1900-01-05"}, {"Pacific/Pago_Pago", "1900-01-05"},
            {"UTC-12:00", "1900-01-05"},          {"Asia/Kathmandu", "1900-01-05"}};
        for (const auto& [zone, shokan] : zones) {
            for (const char* start : {"lunar", "january", "risshun"})
                QTest::newRow(qPrintable(QStringLiteral("%1, %2").arg(zone, start))) << zone << start << shokan;
        }
    }

    void theRangesFirstAndLastMinutes() {
        QFETCH(QString, zone);
        QFETCH(QString, start);
        QFETCH(QString, shokan);
        const QStringList options = {"--zone=" + zone, "--year-start=" + start};
        const auto taken = [&](const QStringList& dates) {
            return RefusalOf([&] { Signed(options + dates); }).isNull();
        };
        const QStringList edges = {"1900-01-01T00:00", "1900-01-01", "2100-12-31T23:59", "2100-12-31"};
        QStringList limits;  // each pair checked once
        for (int i = 0; i < edges.size(); ++i) {
            QByteArray out;
            const QString refusal =
                RefusalOf([&] { out = Signed(QStringList{"--json"} + options + QStringList{edges[i]}); });
            if (start == u"january" || (start == u"risshun" && i >= 2)) {
                QCOMPARE(refusal, QString());
                const QJsonObject sign = Object(out), almanac = sign["almanac"].toObject();
                const QStringList expected =
                    i < 2 ? QStringList{"丙子", "二黒土星", "一白水星"} : QStringList{"戊子", "八白土星", "一白水星"};
                QCOMPARE((QStringList{almanac["monthEto"]["kanji"].toString(), almanac["yearStar"]["kanji"].toString(),
                                      almanac["monthStar"]["kanji"].toString()}),
                         expected);
                continue;
            }
            ExpectRefusal(refusal, QStringLiteral("is outside the"));
            const auto named =
                QRegularExpression(QStringLiteral("expected a date from (\\S+) to ([^,( ]+)")).match(refusal);
            QVERIFY2(named.hasMatch(), qPrintable(refusal));
            const QString first = named.captured(1), last = named.captured(2);
            if (limits.contains(first + last)) continue;
            limits << first + last;
            // A minute or a day either side, as the limits are written.
            const auto beside = [](const QString& limit, int step) {
                const QDate day = QDate::fromString(limit.left(10), Qt::ISODate);
                if (!limit.contains(u'T')) return day.addDays(step).toString(Qt::ISODate);
                return QDateTime(day, QTime::fromString(limit.mid(11), QStringLiteral("HH:mm")), Qt::UTC)
                    .addSecs(60 * step)
                    .toString(QStringLiteral("yyyy-MM-ddTHH:mm"));
            };
            QVERIFY2(taken({first, last}), qPrintable(refusal));
            QVERIFY2(!taken({beside(first, -1)}) && !taken({beside(last, 1)}), qPrintable(refusal));
        }
        if (start != u"january") return;
        // On the day of the shōkan of 1900, what came before it.
        const QJsonObject sign = Object(Signed(QStringList{"--json"} + options + QStringList{shokan}));
        const QJsonObject before = sign["almanac"]["setsu"]["before"].toObject();
        QCOMPARE((QStringList{before["monthEto"]["kanji"].toString(), before["yearStar"]["kanji"].toString(),
                              before["monthStar"]["kanji"].toString()}),
                 (QStringList{"丙子", "二黒土星", "一白水星"}));
        const QString text = QString::fromUtf8(Signed(options + QStringList{shokan}));
        QVERIFY2(QRegularExpression(QStringLiteral("\n  Shōkan fell at [0-9:]+ \\S+; before it: month 丙子, "
                                                   "stars 二黒 and 一白\n"))
                     .match(text)
                     .hasMatch(),
                 qPrintable(text.left(600)));
    }

    // Dates that cannot be taken, each with a message that says what to give
    // instead: a day the clocks skipped (Samoa's went from 29 to 31 December 2011,
    // as the time zone database records), a zone after the time, a leap second.
    void whatCannotBeTakenSaysWhatToGive_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named");
        QTest::newRow("a day the clocks skipped") << QStringList{"--zone=Pacific/Apia", "2011-12-30"}
                                                  << "2011-12-30 never showed on the clocks of Pacific/Apia";
        QTest::newRow("a zone after the time")
            << QStringList{"1975-03-05T12:00Z"} << "--zone=UTC+00:00 1975-03-05T12:00";
        QTest::newRow("a leap second") << QStringList{"1975-03-05T23:59:60"}
                                       << "a leap second, and seconds are not taken";
    }

    void whatCannotBeTakenSaysWhatToGive() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        ExpectRefused([&] { Signed(arguments); }, named);
    }

    // Dates, zones and options that cannot be taken, each refused by a message that
    // names what was wrong.
    void badInputSaysWhat_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named");  // what the message must name
        QTest::addColumn<QString>("named");  // what the message must name
        QTest::newRow("no such day") << QStringList{"2001-02-29"} << "2001-02-29";
        QTest::newRow("malformed") << QStringList{"1975-3-5"} << "YYYY-MM-DD";
        QTest::newRow("a letter for a digit") << QStringList{"1975-O3-05"} << "YYYY-MM-DD";
        QTest::newRow("before the lunar years") << QStringList{"1900-01-30"} << "1900-01-31";
        QTest::newRow("after the lunar years") << QStringList{"2100-02-09"} << "2100-02-08";
        QTest::newRow("before the calendar years") << QStringList{"--year-start=january", "1899-12-31"} << "1900-01-01";
        QTest::newRow("unknown year start") << QStringList{"--year-start=solar", "1975-03-05"} << "solar";
        QTest::newRow("unknown option") << QStringList{"--colour", "1975-03-05"} << "colour";
        // Input that a message must not repeat as it came.
        QTest::newRow("escape codes in a date") << QStringList{"\x1b[2J\x1b]0;owned\x07"} << "\\e[2J\\e]0;owned\\x07";
        QTest::newRow("a date of 100,000 digits") << QStringList{QString(100000, u'9')} << "9999…";
        QTest::newRow("a time the clocks sprang over")
            << QStringList{"--zone=America/New_York", "2021-03-14T02:30"} << "2021-03-14T02:30 never showed";
        QTest::newRow("a time the clocks showed twice")
            << QStringList{"--zone=America/New_York", "2021-11-07T01:30"} << "at UTC-04:00 and at UTC-05:00";
        QTest::newRow("an unknown zone") << QStringList{"--zone=Mars/Olympus", "2021-01-01"}
                                         << "unknown zone 'Mars/Olympus'";
        QTest::newRow("a zone outside the database")
            << QStringList{"--zone=../../../etc/passwd", "2021-01-01"} << "unknown zone";
        QTest::newRow("the 24th hour") << QStringList{"2021-01-01T24:00"} << "give 2021-01-02T00:00";
        QTest::newRow("a time of one digit") << QStringList{"2021-01-01T7:5"} << "HH:MM";
        QTest::newRow("seconds") << QStringList{"2021-01-01T07:05:00"} << "HH:MM";
        QTest::newRow("before the first risshun's moment")
            << QStringList{"--year-start=risshun", "1900-02-04T14:00"} << "from 1900-02-04T14:52 to";
        QTest::newRow("a line separator in a date") << QStringList{"1975\u2028"} << "'1975\\u{2028}'";
        QTest::newRow("an unknown short option") << QStringList{"-x", "1975-03-05"} << "unknown option '-x'";
        QTest::newRow("three dashes") << QStringList{"---json", "1975-03-05"} << "unknown option '---json'";
        QTest::newRow("one dash for --json after the command")
            << QStringList{"-json", "1975-03-05"} << "unknown option '-json'";
        QTest::newRow("one dash for --help after the command") << QStringList{"-help"} << "unknown option '-help'";
        // Blank and invisible characters, escaped as the others are; U+00AD is a character, not the byte 0xad.
        QTest::newRow("no-break and ideographic spaces, Hangul fillers, a variation selector, a soft hyphen")
            << QStringList{"19\u00A0\u3000\u115F\u1160\u3164\uFFA0\uFE0F\u00AD75"}
            << "'19\\u{a0}\\u{3000}\\u{115f}\\u{1160}\\u{3164}\\u{ffa0}\\u{fe0f}\\u{ad}75'";
    }

    void badInputSaysWhat() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        ExpectRefused([&] { Signed(arguments); }, named);
    }
};

}  // namespace

QTEST_MAIN(ParsingTest)
#include "parsing_test.moc"
