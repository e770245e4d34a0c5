// The command line as a user runs it: the real executable, with no display.
#include <sys/stat.h>
#include <unistd.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <csignal>
#include <functional>

#include "cli/commands.h"
#include "core/text.h"
#include "tests/core/full_disk.h"
#include "tests/core/rtf_reader.h"
#include "tests/report/report_test_support.h"

using namespace zodiac;
using namespace zodiac::testing;
using namespace zodiac::cli;

namespace {

struct Ran {
    int status;
    QByteArray out;
    QString err;
};

class CommandLineTest : public QObject {
    Q_OBJECT

    QTemporaryDir home_;

    QProcessEnvironment Environment() const {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            environment.remove(QLatin1String(name));
        environment.insert(QStringLiteral("XDG_CONFIG_HOME"), home_.filePath(QStringLiteral("config")));
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), home_.filePath(QStringLiteral("runtime")));
        return environment;
    }

    // `prepare` may change the process's standard streams or limits before it starts.
    Ran Run(const QStringList& arguments, const QByteArray& input = {},
            const std::function<void(QProcess&)>& prepare = {}) const {
        QProcess process;
        process.setProcessEnvironment(Environment());
        if (prepare) prepare(process);
        process.start(QStringLiteral(PROGRAM), arguments);
        process.write(input);
        process.closeWriteChannel();
        if (!process.waitForFinished(20000)) return {-1, {}, QStringLiteral("did not finish")};
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2, process.readAllStandardOutput(),
                QString::fromUtf8(process.readAllStandardError())};
    }

    static QJsonObject Object(const QByteArray& line) { return QJsonDocument::fromJson(line).object(); }

    // Refused as bad input: exit 2, nothing on standard output, one short line on
    // standard error that names `named` and repeats no control character.
    static void ExpectBadInput(const Ran& ran, const QString& named) {
        QCOMPARE(ran.status, 2);
        QVERIFY(ran.out.isEmpty());
        QVERIFY2(ran.err.endsWith(u'\n') && ran.err.count(u'\n') == 1, qPrintable(ran.err));
        QVERIFY2(ran.err.startsWith(QStringLiteral("qorvel-zodiac: ")), qPrintable(ran.err));
        QVERIFY2(ran.err.contains(named), qPrintable(ran.err));
        QVERIFY2(ran.err.size() < 400, qPrintable(ran.err.left(400)));
        for (const QChar c : ran.err.chopped(1)) QVERIFY2(c.isPrint(), qPrintable(ran.err));
    }

    // Ended as a write that failed: exit 1 and one line saying where and why.
    static void ExpectNotWritten(const Ran& ran, const QString& where, const QString& why) {
        QCOMPARE(ran.status, 1);
        QVERIFY2(ran.err.endsWith(u'\n') && ran.err.count(u'\n') == 1, qPrintable(ran.err));
        QVERIFY2(ran.err.contains(where) && ran.err.contains(why), qPrintable(ran.err));
    }

    // What bash's completion offers for the words, the last being completed.
    static QStringList Completed(const QStringList& words) {
        QProcess bash;
        bash.start(
            QStringLiteral("bash"),
            QStringList{QStringLiteral("-c"),
                        QStringLiteral("source \"$1\"; shift; COMP_WORDS=(\"$@\"); COMP_CWORD=$(($# - 1)); "
                                       "_qorvel_zodiac; echo \"${COMPREPLY[*]}\""),
                        QStringLiteral("bash"), QStringLiteral(SOURCE_DIR "/packaging/qorvel-zodiac.bash-completion")} +
                words);
        bash.waitForFinished(10000);
        QStringList offered =
            QString::fromUtf8(bash.readAllStandardOutput()).simplified().split(u' ', Qt::SkipEmptyParts);
        offered.sort();
        return offered;
    }

    static std::function<void(QProcess&)> InChild(std::function<void()> step) {
        return [step = std::move(step)](QProcess& process) { process.setChildProcessModifier(step); };
    }

private slots:
    void initTestCase() {
        QVERIFY(home_.isValid());
        QDir(home_.path()).mkpath(QStringLiteral("runtime"));
        QFile::setPermissions(home_.filePath(QStringLiteral("runtime")),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // Typed from the new-year table and the profiles as written down, and checked
    // against python3-lunardate for the years beyond the windows' lists.
    void signAnswersForAnyDateInEveryYearStart_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("expected");  // sign, element, Japanese name, kanji, year begins, year ends
        QTest::newRow("Ann") << "1975-03-05"
                             << "lunar" << QStringList{"Rabbit", "Wood", "Usagi", "卯", "1975-02-11", "1976-01-30"};
        QTest::newRow("January, lunar") << "1975-01-15"
                                        << "lunar"
                                        << QStringList{"Tiger", "Wood", "Tora", "寅", "1974-01-23", "1975-02-10"};
        QTest::newRow("January, 1 January")
            << "1975-01-15"
            << "january" << QStringList{"Rabbit", "Wood", "Usagi", "卯", "1975-01-01", "1975-12-31"};
        QTest::newRow("first lunar day") << "1900-01-31"
                                         << "lunar"
                                         << QStringList{"Rat", "Metal", "Nezumi", "子", "1900-01-31", "1901-02-18"};
        QTest::newRow("last lunar day") << "2100-02-08"
                                        << "lunar"
                                        << QStringList{"Sheep", "Earth", "Hitsuji", "未", "2099-01-21", "2100-02-08"};
        QTest::newRow("first calendar day")
            << "1900-01-01"
            << "january" << QStringList{"Rat", "Metal", "Nezumi", "子", "1900-01-01", "1900-12-31"};
        QTest::newRow("last calendar day")
            << "2100-12-31"
            << "january" << QStringList{"Monkey", "Metal", "Saru", "申", "2100-01-01", "2100-12-31"};
        QTest::newRow("after the windows' years")
            << "2024-02-10"
            << "lunar" << QStringList{"Dragon", "Wood", "Tatsu", "辰", "2024-02-10", "2025-01-28"};
        // Risshun fell at 00:34 on 4 February 2017 in Tokyo, 23:34 on the 3rd in Beijing.
        QTest::newRow("the day before risshun in Japan")
            << "2017-02-03"
            << "risshun" << QStringList{"Monkey", "Fire", "Saru", "申", "2016-02-04", "2017-02-03"};
        QTest::newRow("risshun in Japan")
            << "2017-02-04"
            << "risshun" << QStringList{"Rooster", "Fire", "Tori", "酉", "2017-02-04", "2018-02-03"};
    }

    void signAnswersForAnyDateInEveryYearStart() {
        QFETCH(QString, date);
        QFETCH(QString, start);
        QFETCH(QStringList, expected);
        const Ran ran = Run({"sign", "--json", "--year-start=" + start, date});
        QCOMPARE(ran.err, QString());
        QCOMPARE(ran.status, 0);
        const QJsonObject sign = Object(ran.out);
        const QStringList got = {sign["sign"].toString(),         sign["element"].toString(),
                                 sign["japaneseName"].toString(), sign["kanji"].toString(),
                                 sign["yearBegins"].toString(),   sign["yearEnds"].toString()};
        QCOMPARE(got, expected);
        QCOMPARE(sign["date"].toString(), date);
        QCOMPARE(sign["yearStart"].toString(), start);
        // match and report count the year alike.
        const QJsonObject match = Object(Run({"match", "--json", "--year-start=" + start, date, date}).out);
        QCOMPARE(match["first"].toObject(), sign);
        const Ran report = Run({"report", "--name", "Ann", "--year-start=" + start, date, "-o", "-"});
        QVERIFY(QString::fromStdString(ReadRtfText(report.out.toStdString()))
                    .contains(QStringLiteral("\nEnglish Name : %1\n").arg(expected[0])));
    }

    void theJsonHasExactlyItsKeys() {
        const QJsonObject sign = Object(Run({"sign", "--json", "1975-03-05"}).out);
        QCOMPARE(sign.keys(), (QStringList{"date", "element", "elementDescription", "eto", "japaneseName", "kanji",
                                           "kanreki", "profile", "sign", "yearBegins", "yearEnds", "yearStart"}));
        QCOMPARE(sign["eto"].toObject().keys(), (QStringList{"kana", "kanji", "number", "reading"}));
        const QJsonObject profile = sign["profile"].toObject();
        QCOMPARE(profile.keys(),
                 (QStringList{"energy", "famousPersons", "gemStone", "leastCompatibleSign", "luckyColour", "luckyMonth",
                              "luckyNumber", "luckySeasons", "mostCompatibleSign", "negativeTraits", "positiveTraits",
                              "rulingPlanet", "westernZodiacSign"}));
        QCOMPARE(profile["westernZodiacSign"].toString(), QStringLiteral("Pisces"));
        QCOMPARE(profile["luckyNumber"].toString(), QStringLiteral("1, 3, 5, 9, 15, 19 and 35"));
        QCOMPARE(profile["leastCompatibleSign"].toString(), QStringLiteral("Rooster"));
        QVERIFY(profile["positiveTraits"].toString().startsWith(QStringLiteral("You")));
        QVERIFY(sign["elementDescription"].toString().startsWith(QStringLiteral("You")));

        const QJsonObject match = Object(Run({"match", "--json", "1975-03-05", "1990-08-10"}).out);
        QCOMPARE(match.keys(), (QStringList{"first", "number", "percentage", "rating", "second", "text"}));
        QCOMPARE(match["first"].toObject().keys(), sign.keys());
        QCOMPARE(match["second"].toObject()["sign"].toString(), QStringLiteral("Horse"));

        // A time and a zone; under risshun, the moments the year runs between.
        const QJsonObject timed = Object(Run({"sign", "--json", "--year-start=risshun", "2021-02-03T23:00"}).out);
        QCOMPARE(timed.keys(), (QStringList{"date", "element", "elementDescription", "eto", "japaneseName", "kanji",
                                            "kanreki", "profile", "sign", "time", "utcOffset", "yearBegins",
                                            "yearBeginsAt", "yearEnds", "yearEndsAt", "yearStart", "zone"}));
        QCOMPARE(timed["yearEndsAt"].toString().left(16), QStringLiteral("2021-02-03T23:58"));
        // On the day of risshun without a time: its moment and the year before it.
        const QJsonObject day = Object(Run({"sign", "--json", "--year-start=risshun", "2021-02-03"}).out);
        QCOMPARE(day.keys(),
                 (QStringList{"date", "element", "elementDescription", "eto", "japaneseName", "kanji", "kanreki",
                              "profile", "risshun", "sign", "yearBegins", "yearEnds", "yearStart"}));
        QCOMPARE(day["risshun"].toObject().keys(), (QStringList{"at", "before"}));
        QCOMPARE(day["risshun"]["before"].toObject().keys(), (QStringList{"element", "eto", "sign"}));
        QCOMPARE(day["risshun"]["at"].toString().left(16), QStringLiteral("2021-02-03T23:58"));
    }

    // Names and readings typed from the National Astronomical Observatory of
    // Japan's table of the sixty kanshi: twelve years in a row give every stem and
    // every branch; the edges of the cycle and of the year starts give the rest.
    void theEtoOfEachDate_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("start");
        QTest::addColumn<QStringList>("eto");  // kanji, reading, kana, number, kanreki, place
        const char* places[12] = {"1st", "2nd", "3rd", "4th",  "5th",  "6th",
                                  "7th", "8th", "9th", "10th", "11th", "12th"};
        const QStringList cycle[12] = {
            {"甲子", "kinoe-ne", "きのえね"},
            {"乙丑", "kinoto-ushi", "きのとうし"},
            {"丙寅", "hinoe-tora", "ひのえとら"},
            {"丁卯", "hinoto-u", "ひのとう"},
            {"戊辰", "tsuchinoe-tatsu", "つちのえたつ"},
            {"己巳", "tsuchinoto-mi", "つちのとみ"},
            {"庚午", "kanoe-uma", "かのえうま"},
            {"辛未", "kanoto-hitsuji", "かのとひつじ"},
            {"壬申", "mizunoe-saru", "みずのえさる"},
            {"癸酉", "mizunoto-tori", "みずのととり"},
            {"甲戌", "kinoe-inu", "きのえいぬ"},
            {"乙亥", "kinoto-i", "きのとい"},
        };
        for (int i = 0; i < 12; ++i) {
            QTest::newRow(qPrintable(QStringLiteral("%1").arg(1984 + i)))
                << QStringLiteral("%1-06-01").arg(1984 + i) << "january"
                << cycle[i] + QStringList{QString::number(i + 1), QString::number(2044 + i), places[i]};
        }
        QTest::newRow("Ann") << "1975-03-05"
                             << "lunar" << QStringList{"乙卯", "kinoto-u", "きのとう", "52", "2035", "52nd"};
        QTest::newRow("hinoe-uma") << "1966-06-01"
                                   << "lunar" << QStringList{"丙午", "hinoe-uma", "ひのえうま", "43", "2026", "43rd"};
        QTest::newRow("the last of the sixty")
            << "1984-02-01"
            << "lunar" << QStringList{"癸亥", "mizunoto-i", "みずのとい", "60", "2044", "60th"};
        QTest::newRow("the longest reading")
            << "1979-06-01"
            << "january" << QStringList{"己未", "tsuchinoto-hitsuji", "つちのとひつじ", "56", "2039", "56th"};
        QTest::newRow("the day before risshun, 2017")
            << "2017-02-03"
            << "risshun" << QStringList{"丙申", "hinoe-saru", "ひのえさる", "33", "2077", "33rd"};
        QTest::newRow("risshun 2017, in Japan time")
            << "2017-02-04"
            << "risshun" << QStringList{"丁酉", "hinoto-tori", "ひのととり", "34", "2077", "34th"};
        QTest::newRow("the first risshun day")
            << "1900-02-04"
            << "risshun" << QStringList{"庚子", "kanoe-ne", "かのえね", "37", "1960", "37th"};
        QTest::newRow("the last risshun day")
            << "2101-02-03"
            << "risshun" << QStringList{"庚申", "kanoe-saru", "かのえさる", "57", "2161", "57th"};
        // Kanreki is the sixtieth birthday's year, whatever year the eto follows.
        QTest::newRow("kanreki, lunar") << "1975-01-15"
                                        << "lunar"
                                        << QStringList{"甲寅", "kinoe-tora", "きのえとら", "51", "2035", "51st"};
        QTest::newRow("kanreki, 1 January")
            << "1975-01-15"
            << "january" << QStringList{"乙卯", "kinoto-u", "きのとう", "52", "2035", "52nd"};
        QTest::newRow("kanreki, risshun")
            << "1975-01-15"
            << "risshun" << QStringList{"甲寅", "kinoe-tora", "きのえとら", "51", "2035", "51st"};
    }

    void theEtoOfEachDate() {
        QFETCH(QString, date);
        QFETCH(QString, start);
        QFETCH(QStringList, eto);
        const Ran ran = Run({"sign", "--json", "--year-start=" + start, date});
        QCOMPARE(ran.status, 0);
        const QJsonObject sign = Object(ran.out);
        const QJsonObject got = sign["eto"].toObject();
        QCOMPARE((QStringList{got["kanji"].toString(), got["reading"].toString(), got["kana"].toString(),
                              QString::number(got["number"].toInt()), QString::number(sign["kanreki"].toInt())}),
                 eto.mid(0, 5));
        // In text, the lines under the heading.
        const QString text = QString::fromUtf8(Run({"sign", "--year-start=" + start, date}).out);
        QCOMPARE(text.section(u'\n', 1, 2),
                 QStringLiteral("  Eto %1 (%2, %3), %4 of 60\n  Kanreki (60th birthday) in %5")
                     .arg(eto[0], eto[1], eto[2], eto[5], eto[4]));
    }

    // A time of birth, read on the birthplace's clock. Risshun 2017 came at 00:34
    // on 4 February in Tokyo, 23:34 on the 3rd in Beijing; risshun 2021 at 23:59
    // on 3 February in Tokyo by the National Astronomical Observatory of Japan,
    // 09:59 in New York. Japan kept summer time (UTC+10) from May 1949 to 10
    // September, as the time zone database records.
    void aTimeAndAPlaceOfBirth_data() {
        QTest::addColumn<QStringList>("arguments");  // sign's, without --json
        QTest::addColumn<QStringList>("expected");   // key=value of the JSON, a/b for b within a
        QTest::addColumn<QString>("line");           // a line of the text, if any
        QTest::newRow("Beijing, after risshun there")
            << QStringList{"--year-start=risshun", "--zone=Asia/Shanghai", "2017-02-03T23:50"}
            << QStringList{"sign=Rooster", "element=Fire",     "eto/kanji=丁酉",
                           "time=23:50",   "utcOffset=+08:00", "zone=Asia/Shanghai"}
            << "2017-02-03T23:50: Fire Rooster, Tori 酉";
        QTest::newRow("the same clock time in Tokyo, before risshun")
            << QStringList{"--year-start=risshun", "2017-02-03T23:50"}
            << QStringList{"sign=Monkey", "eto/kanji=丙申", "utcOffset=+09:00", "zone=Asia/Tokyo"} << QString();
        QTest::newRow("New York, before risshun")
            << QStringList{"--year-start=risshun", "--zone=America/New_York", "2021-02-03T09:50"}
            << QStringList{"sign=Rat", "element=Metal", "utcOffset=-05:00", "yearEnds=2021-02-03"} << QString();
        QTest::newRow("New York, after risshun")
            << QStringList{"--year-start=risshun", "--zone=America/New_York", "2021-02-03T10:05"}
            << QStringList{"sign=Ox", "element=Metal", "yearBegins=2021-02-03"} << QString();
        QTest::newRow("Tokyo, on the day of risshun 2021")
            << QStringList{"--year-start=risshun", "2021-02-03"}
            << QStringList{"sign=Ox", "risshun/before/sign=Rat", "risshun/before/eto/kanji=庚子"}
            << "  Risshun fell at 23:58 JST this day; born before it: 庚子 Metal Rat";
        QTest::newRow("New York, on the day of risshun 2021")
            << QStringList{"--year-start=risshun", "--zone=America/New_York", "2021-02-03"}
            << QStringList{"sign=Ox", "zone=America/New_York", "yearBegins=2021-02-03"}
            << "  Risshun fell at 09:58 EST this day; born before it: 庚子 Metal Rat";
        QTest::newRow("Japan's summer time")
            << QStringList{"1949-07-01T12:00"} << QStringList{"utcOffset=+10:00", "sign=Ox"} << QString();
        QTest::newRow("Japan's summer time over")
            << QStringList{"--zone=Asia/Tokyo", "1949-09-11T01:00"} << QStringList{"utcOffset=+09:00"} << QString();
        QTest::newRow("a fixed offset") << QStringList{"--zone=UTC-03:30", "2021-02-03T12:00", "--year-start=risshun"}
                                        << QStringList{"sign=Ox", "utcOffset=-03:30", "zone=UTC-03:30"} << QString();
        // The lunar new year and 1 January are days: the time changes nothing.
        QTest::newRow("lunar, by the day on the clock") << QStringList{"--zone=America/Los_Angeles", "2021-02-11T23:59"}
                                                        << QStringList{"sign=Rat", "yearEnds=2021-02-11"} << QString();
        QTest::newRow("1 January, by the day on the clock")
            << QStringList{"--year-start=january", "--zone=Pacific/Kiritimati", "2021-01-01T00:00"}
            << QStringList{"sign=Ox", "utcOffset=+14:00"} << QString();
    }

    void aTimeAndAPlaceOfBirth() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, expected);
        QFETCH(QString, line);
        const Ran ran = Run(QStringList{"sign", "--json"} + arguments);
        QCOMPARE(ran.err, QString());
        const QJsonObject sign = Object(ran.out);
        for (const QString& pair : expected) {
            const QStringList path = pair.section(u'=', 0, 0).split(u'/');
            QJsonValue value = sign;
            for (const QString& key : path) value = value.toObject()[key];
            QCOMPARE(value.isDouble() ? QString::number(value.toInt()) : value.toString(), pair.section(u'=', 1));
        }
        // match tells the same of the first.
        const QStringList dates = arguments.filter(QRegularExpression(QStringLiteral("^[0-9]")));
        QStringList options = arguments;
        options.removeAll(dates.first());
        const QJsonObject match = Object(Run(QStringList{"match", "--json"} + options + dates + dates).out);
        QCOMPARE(match["first"].toObject(), sign);
        // The report names the sign the moment gives, and the day as the windows write it.
        const QString report = QString::fromStdString(
            ReadRtfText(Run(QStringList{"report", "--name", "Ann", "-o", "-"} + arguments).out.toStdString()));
        QVERIFY2(report.contains(QStringLiteral("\nEnglish Name : %1\n").arg(sign["sign"].toString())),
                 qPrintable(report));
        if (!line.isEmpty()) {
            const QStringList text = QString::fromUtf8(Run(QStringList{"sign"} + arguments).out).split(u'\n');
            QVERIFY2(text.contains(line), qPrintable(text.join(u'\n')));
        }
    }

    void matchGivesThePairsNumberRatingAndText_data() {
        QTest::addColumn<QStringList>("dates");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("rating");
        QTest::newRow("Rabbit with Horse") << QStringList{"1975-03-05", "1990-08-10"} << 5 << "A Difficult Match";
        QTest::newRow("Dog with Dragon") << QStringList{"1982-06-01", "1988-06-01"} << 2 << "A Poor Match";
        QTest::newRow("Rat with Dragon") << QStringList{"1984-06-01", "1988-06-01"} << 10 << "A Perfect Match";
    }

    void matchGivesThePairsNumberRatingAndText() {
        QFETCH(QStringList, dates);
        QFETCH(int, number);
        QFETCH(QString, rating);
        const QJsonObject match = Object(Run(QStringList{"match", "--json"} + dates).out);
        QCOMPARE(match["number"].toInt(), number);
        QCOMPARE(match["percentage"].toString(), QStringLiteral("%1%").arg(number * 10));
        QCOMPARE(match["rating"].toString(), rating);
        const QString text = match["text"].toString();
        QVERIFY2(text.contains(QStringLiteral("On the compatibility scale of one to ten, ") +
                               match["first"].toObject()["sign"].toString()),
                 qPrintable(text.right(120)));
        const Ran plain = Run(QStringList{"match"} + dates);
        QVERIFY(
            plain.out.contains(QStringLiteral("Compatibility %1 of 10 (%2%)").arg(number).arg(number * 10).toUtf8()));
    }

    void theTextFormFitsEightyColumns() {
        for (const QString& command : {QStringLiteral("sign"), QStringLiteral("match")}) {
            const Ran ran = Run({command, QStringLiteral("1975-03-05"), QStringLiteral("1990-08-10")});
            QCOMPARE(ran.status, 0);
            for (const QByteArray& line : ran.out.split('\n')) {
                const QString text = QString::fromUtf8(line);
                int columns = 0;
                for (const QChar c : text) columns += c.unicode() >= 0x2E80 ? 2 : 1;  // CJK takes two
                QVERIFY2(columns <= 80, qPrintable(text));
            }
            QVERIFY(ran.out.contains("Rabbit") && ran.out.contains("Horse"));
        }
    }

    void manyDatesFromStandardInput() {
        // Two days of one zodiac year, and a Rabbit of another year and element.
        const Ran ran =
            Run({"sign", "--json", "-"}, "1975-03-05\n\n2024-02-10\r\n1900-01-31\n  1975-03-06 \n1987-03-05\n");
        QCOMPARE(ran.status, 0);
        const QList<QByteArray> lines = ran.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 5);
        QCOMPARE(Object(lines[1])["sign"].toString(), QStringLiteral("Dragon"));
        const QStringList expected[] = {{"1975-03-05", "Wood", "1975-02-11"},
                                        {"1975-03-06", "Wood", "1975-02-11"},
                                        {"1987-03-05", "Fire", "1987-01-29"}};
        for (int i = 0; i < 3; ++i) {
            const QJsonObject sign = Object(lines[i == 0 ? 0 : i + 2]);
            QCOMPARE((QStringList{sign["date"].toString(), sign["element"].toString(), sign["yearBegins"].toString()}),
                     expected[i]);
            QCOMPARE(sign["sign"].toString(), QStringLiteral("Rabbit"));
        }
        const Ran text = Run({"sign", "-", "1987-03-05"}, "1975-03-05\n1975-03-06\n");
        QCOMPARE(text.out.count("Wood Rabbit"), 2);
        QVERIFY(text.out.contains("\n\n1975-03-06: Wood Rabbit") && text.out.contains("\n\n1987-03-05: Fire Rabbit"));
        const Ran bad = Run({"sign", "--json", "-"}, "1975-03-05\n2001-02-29\n");
        QCOMPARE(bad.status, 2);
        QVERIFY(bad.out.isEmpty());
        QVERIFY2(bad.err.contains(QStringLiteral("2001-02-29")), qPrintable(bad.err));
    }

    void badInputSaysWhatAndWritesNothing_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("named");  // what the message must name
        QTest::newRow("no such day") << QStringList{"sign", "2001-02-29"} << "2001-02-29";
        QTest::newRow("malformed") << QStringList{"sign", "1975-3-5"} << "YYYY-MM-DD";
        QTest::newRow("a letter for a digit") << QStringList{"sign", "1975-O3-05"} << "YYYY-MM-DD";
        QTest::newRow("before the lunar years") << QStringList{"sign", "1900-01-30"} << "1900-01-31";
        QTest::newRow("after the lunar years") << QStringList{"sign", "2100-02-09"} << "2100-02-08";
        QTest::newRow("before the calendar years")
            << QStringList{"sign", "--year-start=january", "1899-12-31"} << "1900-01-01";
        QTest::newRow("unknown year start") << QStringList{"sign", "--year-start=solar", "1975-03-05"} << "solar";
        QTest::newRow("unknown option") << QStringList{"sign", "--colour", "1975-03-05"} << "colour";
        QTest::newRow("no date") << QStringList{"sign"} << "DATE";
        QTest::newRow("one date to match") << QStringList{"match", "1975-03-05"} << "two dates";
        QTest::newRow("three dates to match")
            << QStringList{"match", "1975-03-05", "1975-03-06", "1975-03-07"} << "two dates";
        QTest::newRow("report without a name") << QStringList{"report", "1975-03-05", "-o", "-"} << "--name";
        QTest::newRow("report without -o") << QStringList{"report", "--name", "Ann", "1975-03-05"} << "-o";
        QTest::newRow("report of two dates")
            << QStringList{"report", "--name", "Ann", "1975-03-05", "1976-03-05", "-o", "-"} << "one date";
        QTest::newRow("not a command") << QStringList{"sing", "1975-03-05"} << "sing";
        QTest::newRow("an option before the command")
            << QStringList{"--json", "sign", "1975-03-05"} << "after the command";
        QTest::newRow("standard input to match") << QStringList{"match", "-", "1975-03-05"} << "standard input";
        QTest::newRow("json for a report")
            << QStringList{"report", "--json", "--name", "Ann", "1975-03-05", "-o", "-"} << "json";
        // Stray options, which Qt would once have taken for its own and aborted on.
        QTest::newRow("a misspelt option") << QStringList{"--versio"} << "unknown option '--versio'";
        QTest::newRow("an unknown option") << QStringList{"--bogus"} << "unknown option '--bogus'";
        QTest::newRow("a capital V") << QStringList{"-V"} << "unknown option '-V'";
        QTest::newRow("a lone dash") << QStringList{"-"} << "'-' is not a command";
        QTest::newRow("a double dash") << QStringList{"--"} << "unknown option '--'";
        QTest::newRow("one dash for --json before the command")
            << QStringList{"-json", "sign", "1975-03-05"} << "after the command";
        QTest::newRow("Qt's option without its value") << QStringList{"-platform"} << "needs a value";
        QTest::newRow("a command after Qt's options")
            << QStringList{"-platform", "offscreen", "sing", "1975-03-05"} << "'sing' is not a command";
        // Input that a message must not repeat as it came.
        QTest::newRow("escape codes in a date")
            << QStringList{"sign", "\x1b[2J\x1b]0;owned\x07"} << "\\e[2J\\e]0;owned\\x07";
        QTest::newRow("a date of 100,000 digits") << QStringList{"sign", QString(100000, u'9')} << "9999…";
        QTest::newRow("a time the clocks sprang over")
            << QStringList{"sign", "--zone=America/New_York", "2021-03-14T02:30"} << "2021-03-14T02:30 never showed";
        QTest::newRow("a time the clocks showed twice")
            << QStringList{"sign", "--zone=America/New_York", "2021-11-07T01:30"} << "at UTC-04:00 and at UTC-05:00";
        QTest::newRow("an unknown zone") << QStringList{"sign", "--zone=Mars/Olympus", "2021-01-01"}
                                         << "unknown zone 'Mars/Olympus'";
        QTest::newRow("a zone outside the database")
            << QStringList{"sign", "--zone=../../../etc/passwd", "2021-01-01"} << "unknown zone";
        QTest::newRow("the 24th hour") << QStringList{"sign", "2021-01-01T24:00"} << "HH:MM";
        QTest::newRow("a time of one digit") << QStringList{"sign", "2021-01-01T7:5"} << "HH:MM";
        QTest::newRow("seconds") << QStringList{"sign", "2021-01-01T07:05:00"} << "HH:MM";
        QTest::newRow("before the first risshun's moment")
            << QStringList{"sign", "--year-start=risshun", "1900-02-04T14:00"} << "1900-02-04 14:51 JST";
        QTest::newRow("a name of blanks")
            << QStringList{"report", "--name", "    ", "1975-03-05", "-o", "-"} << "the name is empty";
        QTest::newRow("a newline in a name")
            << QStringList{"report", "--name", "Ann\nDate of Birth: 1 April", "1975-03-05", "-o", "-"} << "(\\n)";
    }

    void badInputSaysWhatAndWritesNothing() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        ExpectBadInput(Run(arguments), named);
    }

    // Standard input that cannot be read, or holds what is no date.
    void datesFromStandardInputThatCannotBeTaken_data() {
        QTest::addColumn<QString>("source");  // a pipe, a folder or nothing at all
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("named");
        QTest::newRow("a folder") << "folder" << QByteArray() << "Is a directory";
        QTest::newRow("closed") << "closed" << QByteArray() << "standard input: it is closed";
        QTest::newRow("a bad third line")
            << "pipe" << QByteArray("1975-03-05\n\n1975-02-30\n1976-01-01\n") << "standard input, line 3: 1975-02-30";
        QTest::newRow("escape codes") << "pipe" << QByteArray("\x1b[31m1975-03-05\n") << "'\\e[31m1975-03-05'";
        QTest::newRow("a line of a megabyte") << "pipe" << QByteArray(1 << 20, '7') + "\n"
                                              << "line 1: '7777";
    }

    void datesFromStandardInputThatCannotBeTaken() {
        QFETCH(QString, source);
        QFETCH(QByteArray, input);
        QFETCH(QString, named);
        const Ran ran = Run({"sign", "-"}, input, [&](QProcess& process) {
            if (source == u"folder") process.setStandardInputFile(home_.path());
            if (source == u"closed") process.setChildProcessModifier([] { close(STDIN_FILENO); });
        });
        ExpectBadInput(ran, named);
    }

    // Standard output that takes nothing: a full device, or none at all.
    void unwritableOutputEndsInOneLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("closed");
        const QList<QStringList> commands = {{"sign", "1975-03-05"},
                                             {"sign", "--json", "1975-03-05"},
                                             {"match", "1975-03-05", "1990-08-10"},
                                             {"report", "--name", "Ann", "1975-03-05", "-o", "-"},
                                             {"--help"},
                                             {"--version"}};
        for (const QStringList& command : commands) {
            QTest::newRow(qPrintable(command.join(u' ') + " > /dev/full")) << command << false;
            QTest::newRow(qPrintable(command.join(u' ') + " >&-")) << command << true;
        }
    }

    void unwritableOutputEndsInOneLine() {
        QFETCH(QStringList, arguments);
        QFETCH(bool, closed);
        const Ran ran = Run(arguments, {}, [&](QProcess& process) {
            if (closed) {
                process.setChildProcessModifier([] { close(STDOUT_FILENO); });
            } else {
                process.setStandardOutputFile(QStringLiteral("/dev/full"));
            }
        });
        ExpectNotWritten(ran, QStringLiteral("qorvel-zodiac: cannot write to standard output"),
                         closed ? QStringLiteral("closed") : QStringLiteral("No space left on device"));
    }

    // A reader that has read enough, as head does, ends the run at once: by
    // SIGPIPE and without a word, even when started with SIGPIPE ignored.
    void aReaderThatLeavesEndsTheRunQuietly() {
        QFile dates(home_.filePath(QStringLiteral("dates.txt")));
        QVERIFY(dates.open(QIODevice::WriteOnly));
        for (int i = 0; i < 200000; ++i) dates.write("1975-03-05\n");
        dates.close();
        QProcess zodiac, head;
        zodiac.setProcessEnvironment(Environment());
        zodiac.setStandardInputFile(dates.fileName());
        zodiac.setChildProcessModifier([] { std::signal(SIGPIPE, SIG_IGN); });
        zodiac.setStandardOutputProcess(&head);
        zodiac.start(QStringLiteral(PROGRAM), {"sign", "-"});
        head.start(QStringLiteral("head"), {QStringLiteral("-n"), QStringLiteral("1")});
        QVERIFY(head.waitForFinished(20000));
        QCOMPARE(head.readAllStandardOutput(), QByteArray("1975-03-05: Wood Rabbit, Usagi 卯\n"));
        QVERIFY(zodiac.waitForFinished(20000));
        QCOMPARE(zodiac.exitStatus(), QProcess::CrashExit);
        QCOMPARE(zodiac.readAllStandardError(), QByteArray());
    }

    // The manual page, bash's completion and the README name every command,
    // option and year start of the command line's own table, so none can drift.
    void theDocumentationNamesWhatTheCommandLineKnows() {
        const QString man = QString::fromUtf8(ReadFile(QStringLiteral(SOURCE_DIR "/packaging/qorvel-zodiac.1.in")))
                                .replace(QStringLiteral("\\-"), QStringLiteral("-"));
        const QString readme = QString::fromUtf8(ReadFile(QStringLiteral(SOURCE_DIR "/README.md")));
        QStringList missing;
        const auto expect = [&](const char* where, const QString& text, const QString& words) {
            if (!text.contains(words)) missing << QStringLiteral("%1 lacks %2").arg(QLatin1String(where), words);
        };
        QStringList commands{"--help", "--version"}, starts;
        for (const CommandInfo& command : Commands()) {
            const QString name = ToQString(command.name);
            commands << name;
            expect("the manual page", man, QStringLiteral(".B ") + name + u'\n');
            expect("the README", readme, QStringLiteral("qorvel-zodiac ") + name);
            QStringList options{"--help"};
            for (const OptionUse& use : command.options) {
                const OptionInfo& option = InfoOf(use.option);
                // An option whose values bash can list waits for one after its "=".
                const bool listed = option.value == "START" || option.value == "ZONE";
                options << QStringLiteral("--") + ToQString(option.longName) + (listed ? "=" : "");
                if (!option.shortName.empty()) options << QStringLiteral("-") + ToQString(option.shortName);
            }
            options.sort();
            QCOMPARE(Completed({"qorvel-zodiac", name, "-"}), options);
        }
        for (const OptionInfo& option : Options()) {
            for (const QString& name :
                 {QStringLiteral("--") + ToQString(option.longName),
                  option.shortName.empty() ? QString() : QStringLiteral("-") + ToQString(option.shortName)}) {
                if (name.isEmpty()) continue;
                expect("the manual page", man, name);
                expect("the README", readme, name);
            }
        }
        for (const YearStartInfo& start : YearStarts()) {
            const QString name = ToQString(start.name);
            starts << name;
            expect("the manual page", man, QStringLiteral(".TP\n.B ") + name + u'\n');
            expect("the README", readme, QLatin1Char('`') + name + QLatin1Char('`'));
            expect("the README", readme, QStringLiteral("--year-start=") + name);
        }
        commands.sort();
        starts.sort();
        QCOMPARE(Completed({"qorvel-zodiac", ""}), commands);
        QCOMPARE(Completed({"qorvel-zodiac", "sign", "--year-start", "="}), starts);
        QCOMPARE(Completed({"qorvel-zodiac", "match", "--zone", "=", "America/New_Yo"}),
                 QStringList{"America/New_York"});
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u'\n')));
    }

    void helpAndVersion() {
        const Ran help = Run({"--help"});
        QCOMPARE(help.status, 0);
        QVERIFY(help.out.startsWith("Usage: qorvel-zodiac"));
        for (const char* command : {"sign", "match", "report"}) {
            const Ran own = Run({QLatin1String(command), QStringLiteral("--help")});
            QCOMPARE(own.status, 0);
            QVERIFY(own.out.startsWith(QByteArray("Usage: qorvel-zodiac ") + command));
        }
        QCOMPARE(Run({"--version"}).out, QByteArray("qorvel-zodiac 1.15\n"));
    }

    // The report the windows' Save writes for Ann, and the command line's, byte
    // for byte, in every month, whose names are typed here: a misspelling on
    // either road shows.
    void theReportIsTheWindowsSavedFileByteForByte_data() {
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("name");
        const char* names[12] = {"January", "February", "March",     "April",   "May",      "June",
                                 "July",    "August",   "September", "October", "November", "December"};
        for (int m = 1; m <= 12; ++m) QTest::newRow(names[m - 1]) << m << QString::fromLatin1(names[m - 1]);
    }

    void theReportIsTheWindowsSavedFileByteForByte() {
        QFETCH(int, month);
        QFETCH(QString, name);
        const QString windowsFile = home_.filePath(QStringLiteral("windows-%1.rtf").arg(month));
        Program program;
        program.app.SetReportOpener(OpenReportWindow);
        program.Run(QStringLiteral("  Ann  "), 5, month, 1975);
        QCOMPARE(program.main()->cboMaleMonth->currentText(), name);
        program.platform.saveAnswers = {windowsFile};
        QTimer::singleShot(0, [] {
            if (auto* report = qobject_cast<ReportWindow*>(QApplication::activeModalWidget())) {
                report->cmdSave->click();
                report->reject();
            }
        });
        program.app.loadedResultWindow()->cmdPrint->click();
        const QByteArray expected = ReadFile(windowsFile);
        QVERIFY(QString::fromStdString(ReadRtfText(expected.toStdString()))
                    .startsWith(QStringLiteral("Name: Ann\n\nDate of Birth: 5 %1 1975\n").arg(name)));

        const QString date = QStringLiteral("1975-%1-05").arg(month, 2, 10, QLatin1Char('0'));
        const Ran toStdout = Run({"report", "--name", "  Ann  ", date, "-o", "-"});
        QCOMPARE(toStdout.status, 0);
        QCOMPARE(toStdout.out, expected);
        if (month != 3) return;
        const QString cliFile = home_.filePath(QStringLiteral("cli.rtf"));
        QCOMPARE(Run({"report", "--name", "  Ann  ", date, "-o", cliFile}).status, 0);
        QCOMPARE(ReadFile(cliFile), expected);
    }

    // A report that cannot be written whole leaves the old file as it was, and
    // no part-written copy beside it; bad input writes nothing either.
    void aReportThatCannotBeWrittenLeavesTheOldFile_data() { AddWriteObstacleRows(); }

    void aReportThatCannotBeWrittenLeavesTheOldFile() {
        QFETCH(QString, obstacle);
        QFETCH(QString, reason);
        const WriteObstacle at(home_.filePath(obstacle), obstacle);
        if (!at.possible()) QSKIP("only root may mount the full disk");
        const Ran failed =
            Run({"report", "--name", "Ann", "1975-03-05", "-o", at.target}, {}, InChild([limited = at.limitsFileSize] {
                    if (limited) LimitFileSize(1000);
                }));
        ExpectNotWritten(failed, QStringLiteral("cannot write the report to ") + at.target, reason);
        QCOMPARE(Run({"report", "--name", "Ann", "2001-02-29", "-o", at.old}).status, 2);
        QCOMPARE(ReadFile(at.old), QByteArray(WriteObstacle::kOldContent));
        QCOMPARE(QDir(at.folder).entryList(QDir::Files), at.filesLeft());
    }

    void aGoodReportReplacesTheOldFileWhole() {
        const QString existing = home_.filePath(QStringLiteral("replaced.rtf"));
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(100000, 'x'));
        file.close();
        QCOMPARE(Run({"report", "--name", "Ann", "1975-03-05", "-o", existing}).status, 0);
        const QByteArray written = ReadFile(existing);
        QVERIFY(written.startsWith("{\\rtf1") && written.endsWith("}\n") && !written.contains("xxx"));
    }

    // What is not a regular file is written into, never replaced: a FIFO stays a
    // FIFO with its reader served, /dev/stdout is the pipe it leads to.
    void aReportGoesStraightIntoWhatIsNotARegularFile() {
        const QByteArray report = Run({"report", "--name", "Ann", "1975-03-05", "-o", "-"}).out;
        QVERIFY(report.startsWith("{\\rtf1"));
        QCOMPARE(Run({"report", "--name", "Ann", "1975-03-05", "-o", "/dev/stdout"}).out, report);

        const QString fifo = home_.filePath(QStringLiteral("fifo"));
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QProcess reader;
        reader.start(QStringLiteral("cat"), {fifo});
        QVERIFY(reader.waitForStarted());
        QCOMPARE(Run({"report", "--name", "Ann", "1975-03-05", "-o", fifo}).status, 0);
        QVERIFY(reader.waitForFinished(10000));
        QCOMPARE(reader.readAllStandardOutput(), report);
        struct stat status {};
        QVERIFY(stat(QFile::encodeName(fifo).constData(), &status) == 0 && S_ISFIFO(status.st_mode));
    }

    // A window of the program is running; the command line neither waits for it
    // nor is refused, and never writes the windows' settings.
    void independentOfTheWindows() {
        QProcess windows;
        QProcessEnvironment environment = Environment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        windows.setProcessEnvironment(environment);
        windows.start(QStringLiteral(PROGRAM), {});
        QVERIFY(windows.waitForStarted(5000));
        QTRY_VERIFY_WITH_TIMEOUT(!QDir(home_.filePath(QStringLiteral("runtime"))).entryList({"*.lock"}).isEmpty(),
                                 10000);
        const QString settings = home_.filePath(QStringLiteral("config/qorvel-zodiac/qorvel-zodiac.ini"));
        QTRY_VERIFY(QFile::exists(settings));  // the windows' first start notes its day
        QFile::remove(settings);
        const Ran ran = Run({"sign", "1975-03-05"});
        QCOMPARE(ran.status, 0);
        QVERIFY(ran.out.startsWith("1975-03-05: Wood Rabbit"));
        QVERIFY(!QFile::exists(settings));
        windows.kill();
        windows.waitForFinished(5000);
    }

    // With no display, the windows say how to go on in one line; a command after
    // Qt's options runs, needing none.
    void withoutADisplayTheWindowsSayHowToGoOn() {
        for (const QStringList& arguments : {QStringList{}, QStringList{"-style", "fusion", "-reverse"}}) {
            const Ran ran = Run(arguments);
            QCOMPARE(ran.status, 1);
            QVERIFY2(ran.err.count(u'\n') == 1 && ran.err.contains(QStringLiteral("DISPLAY or WAYLAND_DISPLAY")),
                     qPrintable(ran.err));
            QVERIFY(ran.out.isEmpty());
        }
        const Ran ran = Run({"-platform", "offscreen", "sign", "1975-03-05"});
        QCOMPARE(ran.status, 0);
        QVERIFY(ran.out.startsWith("1975-03-05: Wood Rabbit"));
    }

    // Qt's own options still reach the windows, and no command is taken for one.
    // At a scale of 2, where the twice-size pictures are read, start-up still
    // loads no image plugin: the pictures go through Qt's own PNG reader.
    void qtOptionsStartTheWindows() {
        QProcess windows;
        QProcessEnvironment environment = Environment();
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("2"));
        environment.insert(QStringLiteral("QT_DEBUG_PLUGINS"), QStringLiteral("1"));
        windows.setProcessEnvironment(environment);
        windows.start(QStringLiteral(PROGRAM), {QStringLiteral("-platform"), QStringLiteral("offscreen")});
        QVERIFY(windows.waitForStarted(5000));
        QVERIFY(!windows.waitForFinished(1500));  // the windows wait for a person
        QCOMPARE(windows.readAllStandardOutput(), QByteArray());
        windows.kill();
        windows.waitForFinished(5000);
        const QString plugins = QString::fromUtf8(windows.readAllStandardError());
        QVERIFY2(plugins.contains(QStringLiteral("loaded library")), "QT_DEBUG_PLUGINS says what it loads");
        QVERIFY2(!plugins.contains(QRegularExpression(QStringLiteral("imageformats/[^\"]*\" loaded library"))),
                 qPrintable(plugins.right(500)));
    }
};

}  // namespace

QTEST_MAIN(CommandLineTest)
#include "command_line_test.moc"
