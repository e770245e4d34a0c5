// The command line as a user runs it: the real executable, with no display.
#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <csignal>
#include <functional>
#include <vector>

#include "cli/commands.h"
#include "core/reading.h"
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
            const std::function<void(QProcess&)>& prepare = {}, const QString& program = PROGRAM) const {
        QProcess process;
        process.setProcessEnvironment(Environment());
        if (prepare) prepare(process);
        process.start(program, arguments);
        process.write(input);
        process.closeWriteChannel();
        if (!process.waitForFinished(20000)) return {-1, {}, QStringLiteral("did not finish")};
        return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -2, process.readAllStandardOutput(),
                QString::fromUtf8(process.readAllStandardError())};
    }

    static QJsonObject Object(const QByteArray& line) { return QJsonDocument::fromJson(line).object(); }

    // The columns a line takes in a terminal: CJK and kana take two.
    static int Columns(const QString& text) {
        int columns = 0;
        for (const QChar c : text) columns += c.unicode() >= 0x2E80 ? 2 : 1;
        return columns;
    }

    // Whether every object in the JSON `bytes`, read as written, has its keys in
    // order: QJsonDocument would put them in order while reading.
    static bool KeysInOrderAsWritten(const QByteArray& bytes) {
        std::vector<QByteArray> lastKey;  // of each object open around the place read
        std::vector<bool> inObject;       // whether each open bracket is an object's
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const char c = bytes[i];
            if (c == '{' || c == '[') {
                inObject.push_back(c == '{');
                lastKey.emplace_back();
            } else if (c == '}' || c == ']') {
                inObject.pop_back();
                lastKey.pop_back();
            } else if (c == '"') {
                const qsizetype start = ++i;
                while (bytes[i] != '"') i += bytes[i] == '\\' ? 2 : 1;
                const QByteArray text = bytes.mid(start, i - start);
                if (!inObject.empty() && inObject.back() && i + 1 < bytes.size() && bytes[i + 1] == ':') {
                    if (!lastKey.back().isEmpty() && !(lastKey.back() < text)) return false;
                    lastKey.back() = text;
                }
            }
        }
        return true;
    }

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

    // Whether `user` may run the program: a build under /root is out of nobody's reach.
    static bool RunnableBy(const passwd& user) {
        const pid_t child = fork();
        if (child == 0) {
            const bool became = setgroups(0, nullptr) == 0 && setgid(user.pw_gid) == 0 && setuid(user.pw_uid) == 0;
            _exit(became && access(PROGRAM, X_OK) == 0 ? 0 : 1);
        }
        int status = 0;
        return child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

    static std::function<void(QProcess&)> InChild(std::function<void()> step) {
        return [step = std::move(step)](QProcess& process) { process.setChildProcessModifier(step); };
    }

    // sign's JSON for the arguments holds each key=value of `expected` (a/b for b
    // within a); match tells the same of the first; the report names its sign;
    // and the text, if `line` is given, holds it as a line.
    void CheckSign(const QStringList& arguments, const QStringList& expected, const QString& line) {
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
        QCOMPARE(sign.keys(), (QStringList{"almanac", "date", "element", "elementDescription", "eto", "japaneseName",
                                           "kanji", "kanreki", "kyureki", "profile", "rokuyo", "sign", "wareki",
                                           "yakudoshi", "yearBegins", "yearEnds", "yearStart"}));
        QCOMPARE(sign["kyureki"].toObject().keys(), (QStringList{"day", "kanji", "leap", "month"}));
        QCOMPARE(sign["rokuyo"].toObject().keys(), (QStringList{"kana", "kanji", "reading"}));
        QCOMPARE(sign["wareki"].toObject().keys(), (QStringList{"era", "eraReading", "kanji", "year"}));
        QCOMPARE(sign["yakudoshi"].toObject().keys(), (QStringList{"men", "menAfter", "menBefore", "menGreat", "women",
                                                                   "womenAfter", "womenBefore", "womenGreat"}));
        const QJsonObject almanac = sign["almanac"].toObject();
        QCOMPARE(almanac.keys(), (QStringList{"dayEto", "monthEto", "monthStar", "yearStar"}));
        QCOMPARE(almanac["dayEto"].toObject().keys(), (QStringList{"kana", "kanji", "number", "reading"}));
        QCOMPARE(almanac["monthEto"].toObject().keys(), (QStringList{"kana", "kanji", "number", "reading"}));
        QCOMPARE(almanac["yearStar"].toObject().keys(), (QStringList{"element", "kana", "kanji", "number", "reading"}));
        QCOMPARE(almanac["monthStar"].toObject().keys(),
                 (QStringList{"element", "kana", "kanji", "number", "reading"}));
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
        QCOMPARE(timed.keys(), (QStringList{"almanac",    "date",       "element",      "elementDescription",
                                            "eto",        "hourEto",    "japaneseName", "kanji",
                                            "kanreki",    "kyureki",    "profile",      "rokuyo",
                                            "sign",       "time",       "utcOffset",    "wareki",
                                            "yakudoshi",  "yearBegins", "yearBeginsAt", "yearEnds",
                                            "yearEndsAt", "yearStart",  "zone"}));
        QCOMPARE(timed["hourEto"].toObject().keys(), (QStringList{"kana", "kanji", "number", "reading"}));
        QCOMPARE(timed["yearEndsAt"].toString().left(16), QStringLiteral("2021-02-03T23:58"));
        // On the day of risshun without a time: its moment and the year before it.
        const QJsonObject day = Object(Run({"sign", "--json", "--year-start=risshun", "2021-02-03"}).out);
        QCOMPARE(day.keys(), (QStringList{"almanac", "date", "element", "elementDescription", "eto", "japaneseName",
                                          "kanji", "kanreki", "kyureki", "profile", "risshun", "rokuyo", "sign",
                                          "wareki", "yakudoshi", "yearBegins", "yearEnds", "yearStart"}));
        // And the almanac's setsu, risshun beginning the tora month.
        const QJsonObject setsu = day["almanac"]["setsu"].toObject();
        QCOMPARE(setsu.keys(), (QStringList{"at", "before", "name"}));
        QCOMPARE(setsu["before"].toObject().keys(), (QStringList{"monthEto", "monthStar", "yearStar"}));
        QCOMPARE(day["risshun"].toObject().keys(), (QStringList{"at", "before"}));
        QCOMPARE(day["risshun"]["before"].toObject().keys(), (QStringList{"element", "eto", "sign"}));
        QCOMPARE(day["risshun"]["at"].toString().left(16), QStringLiteral("2021-02-03T23:58"));

        // The keys stand in order in the bytes themselves, of every command and
        // of dates read from standard input.
        const QList<Ran> written = {
            Run({"sign", "--json", "--year-start=risshun", "--zone=America/New_York", "2021-02-03",
                 "2021-02-03T23:00"}),
            Run({"sign", "--json", "--year-start=january", "-"}, "1900-01-01\n1984-02-04T10:00\n"),
            Run({"match", "--json", "--year-start=risshun", "2021-02-03", "1975-03-05T12:00"})};
        for (const Ran& ran : written) {
            QCOMPARE(ran.status, 0);
            QVERIFY2(KeysInOrderAsWritten(ran.out), ran.out.constData());
        }
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
        CheckSign(arguments, expected, line);
    }

    // The almanac of a birth, typed from the worked examples of the eto of month
    // and day (noon on 5 March 1975 in Tokyo: month 戊寅, keichitsu coming on the
    // 6th; 1 January 1900 甲戌, 1 January 2000 戊午) and from the published nine
    // stars: the year's star from 二黒 in 2016 down to 三碧 in 2024, and the
    // month's, the tora month's 八白 in years of 一白, 四緑 and 七赤, 五黄 in
    // years of 三碧, 六白 and 九紫, 二黒 in years of 二黒, 五黄 and 八白, one
    // lower each month after.
    void theAlmanacOfABirth_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<QString>("line");
        QTest::newRow("Ann at noon")
            << QStringList{"1975-03-05T12:00"}
            << QStringList{"almanac/monthEto/kanji=戊寅",     "almanac/monthEto/reading=tsuchinoe-tora",
                           "almanac/dayEto/kanji=庚戌",       "almanac/dayEto/reading=kanoe-inu",
                           "almanac/yearStar/kanji=七赤金星", "almanac/monthStar/kanji=八白土星"}
            << "  Nine stars: year 七赤金星 (shichiseki kinsei), month 八白土星 (happaku dosei)";
        QTest::newRow("the day of keichitsu, 1975")
            << QStringList{"1975-03-06"}
            << QStringList{"almanac/monthEto/kanji=己卯", "almanac/setsu/name=keichitsu",
                           "almanac/setsu/before/monthEto/kanji=戊寅"}
            << "  Month 己卯 (tsuchinoto-u), day 辛亥 (kanoto-i)";
        QTest::newRow("the first day") << QStringList{"--year-start=january", "1900-01-01"}
                                       << QStringList{"almanac/dayEto/kanji=甲戌", "almanac/dayEto/number=11"}
                                       << "  Month 丙子 (hinoe-ne), day 甲戌 (kinoe-inu)";
        QTest::newRow("2000") << QStringList{"2000-01-01"} << QStringList{"almanac/dayEto/kanji=戊午"} << QString();
        // 36,889 days after 2000-01-01: a multiple of sixty and forty-nine days on.
        QTest::newRow("the last day") << QStringList{"--year-start=january", "2100-12-31"}
                                      << QStringList{"almanac/dayEto/kanji=丁未"} << QString();
        // The tora month's stem, from the year's.
        const char* toraByYear[][2] = {{"2024", "丙寅"}, {"2025", "戊寅"}, {"2026", "庚寅"}, {"2027", "壬寅"},
                                       {"2028", "甲寅"}, {"2029", "丙寅"}, {"2030", "戊寅"}, {"2031", "庚寅"},
                                       {"2032", "壬寅"}, {"2033", "甲寅"}};
        for (const auto& [y, tora] : toraByYear) {
            QTest::newRow(qPrintable(QStringLiteral("the tora month of %1").arg(y)))
                << QStringList{QStringLiteral("%1-02-20").arg(y)}
                << QStringList{QStringLiteral("almanac/monthEto/kanji=%1").arg(QString::fromUtf8(tora))} << QString();
        }
        const char* stars[] = {"一白水星", "二黒土星", "三碧木星", "四緑木星", "五黄土星",
                               "六白金星", "七赤金星", "八白土星", "九紫火星"};
        const int yearStars[] = {2, 1, 9, 8, 7, 6, 5, 4, 3};  // 2016 to 2024
        for (int i = 0; i < 9; ++i) {
            QTest::newRow(qPrintable(QStringLiteral("the year's star, %1").arg(2016 + i)))
                << QStringList{QStringLiteral("%1-06-20").arg(2016 + i)}
                << QStringList{QStringLiteral("almanac/yearStar/kanji=%1")
                                   .arg(QString::fromUtf8(stars[yearStars[i] - 1]))}
                << QString();
        }
        // A year of each group, from its tora month to its ushi month.
        for (const auto& [year, tora] : {std::pair{2020, 8}, std::pair{2021, 5}, std::pair{2022, 2}}) {
            for (int month = 0; month < 12; ++month) {
                const int star = ((tora - 1 - month) % 9 + 9) % 9 + 1;
                const int m = (month + 1) % 12 + 1, y = year + (month == 11 ? 1 : 0);
                QTest::newRow(qPrintable(QStringLiteral("the month's star, %1-%2").arg(y).arg(m)))
                    << QStringList{QStringLiteral("%1-%2-20").arg(y).arg(m, 2, 10, QLatin1Char('0'))}
                    << QStringList{QStringLiteral("almanac/monthStar/kanji=%1").arg(QString::fromUtf8(stars[star - 1]))}
                    << QString();
            }
        }
    }

    // The almanac belongs to the solar year: every year start gives the same.
    void theAlmanacOfABirth() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, expected);
        QFETCH(QString, line);
        CheckSign(arguments, expected, line);
        const QString date = arguments.last();
        QList<QJsonObject> almanacs;  // of the year starts that cover the date
        for (const YearStartInfo& start : YearStarts()) {
            const Ran ran = Run({"sign", "--json", "--year-start=" + ToQString(start.name), date});
            if (ran.status == 0) almanacs << Object(ran.out)["almanac"].toObject();
        }
        QVERIFY(!almanacs.isEmpty());
        for (const QJsonObject& almanac : almanacs) QCOMPARE(almanac, almanacs.first());
    }

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
        ExpectBadInput(Run(QStringList{"sign"} + arguments), refused);
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
            return Run(QStringList{"sign"} + options + dates).status == 0;
        };
        const QStringList edges = {"1900-01-01T00:00", "1900-01-01", "2100-12-31T23:59", "2100-12-31"};
        QStringList limits;  // each pair checked once
        for (int i = 0; i < edges.size(); ++i) {
            const Ran ran = Run(QStringList{"sign", "--json"} + options + QStringList{edges[i]});
            if (start == u"january" || (start == u"risshun" && i >= 2)) {
                QCOMPARE(ran.err, QString());
                const QJsonObject sign = Object(ran.out), almanac = sign["almanac"].toObject();
                const QStringList expected =
                    i < 2 ? QStringList{"丙子", "二黒土星", "一白水星"} : QStringList{"戊子", "八白土星", "一白水星"};
                QCOMPARE((QStringList{almanac["monthEto"]["kanji"].toString(), almanac["yearStar"]["kanji"].toString(),
                                      almanac["monthStar"]["kanji"].toString()}),
                         expected);
                continue;
            }
            ExpectBadInput(ran, QStringLiteral("is outside the"));
            const auto named =
                QRegularExpression(QStringLiteral("expected a date from (\\S+) to ([^,( ]+)")).match(ran.err);
            QVERIFY2(named.hasMatch(), qPrintable(ran.err));
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
            QVERIFY2(taken({first, last}), qPrintable(ran.err));
            QVERIFY2(!taken({beside(first, -1)}) && !taken({beside(last, 1)}), qPrintable(ran.err));
        }
        if (start != u"january") return;
        // On the day of the shōkan of 1900, what came before it.
        const Ran day = Run(QStringList{"sign", "--json"} + options + QStringList{shokan});
        QCOMPARE(day.err, QString());
        const QJsonObject sign = Object(day.out);
        const QJsonObject before = sign["almanac"]["setsu"]["before"].toObject();
        QCOMPARE((QStringList{before["monthEto"]["kanji"].toString(), before["yearStar"]["kanji"].toString(),
                              before["monthStar"]["kanji"].toString()}),
                 (QStringList{"丙子", "二黒土星", "一白水星"}));
        const QString text = QString::fromUtf8(Run(QStringList{"sign"} + options + QStringList{shokan}).out);
        QVERIFY2(QRegularExpression(QStringLiteral("\n  Shōkan fell at [0-9:]+ \\S+; before it: month 丙子, "
                                                   "stars 二黒 and 一白\n"))
                     .match(text)
                     .hasMatch(),
                 qPrintable(text.left(600)));
    }

    // Dates that cannot be taken, each with a message that says what to give
    // instead: a day the clocks skipped (Samoa's went from 29 to 31 December 2011,
    // as the time zone database records), a zone after the time, a leap second,
    // and on standard input the same, a byte-order mark after its start, and bytes
    // that are not UTF-8, shown as bytes.
    void whatCannotBeTakenSaysWhatToGive_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("named");
        QTest::newRow("a day the clocks skipped") << QStringList{"--zone=Pacific/Apia", "2011-12-30"} << QByteArray()
                                                  << "2011-12-30 never showed on the clocks of Pacific/Apia";
        QTest::newRow("a zone after the time")
            << QStringList{"1975-03-05T12:00Z"} << QByteArray() << "--zone=UTC+00:00 1975-03-05T12:00";
        QTest::newRow("a leap second") << QStringList{"1975-03-05T23:59:60"} << QByteArray()
                                       << "a leap second, and seconds are not taken";
        QTest::newRow("a zone after the time, read") << QStringList{"-"} << QByteArray("1975-03-05T12:00+09:00\n")
                                                     << "line 1: '1975-03-05T12:00+09:00' names a zone";
        QTest::newRow("a byte-order mark on the second line")
            << QStringList{"-"}
            << QByteArray(
                   "  \n\xef\xbb\xbf"
                   "1975-03-06\n")
            << "line 2: '\\u{feff}1975-03-06' holds a byte-order mark (U+FEFF), which only the very start";
        QTest::newRow("bytes that are not UTF-8")
            << QStringList{"-"} << QByteArray("1975-03-0\xe9\n") << "line 1: '1975-03-0\\xe9' is not a date";
    }

    void whatCannotBeTakenSaysWhatToGive() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, input);
        QFETCH(QString, named);
        ExpectBadInput(Run(QStringList{"sign"} + arguments, input), named);
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

    // Paragraphs stand apart by a blank line, in plain line ends, the score
    // sentence always last and on its own; even where the stored text, which the
    // report keeps, runs straight on into it (Sheep with Sheep, Tiger with Rooster).
    void matchParagraphsStandApart_data() {
        QTest::addColumn<QStringList>("dates");
        QTest::newRow("Sheep with Sheep") << QStringList{"1979-06-01", "1991-06-01"};
        QTest::newRow("Tiger with Rooster") << QStringList{"1974-06-01", "1981-06-01"};
        QTest::newRow("Rabbit with Horse") << QStringList{"1975-03-05", "1990-08-10"};
    }

    void matchParagraphsStandApart() {
        QFETCH(QStringList, dates);
        const QString text = Object(Run(QStringList{"match", "--json"} + dates).out)["text"].toString();
        QVERIFY2(!text.contains(u'\r') && !text.contains(QStringLiteral("\n\n\n")), qPrintable(text));
        QVERIFY2(text.section(QStringLiteral("\n\n"), -1).startsWith(QStringLiteral("On the compatibility scale")),
                 qPrintable(text.right(200)));
        const QString plain = QString::fromUtf8(Run(QStringList{"match"} + dates).out);
        QVERIFY2(plain.contains(QStringLiteral("\n\nOn the compatibility scale")), qPrintable(plain.right(300)));
    }

    // Nine years of days hold every star of year and month together, every
    // setsu's day and the longest eto reading (1979, tsuchinoto-hitsuji); a fixed
    // offset gives the longest name of a zone.
    void theTextFormFitsEightyColumns() {
        QByteArray dates;
        using namespace std::chrono;
        for (sys_days day{1975y / 1 / 1}; day < sys_days{1984y / 1 / 1}; day += days{1})
            dates += IsoDate(year_month_day{day}).toLatin1() + '\n';
        // With the hour's eto after the month's and the day's: 13:30 is the 未
        // hour, whose longest reading, 己未 (tsuchinoto-hitsuji), comes every fifth day.
        for (sys_days day{1979y / 7 / 8}; day < sys_days{1979y / 8 / 8}; day += days{1})
            dates += IsoDate(year_month_day{day}).toLatin1() + "T13:30\n";
        for (const QString& command : {QStringLiteral("sign"), QStringLiteral("match")}) {
            const Ran ran = command == u"sign"
                                ? Run({command, "--zone=UTC-03:30", "--year-start=risshun", "-"}, dates)
                                : Run({command, QStringLiteral("1975-03-05"), QStringLiteral("1990-08-10")});
            QCOMPARE(ran.status, 0);
            for (const QByteArray& line : ran.out.split('\n')) {
                const QString text = QString::fromUtf8(line);
                QVERIFY2(Columns(text) <= 80, qPrintable(text));
            }
            QVERIFY(ran.out.contains("Rabbit") && ran.out.contains("Horse"));
        }
    }

    // sign makes what dates share once: each answer in a stream must be the
    // one the date gets asked alone, text and JSON, and match's first reading
    // the same. The dates share years, months, kyūreki days and hours, and
    // cross an era, a leap month, risshun and setsu days and 23:00.
    void eachAnswerInAStreamIsTheDatesAlone() {
        const QStringList dates = {"1989-01-07",       "1989-01-08T23:30", "1989-01-08",       "2033-12-21",
                                   "2033-12-22T00:10", "2034-01-20",       "2021-02-03",       "2021-02-03T23:59",
                                   "2021-02-04T00:00", "1975-03-06",       "1975-03-05T12:00", "1975-03-06T22:59",
                                   "1975-03-06T23:00", "2019-04-30",       "2019-05-01",       "1912-07-30"};
        for (const QString& form : {QStringLiteral("--json"), QStringLiteral("--year-start=risshun")}) {
            const QStringList options = {"sign", form, "--zone=America/New_York", "--year-start=risshun"};
            const Ran stream = Run(options + QStringList{"-"}, dates.join(u'\n').toUtf8() + '\n');
            QCOMPARE(stream.status, 0);
            QByteArray alone;
            for (const QString& date : dates) {
                if (!alone.isEmpty() && form != u"--json") alone += '\n';
                alone += Run(options + QStringList{date}).out;
                if (form == u"--json") {
                    const QJsonObject first = Object(Run({"match", "--json", "--zone=America/New_York",
                                                          "--year-start=risshun", date, "2000-01-01"})
                                                         .out)["first"]
                                                  .toObject();
                    QCOMPARE(first, Object(alone.split('\n').at(alone.count('\n') - 1)));
                }
            }
            QCOMPARE(stream.out, alone);
        }
    }

    void manyDatesFromStandardInput() {
        // Two days of one zodiac year, and a Rabbit of another year and element.
        const Ran ran = Run({"sign", "--json", "-"},
                            "\xef\xbb\xbf"
                            "1975-03-05\n\n2024-02-10\r\n1900-01-31\n  1975-03-06 \n1987-03-05\n");
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
        // Blanks after a date cost nothing, however many.
        const Ran text =
            Run({"sign", "-", "\uFEFF1987-03-05"}, "1975-03-05" + QByteArray(8 << 20, ' ') + "\n1975-03-06\n");
        QCOMPARE(text.out.count("Wood Rabbit"), 2);
        QVERIFY(text.out.contains("\n\n1975-03-06: Wood Rabbit") && text.out.contains("\n\n1987-03-05: Fire Rabbit"));
    }

    // sign - is a filter: each line is answered as soon as it is read, and a bad
    // line ends the run there, the answers before it written. A date given as an
    // argument is checked before any is answered.
    void standardInputIsAnsweredLineByLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("answer");  // how the answer to 1975-03-05 begins
        QTest::newRow("text") << QStringList{"sign", "-"} << QByteArray("1975-03-05: Wood Rabbit");
        QTest::newRow("json") << QStringList{"sign", "--json", "-"} << QByteArray("{\"almanac\"");
        QTest::newRow("risshun, a time, a zone")
            << QStringList{"sign", "--year-start=risshun", "--zone=America/New_York", "-"}
            << QByteArray("1975-03-05: Wood Rabbit");
    }

    void standardInputIsAnsweredLineByLine() {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, answer);
        QProcess process;
        process.setProcessEnvironment(Environment());
        process.start(QStringLiteral(PROGRAM), arguments);
        process.write("1975-03-05\n");
        QByteArray out;
        while (!out.contains('\n') && process.waitForReadyRead(10000)) out += process.readAllStandardOutput();
        QVERIFY2(out.startsWith(answer), out.constData());  // while the input is still open
        process.write("  2001-02-29 \n1976-01-01\n");
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished(10000));
        out += process.readAllStandardOutput();
        QCOMPARE(process.exitCode(), 2);
        QCOMPARE(out.count(answer), 1);  // the good line's answer stays, and none comes after the bad
        QVERIFY(!out.contains("1976-01-01"));
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(err.contains(QStringLiteral("standard input, line 2: 2001-02-29")) && err.count(u'\n') == 1,
                 qPrintable(err));
        // Read at once with the bad line, the good line's answer is still written.
        const Ran together = Run(arguments, "1975-03-05\n2001-02-29\n");
        QCOMPARE(together.status, 2);
        QVERIFY2(together.out.startsWith(answer), together.out.constData());
        // A bad date among the arguments is found before any date is answered.
        const Ran bad = Run(arguments + QStringList{"2001-02-29"}, "1975-03-05\n");
        QCOMPARE(bad.status, 2);
        QVERIFY(bad.out.isEmpty());
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
        QTest::newRow("the 24th hour") << QStringList{"sign", "2021-01-01T24:00"} << "give 2021-01-02T00:00";
        QTest::newRow("a time of one digit") << QStringList{"sign", "2021-01-01T7:5"} << "HH:MM";
        QTest::newRow("seconds") << QStringList{"sign", "2021-01-01T07:05:00"} << "HH:MM";
        QTest::newRow("before the first risshun's moment")
            << QStringList{"sign", "--year-start=risshun", "1900-02-04T14:00"} << "from 1900-02-04T14:52 to";
        QTest::newRow("bytes: not UTF-8 in a name")
            << QStringList{"report", "--name", "Zo\\xeb", "1975-03-05", "-o", "-"} << "'Zo\\xeb' is not UTF-8";
        QTest::newRow("a name of invisible characters")
            << QStringList{"report", "--name", "\u200B\u202E", "1975-03-05", "-o", "-"} << "'\\u{200b}\\u{202e}'";
        QTest::newRow("a line separator in a date") << QStringList{"sign", "1975\u2028"} << "'1975\\u{2028}'";
        QTest::newRow("an unknown short option") << QStringList{"sign", "-x", "1975-03-05"} << "unknown option '-x'";
        QTest::newRow("three dashes") << QStringList{"sign", "---json", "1975-03-05"} << "unknown option '---json'";
        QTest::newRow("one dash for --json after the command")
            << QStringList{"sign", "-json", "1975-03-05"} << "unknown option '-json'";
        QTest::newRow("one dash for --help after the command")
            << QStringList{"sign", "-help"} << "unknown option '-help'";
        QTest::newRow("a year start before the command") << QStringList{"--year-start=risshun", "sign", "1975-03-05"}
                                                         << "as in qorvel-zodiac sign --year-start=risshun 1975-03-05";
        QTest::newRow("a name before the command") << QStringList{"--name", "Ann", "report", "1975-03-05", "-o", "-"}
                                                   << "as in qorvel-zodiac report --name Ann 1975-03-05 -o -";
        QTest::newRow("a name of blanks")
            << QStringList{"report", "--name", "    ", "1975-03-05", "-o", "-"} << "the name is empty";
        QTest::newRow("a newline in a name")
            << QStringList{"report", "--name", "Ann\nDate of Birth: 1 April", "1975-03-05", "-o", "-"} << "(\\n)";
        // Blank and invisible characters, escaped as the others are; U+00AD is a character, not the byte 0xad.
        QTest::newRow("no-break and ideographic spaces, Hangul fillers, a variation selector, a soft hyphen")
            << QStringList{"sign", "19\u00A0\u3000\u115F\u1160\u3164\uFFA0\uFE0F\u00AD75"}
            << "'19\\u{a0}\\u{3000}\\u{115f}\\u{1160}\\u{3164}\\u{ffa0}\\u{fe0f}\\u{ad}75'";
        QTest::newRow("a name of fillers")
            << QStringList{"report", "--name", "\u3164\u115F\u3000\u00A0\u2800", "1975-03-05", "-o", "-"}
            << "the name is empty";
    }

    void badInputSaysWhatAndWritesNothing() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, named);
        if (!QString::fromLatin1(QTest::currentDataTag()).startsWith(u"bytes"))
            return ExpectBadInput(Run(arguments), named);
        // QProcess passes its arguments as UTF-8; bash's printf makes the bytes that are not.
        const QString script =
            QStringLiteral(R"sh(a=(); for x; do a+=("$(printf '%b' "$x")"); done; exec "${a[@]}")sh");
        ExpectBadInput(Run(QStringList{"-c", script, "bash", PROGRAM} + arguments, {}, {}, QStringLiteral("bash")),
                       named);
    }

    // Standard input that cannot be read, or holds what is no date.
    void datesFromStandardInputThatCannotBeTaken_data() {
        QTest::addColumn<QString>("source");  // a pipe, a folder, /dev/zero or nothing at all
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("named");
        QTest::newRow("a folder") << "folder" << QByteArray() << "Is a directory";
        QTest::newRow("closed") << "closed" << QByteArray() << "standard input: it is closed";
        QTest::newRow("a bad third line")
            << "pipe" << QByteArray("\n  \n1975-02-30\n1976-01-01\n") << "standard input, line 3: 1975-02-30";
        QTest::newRow("escape codes") << "pipe" << QByteArray("\x1b[31m1975-03-05\n") << "'\\e[31m1975-03-05'";
        QTest::newRow("a line of a megabyte") << "pipe" << QByteArray(1 << 20, '7') + "\n"
                                              << "line 1: '7777";
        QTest::newRow("a line that never ends") << "zero" << QByteArray() << "line 1: '\\x00\\x00";
        QTest::newRow("a date, a megabyte of blanks, a word") << "pipe"
                                                              << "1975-03-05" + QByteArray(1 << 20, ' ') + "x\n"
                                                              << "line 1: '1975-03-05…' is not";
        QTest::newRow("a byte-order mark, then a bad date") << "pipe"
                                                            << QByteArray(
                                                                   "\xef\xbb\xbf"
                                                                   "1975-3-05\n")
                                                            << "line 1: '1975-3-05' is not";
    }

    void datesFromStandardInputThatCannotBeTaken() {
        QFETCH(QString, source);
        QFETCH(QByteArray, input);
        QFETCH(QString, named);
        const Ran ran = Run({"sign", "-"}, input, [&](QProcess& process) {
            if (source == u"folder") process.setStandardInputFile(home_.path());
            if (source == u"zero") process.setStandardInputFile(QStringLiteral("/dev/zero"));
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

    // Each help within 80 columns, no option parted from its value by a line's
    // end, and sign's naming the almanac it prints.
    void helpAndVersion() {
        QList<Ran> helps{Run({"--help"})};
        QVERIFY(helps.first().out.startsWith("Usage: qorvel-zodiac"));
        for (const char* command : {"sign", "match", "report"}) {
            helps << Run({QLatin1String(command), QStringLiteral("--help")});
            QVERIFY(helps.last().out.startsWith(QByteArray("Usage: qorvel-zodiac ") + command));
        }
        for (const Ran& help : helps) {
            QCOMPARE(help.status, 0);
            static const QRegularExpression parted(QStringLiteral("(^| )(-o|--output|--name)\n"));
            QVERIFY2(!QString::fromUtf8(help.out).contains(parted), help.out.constData());
            for (const QString& line : QString::fromUtf8(help.out).split(u'\n'))
                QVERIFY2(Columns(line) <= 80, qPrintable(line));
        }
        QVERIFY(helps[1].out.contains("almanac"));
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
        program.Run(QStringLiteral("  Ann  "), 5, month, 1975);
        QCOMPARE(Child<QComboBox>(program.main(), "cboMaleMonth")->currentText(), name);
        program.platform.saveAnswers = {windowsFile};
        QTimer::singleShot(0, [] {
            if (auto* report = qobject_cast<ReportWindow*>(QApplication::activeModalWidget())) {
                Child<QPushButton>(report, "cmdSave")->click();
                report->reject();
            }
        });
        Child<QPushButton>(program.app.LoadedResultWindow(), "cmdPrint")->click();
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

    // Counted otherwise than the windows count (with a time, in another zone,
    // from another year start), the report says how in one line after the date
    // of birth; counted as they count, even when said in so many words, it is
    // the windows' report byte for byte.
    void aReportSaysHowTheBirthWasCounted_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("line");  // empty: no line, and the plain report's bytes
        QTest::newRow("the windows' zone and year start, given")
            << QStringList{"--zone=Asia/Tokyo", "--year-start=lunar", "1975-03-05"} << "";
        QTest::newRow("a time") << QStringList{"1975-03-05T12:00"}
                                << "Reckoned: born at 12:00 on the clock of Asia/Tokyo";
        QTest::newRow("a zone and a year start")
            << QStringList{"--zone=Europe/London", "--year-start=january", "1975-03-05"}
            << "Reckoned: on the clock of Europe/London; the zodiac year from 1 January";
    }

    void aReportSaysHowTheBirthWasCounted() {
        QFETCH(QStringList, arguments);
        QFETCH(QString, line);
        const Ran ran = Run(QStringList{"report", "--name", "Ann", "-o", "-"} + arguments);
        QCOMPARE(ran.status, 0);
        const QString text = QString::fromStdString(ReadRtfText(ran.out.toStdString()));
        const QString counted = line.isEmpty() ? QString() : line + QStringLiteral("\n\n");
        QVERIFY2(text.startsWith(
                     QStringLiteral("Name: Ann\n\nDate of Birth: 5 March 1975\n\n%1Japanese Sign: ").arg(counted)),
                 qPrintable(text.left(300)));
        if (line.isEmpty()) QCOMPARE(ran.out, Run({"report", "--name", "Ann", "1975-03-05", "-o", "-"}).out);
    }

    // A report that cannot be written whole leaves the old file as it was, and
    // no part-written copy beside it; bad input writes nothing either. The
    // program meets a file-size limit with SIGXFSZ at its default action, which
    // would end it without a word.
    void aReportThatCannotBeWrittenLeavesTheOldFile_data() {
        AddWriteObstacleRows();
        QTest::newRow("a writable file in a folder that takes no new copy")
            << "locked folder"
            << "does not let a new copy be made there (Permission denied)";
        QTest::newRow("another's file in a sticky folder") << "sticky folder"
                                                           << "which is sticky";
        QTest::newRow("-o /dev/stdout >&-") << "closed standard output"
                                            << "standard output is closed";
        QTest::newRow("a path of 3,300 characters") << "long path"
                                                    << "No such file or directory";
    }

    void aReportThatCannotBeWrittenLeavesTheOldFile() {
        QFETCH(QString, obstacle);
        QFETCH(QString, reason);
        WriteObstacle at(home_.filePath(obstacle), obstacle);
        if (!at.possible()) QSKIP("only root may mount the full disk");
        // The folder is locked against whoever runs the report; root passes any
        // lock, so as root the report runs as nobody, who may reach the folder.
        // A sticky folder stops only those who do not own the file: as root, nobody.
        const bool locked = obstacle == u"locked folder", sticky = obstacle == u"sticky folder";
        const passwd* nobody = (locked || sticky) && geteuid() == 0 ? getpwnam("nobody") : nullptr;
        if (locked && geteuid() == 0 && !nobody)
            QSKIP("root passes the folder's lock, and there is no nobody to run as");
        if (sticky && !nobody) QSKIP("only root can leave a file of its own to nobody in a sticky folder");
        if (nobody && !RunnableBy(*nobody)) QSKIP("nobody may not reach the program in the folder it was built in");
        const auto unlocked = qScopeGuard([&] {
            if (!locked && !sticky) return;
            QFile::setPermissions(at.folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QFile::setPermissions(home_.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        });
        if (locked || sticky) {
            QVERIFY(chmod(QFile::encodeName(at.old).constData(), 0666) == 0);
            QVERIFY(chmod(QFile::encodeName(at.folder).constData(), locked ? 0555 : 01777) == 0);
            QVERIFY(chmod(QFile::encodeName(home_.path()).constData(), 0711) == 0);
            reason = locked ? QStringLiteral("the folder %1 %2").arg(at.folder, reason)
                            : QStringLiteral("the folder %1, %2").arg(at.folder, reason);
        }
        if (obstacle == u"closed standard output") at.target = QStringLiteral("/dev/stdout");
        if (obstacle == u"long path") at.target = at.folder + QString(QStringLiteral("/d234567890")).repeated(300);
        const bool closed = obstacle == u"closed standard output";
        const uid_t uid = nobody ? nobody->pw_uid : 0;
        const gid_t gid = nobody ? nobody->pw_gid : 0;
        const auto child = InChild([limited = at.limitsFileSize, closed, uid, gid] {
            if (limited) {
                std::signal(SIGXFSZ, SIG_DFL);
                const rlimit limit{1000, RLIM_INFINITY};
                setrlimit(RLIMIT_FSIZE, &limit);
            }
            if (closed) close(STDOUT_FILENO);
            if (uid != 0 && (setgroups(0, nullptr) != 0 || setgid(gid) != 0 || setuid(uid) != 0)) _exit(126);
        });
        // The report, and sign's answers streamed into the same kind of copy.
        const Ran report = Run({"report", "--name", "Ann", "1975-03-05", "-o", at.target}, {}, child);
        const Ran sign = Run({"sign", "-o", at.target, "-"}, QByteArray("1975-03-05\n").repeated(20), child);
        for (const auto& [failed, what] :
             {std::pair{report, QStringLiteral("the report ")}, std::pair{sign, QString()}}) {
            const QString prefix = QStringLiteral("cannot write %1to ").arg(what);
            if (obstacle == u"long path") {
                // Cut in the middle, so that both where it starts and what it names show.
                ExpectNotWritten(failed, prefix + at.target.left(100),
                                 at.target.right(100) + QStringLiteral(": ") + reason);
                QVERIFY2(failed.err.contains(u'…') && failed.err.size() < at.target.size() / 2, qPrintable(failed.err));
            } else {
                ExpectNotWritten(failed, prefix + at.target, reason);
            }
        }
        // A bad date, for the report or in the middle of sign's stream, writes nothing.
        QCOMPARE(Run({"report", "--name", "Ann", "2001-02-29", "-o", at.old}).status, 2);
        QCOMPARE(Run({"sign", "-o", at.old, "-"}, "1975-03-05\n2001-02-29\n").status, 2);
        QCOMPARE(ReadFile(at.old), QByteArray(WriteObstacle::kOldContent));
        QCOMPARE(QDir(at.folder).entryList(QDir::Files), at.filesLeft());
    }

    // A regular file, wherever it lives, is replaced by a whole new copy that
    // keeps the old one's permission bits and, where root writes, its owner.
    void aGoodReportReplacesTheOldFileWhole_data() {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("nobodys");
        QTest::addColumn<bool>("twoNames");  // a hard link, written over in place so that both names see the report
        QTest::newRow("a file of ours") << "" << 0 << false << false;
        QTest::newRow("a regular file under /dev/shm") << "/dev/shm" << 0 << false << false;
        QTest::newRow("read-only (444), written over by root") << "" << 0444 << false << false;
        QTest::newRow("nobody's, written over by root") << "" << 0 << true << false;
        QTest::newRow("a file of two names") << "" << 0 << false << true;
    }

    void aGoodReportReplacesTheOldFileWhole() {
        QFETCH(QString, folder);
        QFETCH(int, mode);
        QFETCH(bool, nobodys);
        QFETCH(bool, twoNames);
        if ((mode != 0 || nobodys) && geteuid() != 0) QSKIP("only root may write over a read-only file or another's");
        if (!folder.isEmpty() && !QFileInfo(folder).isDir()) QSKIP("no such folder here");
        const passwd* nobody = nobodys ? getpwnam("nobody") : nullptr;
        if (nobodys && !nobody) QSKIP("no user nobody to own the file");
        const QString existing =
            (folder.isEmpty() ? home_.path() : folder) + QStringLiteral("/qorvel-zodiac-replaced-%1.rtf").arg(getpid());
        const QString other = existing + QStringLiteral(".other");
        const auto removed = qScopeGuard([&] {
            QFile::remove(existing);
            QFile::remove(other);
        });
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(100000, 'x'));
        file.close();
        const QByteArray name = QFile::encodeName(existing);
        if (twoNames) QVERIFY(link(name.constData(), QFile::encodeName(other).constData()) == 0);
        if (mode != 0) QVERIFY(chmod(name.constData(), static_cast<mode_t>(mode)) == 0);
        if (nobody) QVERIFY(chown(name.constData(), nobody->pw_uid, nobody->pw_gid) == 0);
        struct stat before {};
        struct stat after {};
        QVERIFY(stat(name.constData(), &before) == 0);
        QCOMPARE(Run({"report", "--name", "Ann", "1975-03-05", "-o", existing}).status, 0);
        const QByteArray written = ReadFile(existing);
        QVERIFY(written.startsWith("{\\rtf1") && written.endsWith("}\n") && !written.contains("xxx"));
        QVERIFY(stat(name.constData(), &after) == 0);
        if (twoNames) {
            QCOMPARE(ReadFile(other), written);
            QCOMPARE(QDir(home_.path()).entryList({QFileInfo(existing).fileName() + "*"}).size(), 2);
        } else {
            QVERIFY2(after.st_ino != before.st_ino, "written into the old file rather than renamed over it");
        }
        QCOMPARE(QString::number(after.st_mode, 8), QString::number(before.st_mode, 8));
        QCOMPARE(after.st_uid, before.st_uid);
        QCOMPARE(after.st_gid, before.st_gid);
        // sign's answers, streamed into the same kind of copy, are what it prints.
        const QByteArray dates = QByteArray("1975-03-05\n2001-01-24\n").repeated(4000);
        QCOMPARE(Run({"sign", "-o", existing, "-"}, dates).status, 0);
        const QByteArray answers = Run({"sign", "-"}, dates).out;
        QCOMPARE(ReadFile(existing).size(), answers.size());
        QVERIFY(ReadFile(existing) == answers);
        if (twoNames) QVERIFY(ReadFile(other) == answers);
    }

    // What is not a regular file is written into, never replaced: a FIFO stays a
    // FIFO with its reader served, /dev/stdout is the pipe it leads to. A path to
    // a descriptor is written through it, as a shell's redirection left it: a log
    // opened to append keeps its old line, and a file shared with commands before
    // and after keeps their lines in order.
    void aReportGoesStraightIntoWhatIsNotARegularFile_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("descriptor");
        QTest::addColumn<QString>("opened");
        QTest::newRow("-o /dev/stdout | reader, and -o fifo") << "/dev/stdout" << 1 << "";
        QTest::newRow("-o /dev/stdout >> log") << "/dev/stdout" << 1 << "appending";
        QTest::newRow("-o /dev/fd/3 3>> log") << "/dev/fd/3" << 3 << "appending";
        QTest::newRow("-o /proc/self/fd/3 3>> log") << "/proc/self/fd/3" << 3 << "appending";
        QTest::newRow("{ echo header; report -o /dev/stdout; echo footer; } > log") << "/dev/stdout" << 1 << "afresh";
    }

    void aReportGoesStraightIntoWhatIsNotARegularFile() {
        QFETCH(QString, path);
        QFETCH(int, descriptor);
        QFETCH(QString, opened);
        const QStringList reportTo = {"report", "--name", "Ann", "1975-03-05", "-o"};
        const QByteArray report = Run(reportTo + QStringList{"-"}).out;
        QVERIFY(report.startsWith("{\\rtf1"));
        if (!opened.isEmpty()) {
            // Held open here as a shell holds it, so that the offset the report leaves shows in the footer.
            const QString log = home_.filePath(QStringLiteral("log"));
            QFile old(log);
            QVERIFY(old.open(QIODevice::WriteOnly) && old.write("old line\n") == 9);
            old.close();
            const bool appending = opened == u"appending";
            const int held = open(QFile::encodeName(log).constData(), O_WRONLY | (appending ? O_APPEND : O_TRUNC));
            QVERIFY(held >= 0);
            const auto closed = qScopeGuard([held] { close(held); });
            const QByteArray first = appending ? "old line\n" : "header\n";
            if (!appending) QCOMPARE(write(held, first.constData(), 7), ssize_t(7));
            const Ran ran = Run(reportTo + QStringList{path}, {}, InChild([held, descriptor] {
                                    if (held != descriptor) dup2(held, descriptor);
                                }));
            QCOMPARE(ran.status, 0);
            QCOMPARE(write(held, "footer\n", 7), ssize_t(7));
            QCOMPARE(ReadFile(log), first + report + "footer\n");
            return;
        }
        QCOMPARE(Run(reportTo + QStringList{path}).out, report);

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
    // nor is refused, and never writes the windows' settings. Renamed, or started
    // through a link, the program keeps its one lock and settings file.
    void independentOfTheWindows_data() {
        QTest::addColumn<QString>("executable");
        QTest::newRow("as built") << QStringLiteral(PROGRAM);
        QTest::newRow("through a link of another name") << home_.filePath(QStringLiteral("zodiac-renamed"));
    }

    void independentOfTheWindows() {
        QFETCH(QString, executable);
        QFile::link(QStringLiteral(PROGRAM), home_.filePath(QStringLiteral("zodiac-renamed")));
        QProcess windows;
        QProcessEnvironment environment = Environment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        windows.setProcessEnvironment(environment);
        windows.start(executable, {});
        QVERIFY(windows.waitForStarted(5000));
        QTRY_VERIFY_WITH_TIMEOUT(!QDir(home_.filePath(QStringLiteral("runtime"))).entryList({"*.lock"}).isEmpty(),
                                 10000);
        QCOMPARE(QDir(home_.filePath(QStringLiteral("runtime"))).entryList({"*.lock"}),
                 QStringList{"qorvel-zodiac.lock"});
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
        // A display named but not to be had, or Qt's plugin for it missing: the
        // message says what is missing rather than to set what is set. Wayland's
        // plugin comes in a package of its own, which a machine may lack.
        const bool wayland = !QDir(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"))
                                  .entryList({QStringLiteral("libqwayland*.so")})
                                  .isEmpty();
        const struct {
            const char* variable;
            const char* value;
            const char* named;
        } missing[] = {
            {"WAYLAND_DISPLAY", "wayland-77",
             wayland ? "WAYLAND_DISPLAY" : "Qt's platform plugin 'wayland' is not installed; install qt6-wayland"},
            {"QT_QPA_PLATFORM", "nosuchplatform", "Qt's platform plugin 'nosuchplatform' is not installed"}};
        for (const auto& [variable, value, named] : missing) {
            const Ran ran = Run({}, {}, [&](QProcess& process) {
                QProcessEnvironment environment = process.processEnvironment();
                environment.insert(QLatin1String(variable), QLatin1String(value));
                process.setProcessEnvironment(environment);
            });
            QCOMPARE(ran.status, 1);
            QVERIFY2(ran.err.count(u'\n') == 1 && ran.err.contains(QLatin1String(named)) &&
                         !ran.err.contains(QStringLiteral("set DISPLAY or WAYLAND_DISPLAY")),
                     qPrintable(ran.err));
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
