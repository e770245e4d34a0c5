// What sign and match write, in text and JSON, made in this process from the
// command line's own parsing and output: no program is started.
#include <QJsonObject>
#include <QtTest>
#include <chrono>
#include <vector>

#include "core/reading.h"
#include "core/text.h"
#include "tests/cli/answers.h"

using namespace zodiac;
using namespace zodiac::testing;
using namespace zodiac::cli;

namespace {

class OutputTest : public QObject {
    Q_OBJECT

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

private slots:
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
        const QJsonObject sign = Object(Signed({"--json", "--year-start=" + start, date}));
        const QStringList got = {sign["sign"].toString(),         sign["element"].toString(),
                                 sign["japaneseName"].toString(), sign["kanji"].toString(),
                                 sign["yearBegins"].toString(),   sign["yearEnds"].toString()};
        QCOMPARE(got, expected);
        QCOMPARE(sign["date"].toString(), date);
        QCOMPARE(sign["yearStart"].toString(), start);
        // match counts the year alike.
        QCOMPARE(Object(Matched({"--json", "--year-start=" + start, date, date}))["first"].toObject(), sign);
    }

    void theJsonHasExactlyItsKeys() {
        const QJsonObject sign = Object(Signed({"--json", "1975-03-05"}));
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

        const QJsonObject match = Object(Matched({"--json", "1975-03-05", "1990-08-10"}));
        QCOMPARE(match.keys(), (QStringList{"first", "number", "percentage", "rating", "second", "text"}));
        QCOMPARE(match["first"].toObject().keys(), sign.keys());
        QCOMPARE(match["second"].toObject()["sign"].toString(), QStringLiteral("Horse"));

        // A time and a zone; under risshun, the moments the year runs between.
        const QJsonObject timed = Object(Signed({"--json", "--year-start=risshun", "2021-02-03T23:00"}));
        QCOMPARE(timed.keys(), (QStringList{"almanac",    "date",       "element",      "elementDescription",
                                            "eto",        "hourEto",    "japaneseName", "kanji",
                                            "kanreki",    "kyureki",    "profile",      "rokuyo",
                                            "sign",       "time",       "utcOffset",    "wareki",
                                            "yakudoshi",  "yearBegins", "yearBeginsAt", "yearEnds",
                                            "yearEndsAt", "yearStart",  "zone"}));
        QCOMPARE(timed["hourEto"].toObject().keys(), (QStringList{"kana", "kanji", "number", "reading"}));
        QCOMPARE(timed["yearEndsAt"].toString().left(16), QStringLiteral("2021-02-03T23:58"));
        // On the day of risshun without a time: its moment and the year before it.
        const QJsonObject day = Object(Signed({"--json", "--year-start=risshun", "2021-02-03"}));
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

        // The keys stand in order in the bytes themselves, of both commands and
        // of many dates answered in a row.
        const QList<QByteArray> written = {
            Signed({"--json", "--year-start=risshun", "--zone=America/New_York", "2021-02-03", "2021-02-03T23:00"}),
            Signed({"--json", "--year-start=january", "1900-01-01", "1984-02-04T10:00"}),
            Matched({"--json", "--year-start=risshun", "2021-02-03", "1975-03-05T12:00"})};
        for (const QByteArray& out : written) QVERIFY2(KeysInOrderAsWritten(out), out.constData());
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
        QTest::newRow("the 13th, not the 13rd")
            << "1996-06-01"
            << "january" << QStringList{"丙子", "hinoe-ne", "ひのえね", "13", "2056", "13th"};
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
        const QJsonObject sign = Object(Signed({"--json", "--year-start=" + start, date}));
        const QJsonObject got = sign["eto"].toObject();
        QCOMPARE((QStringList{got["kanji"].toString(), got["reading"].toString(), got["kana"].toString(),
                              QString::number(got["number"].toInt()), QString::number(sign["kanreki"].toInt())}),
                 eto.mid(0, 5));
        // In text, the lines under the heading.
        const QString text = QString::fromUtf8(Signed({"--year-start=" + start, date}));
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
            QByteArray out;
            if (RefusalOf([&] { out = Signed({"--json", "--year-start=" + ToQString(start.name), date}); }).isNull())
                almanacs << Object(out)["almanac"].toObject();
        }
        QVERIFY(!almanacs.isEmpty());
        for (const QJsonObject& almanac : almanacs) QCOMPARE(almanac, almanacs.first());
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
        const QJsonObject match = Object(Matched(QStringList{"--json"} + dates));
        QCOMPARE(match["number"].toInt(), number);
        QCOMPARE(match["percentage"].toString(), QStringLiteral("%1%").arg(number * 10));
        QCOMPARE(match["rating"].toString(), rating);
        const QString text = match["text"].toString();
        QVERIFY2(text.contains(QStringLiteral("On the compatibility scale of one to ten, ") +
                               match["first"].toObject()["sign"].toString()),
                 qPrintable(text.right(120)));
        QVERIFY(Matched(dates).contains(
            QStringLiteral("Compatibility %1 of 10 (%2%)").arg(number).arg(number * 10).toUtf8()));
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
        const QString text = Object(Matched(QStringList{"--json"} + dates))["text"].toString();
        QVERIFY2(!text.contains(u'\r') && !text.contains(QStringLiteral("\n\n\n")), qPrintable(text));
        QVERIFY2(text.section(QStringLiteral("\n\n"), -1).startsWith(QStringLiteral("On the compatibility scale")),
                 qPrintable(text.right(200)));
        const QString plain = QString::fromUtf8(Matched(dates));
        QVERIFY2(plain.contains(QStringLiteral("\n\nOn the compatibility scale")), qPrintable(plain.right(300)));
    }

    // Nine years of days hold every star of year and month together, every
    // setsu's day and the longest eto reading (1979, tsuchinoto-hitsuji); a fixed
    // offset gives the longest name of a zone.
    void theTextFormFitsEightyColumns() {
        QStringList dates;
        using namespace std::chrono;
        for (sys_days day{1975y / 1 / 1}; day < sys_days{1984y / 1 / 1}; day += days{1})
            dates << IsoDate(year_month_day{day});
        // With the hour's eto after the month's and the day's: 13:30 is the 未
        // hour, whose longest reading, 己未 (tsuchinoto-hitsuji), comes every fifth day.
        for (sys_days day{1979y / 7 / 8}; day < sys_days{1979y / 8 / 8}; day += days{1})
            dates << IsoDate(year_month_day{day}) + QStringLiteral("T13:30");
        for (const QByteArray& out : {Signed(QStringList{"--zone=UTC-03:30", "--year-start=risshun"} + dates),
                                      Matched({"1975-03-05", "1990-08-10"})}) {
            for (const QByteArray& line : out.split('\n')) {
                const QString text = QString::fromUtf8(line);
                QVERIFY2(TerminalColumns(text) <= 80, qPrintable(text));
            }
            QVERIFY(out.contains("Rabbit") && out.contains("Horse"));
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
            const QStringList options = {form, "--zone=America/New_York", "--year-start=risshun"};
            const QByteArray stream = Signed(options + dates);
            QByteArray alone;
            for (const QString& date : dates) {
                if (!alone.isEmpty() && form != u"--json") alone += '\n';
                alone += Signed(options + QStringList{date});
                if (form == u"--json") {
                    const QJsonObject first = Object(Matched(
                        {"--json", "--zone=America/New_York", "--year-start=risshun", date, "2000-01-01"}))["first"]
                                                  .toObject();
                    QCOMPARE(first, Object(alone.split('\n').at(alone.count('\n') - 1)));
                }
            }
            QCOMPARE(stream, alone);
        }
    }
};

}  // namespace

QTEST_MAIN(OutputTest)
#include "output_test.moc"
