#include "cli/output.h"

#include <QStringList>
#include <array>

#include "cli/commands.h"
#include "cli/dates.h"
#include "core/text.h"
#include "engine/kyureki.h"
#include "engine/yakudoshi.h"

namespace zodiac::cli {
namespace {

constexpr int kLabelWidth = 22;  // two blanks of indent, the label, at least one blank

struct Field {
    ProfileField field;
    const char* label;
    const char* key;
};

// The profile in its own order, with the label a person reads and the key a script reads.
constexpr std::array<Field, kProfileFieldCount> kFields = {{
    {ProfileField::RulingPlanet, "Ruling planet", "rulingPlanet"},
    {ProfileField::PositiveTraits, "Positive traits", "positiveTraits"},
    {ProfileField::NegativeTraits, "Negative traits", "negativeTraits"},
    {ProfileField::MostCompatibleSign, "Most compatible", "mostCompatibleSign"},
    {ProfileField::LeastCompatibleSign, "Least compatible", "leastCompatibleSign"},
    {ProfileField::LuckyColour, "Lucky colour", "luckyColour"},
    {ProfileField::GemStone, "Gem stone", "gemStone"},
    {ProfileField::Energy, "Energy", "energy"},
    {ProfileField::LuckySeasons, "Lucky seasons", "luckySeasons"},
    {ProfileField::LuckyMonth, "Lucky month", "luckyMonth"},
    {ProfileField::FamousPersons, "Famous persons", "famousPersons"},
    {ProfileField::WesternZodiacSign, "Western sign", "westernZodiacSign"},
    {ProfileField::LuckyNumber, "Lucky numbers", "luckyNumber"},
}};

}  // namespace

QString WrapText(const QString& text, int width, const QString& indent) {
    QString out;
    QString line;
    const auto flush = [&] {
        if (!out.isEmpty()) out += QLatin1Char('\n') + indent;
        out += line;
        line.clear();
    };
    const QStringList paragraphs = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")).split(u'\n');
    int columns = 0;  // of the line so far, East Asia's wide characters taking two
    for (const QString& paragraph : paragraphs) {
        for (const QString& word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
            const int wordColumns = Columns(word);
            if (!line.isEmpty() && columns + 1 + wordColumns > width) {
                flush();
                columns = 0;
            }
            columns += (line.isEmpty() ? 0 : 1) + wordColumns;
            line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
        }
        columns = 0;
        flush();  // an empty paragraph gives an empty line
    }
    return out;
}

// The heading without the date it starts with.
QString HeadingAfterDate(const Reading& reading) {
    return QStringLiteral(": %1 %2, %3 %4\n")
        .arg(ToQString(Name(reading.year.year.element)), ToQString(Name(reading.year.year.sign)),
             ToQString(reading.japanese.name), ToQString(reading.japanese.kanji));
}

namespace {

QString Ordinal(int n) {
    const int lastTwo = n % 100, last = n % 10;
    const char* suffix = lastTwo >= 11 && lastTwo <= 13 ? "th"
                         : last == 1                    ? "st"
                         : last == 2                    ? "nd"
                         : last == 3                    ? "rd"
                                                        : "th";
    return QString::number(n) + QLatin1String(suffix);
}

// 戊寅 (tsuchinoe-tora): the characters, and how they are read in brackets.
QString WithReading(const QString& kanji, const QString& reading) {
    return kanji + QStringLiteral(" (") + reading + QLatin1Char(')');
}

QString EtoText(const Eto& eto) {
    return WithReading(ToQString(eto.Kanji()), ToQString(eto.Reading()) + QStringLiteral(", ") + ToQString(eto.Kana()));
}

}  // namespace

// "  Eto 乙卯 (kinoto-u, きのとう), 52nd of 60" and the kanreki under it; the
// longest reading, 己未 (tsuchinoto-hitsuji, つちのとひつじ), takes 59 columns.
QString EtoLines(const Reading& reading) {
    return QStringLiteral("  Eto %1, %2 of 60\n  Kanreki (60th birthday) in %3\n")
        .arg(EtoText(reading.eto), Ordinal(reading.eto.number))
        .arg(reading.kanreki);
}

namespace {

// On the day of risshun, with no time of birth to tell: when it fell, and the
// year of whoever was born before it. "  Risshun fell at 23:58 JST this day;
// born before it: 庚子 Metal Rat" keeps within 80 columns for every year and zone.
QString RisshunDayLine(const Reading& reading, const Birthplace& place) {
    if (!reading.year.risshunThisDay) return {};
    const int before = reading.year.Number() - 1;
    return QStringLiteral("  Risshun fell at %1 this day; born before it: %2 %3 %4\n")
        .arg(place.ClockAt(*reading.year.risshunThisDay), ToQString(EtoOfYear(before).Kanji()),
             ToQString(Name(ElementOfYear(before))), ToQString(Name(SignOfYear(before))));
}

}  // namespace

// HH:MM, the minute of the day.
QString GivenTime(int minute) {
    return QStringLiteral("%1:%2").arg(minute / 60, 2, 10, QLatin1Char('0')).arg(minute % 60, 2, 10, QLatin1Char('0'));
}

// The offset from UTC in force at a birth given with a time, "+09:00", or
// "+05:41:16" with seconds: the clock time less the moment it names.
QString UtcOffset(const Birth& birth) {
    const auto local = std::chrono::sys_days{birth.date} + std::chrono::minutes{birth.minute};
    return OffsetText(static_cast<int>((local - birth.moment).count()));
}

namespace {

// The date as it was given: YYYY-MM-DD, with THH:MM when a time was.
QString GivenDate(const Birth& birth) {
    return birth.Timed() ? IsoDate(birth.date) + QLatin1Char('T') + GivenTime(birth.minute) : IsoDate(birth.date);
}

// The setsu as a sentence starts with them.
constexpr std::array<const char*, kSetsuCount> kSetsuNames = {"Sh\u014Dkan", "Risshun",    "Keichitsu",   "Seimei",
                                                              "Rikka",       "B\u014Dshu", "Sh\u014Dsho", "Rissh\u016B",
                                                              "Hakuro",      "Kanro",      "Ritt\u014D",  "Taisetsu"};

QString SetsuName(Setsu setsu) { return QString::fromUtf8(kSetsuNames[static_cast<std::size_t>(setsu)]); }

}  // namespace

QString EtoWithReading(const Eto& eto) { return WithReading(ToQString(eto.Kanji()), ToQString(eto.Reading())); }

namespace {

QString StarWithReading(const NineStar& star) { return WithReading(ToQString(star.kanji), ToQString(star.reading)); }

// 七赤 for 七赤金星: the number and colour, as a star is called for short.
QString StarShort(const NineStar& star) { return ToQString(star.kanji).left(2); }

}  // namespace

// The almanac's lines that follow its month, without the day:
//   "  Nine stars: year 七赤金星 (shichiseki kinsei), month 八白土星 (happaku dosei)"
// broken after the year's star where the two longest readings would pass 80
// columns; and on the day of a setsu, when no time tells, when it fell and
// what came before it:
//   "  Keichitsu fell at 11:22 JST; before it: month 丁丑, stars 七赤 and 九紫"
QString MonthLineUpToDay(const BirthAlmanac& almanac) {
    if (!almanac.month) return QStringLiteral("  Day ");
    return QStringLiteral("  Month %1, day ").arg(EtoWithReading(MonthEto(almanac.month->year, almanac.month->index)));
}

QString StarLines(const BirthAlmanac& almanac, const Birthplace& place) {
    if (!almanac.month) return {};
    const SolarMonth& month = *almanac.month;
    const NineStar &yearStar = YearStar(month.year), &monthStar = MonthStar(month.year, month.index);
    const bool oneLine = yearStar.reading.size() + monthStar.reading.size() <= 31;
    QString text =
        QStringLiteral("  Nine stars: year %1,%2month %3\n")
            .arg(StarWithReading(yearStar), oneLine ? QStringLiteral(" ") : QStringLiteral("\n              "),
                 StarWithReading(monthStar));
    if (const auto before = SolarMonthNumbered(month.year, month.index - 1); almanac.setsuThisDay && before) {
        text += QStringLiteral("  %1 fell at %2; before it: month %3, stars %4 and %5\n")
                    .arg(SetsuName(month.setsu()), place.ClockAt(*almanac.setsuThisDay),
                         ToQString(MonthEto(before->year, before->index).Kanji()), StarShort(YearStar(before->year)),
                         StarShort(MonthStar(before->year, before->index)));
    }
    return text;
}

int Columns(QStringView text) {
    int columns = 0;
    for (const char32_t c : text.toUcs4()) {
        // East Asia's wide characters: Hangul's leading jamo, the CJK blocks with
        // kana and the syllables, the compatibility ideographs and forms, the full-width forms, the planes above.
        const bool wide = (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF && c != 0x303F) ||
                          (c >= 0xAC00 && c <= 0xD7A3) || (c >= 0xF900 && c <= 0xFAFF) ||
                          (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60) ||
                          (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
        columns += wide ? 2 : 1;
    }
    return columns;
}

// ", hour 壬午 (mizunoe-uma)" after the day, or on a line of its own where the
// line would pass 80 columns: the longest readings would take 96.
QString HourPart(const std::optional<Eto>& hour, int columnsBefore) {
    if (!hour) return {};
    const QString part = QStringLiteral("hour ") + EtoWithReading(*hour);
    return columnsBefore + 2 + Columns(part) <= kWidth ? QStringLiteral(", ") + part : QStringLiteral(",\n  ") + part;
}

QString WarekiPart(const Wareki& wareki) {
    return QStringLiteral("Wareki %1 (%2 %3)").arg(wareki.kanji, wareki.eraReading).arg(wareki.year);
}

QString KyurekiPart(const KyurekiDate& kyureki, bool first) {
    const Rokuyo& rokuyo = RokuyoOf(kyureki);
    return QStringLiteral("%1 %2, %3 (%4)")
        .arg(first ? QStringLiteral("Ky\u016Breki") : QStringLiteral("ky\u016Breki"), ToQString(KyurekiKanji(kyureki)),
             ToQString(rokuyo.kanji), ToQString(rokuyo.reading));
}

// "  Wareki 昭和50年3月5日 (Shōwa 50); kyūreki 1月23日, 大安 (taian)": at most 75
// columns, for the longest era names, a leap month's 30th day and 仏滅.
QString CalendarLine(const std::optional<Wareki>& wareki, const std::optional<KyurekiDate>& kyureki) {
    if (!wareki && !kyureki) return {};
    QString line = QStringLiteral("  ");
    if (wareki) line += WarekiPart(*wareki);
    if (wareki && kyureki) line += QStringLiteral("; ");
    if (kyureki) line += KyurekiPart(*kyureki, !wareki);
    return line + QLatin1Char('\n');
}

// The main unlucky years of both sexes, the great one marked:
//   "  Yakudoshi (main years), men: 1999, 2016 大厄, 2035"
//   "                        women: 1993, 2007 大厄, 2011, 2035"
QString YakudoshiLine(int birthYear) {
    const Yakudoshi years = YakudoshiOf(birthYear);
    const auto list = [](const auto& main, int great) {
        QStringList shown;
        for (const int year : main)
            shown << (year == great ? QStringLiteral("%1 \u5927\u5384").arg(year) : QString::number(year));  // 大厄
        return shown.join(QStringLiteral(", "));
    };
    return QStringLiteral("  Yakudoshi (main years), men: %1\n%2women: %3\n")
        .arg(list(years.men, years.menGreat), QString(24, u' '), list(years.women, years.womenGreat));
}

namespace {

// "  Month 戊寅 (tsuchinoe-tora), day 庚戌 (kanoe-inu)", within 80 columns for
// the longest readings, and the hour's eto after them when a time was given.
QString MonthAndDayLine(const BirthAlmanac& almanac) {
    const QString line = MonthLineUpToDay(almanac) + EtoWithReading(almanac.day);
    return line + HourPart(almanac.hour, Columns(line)) + QLatin1Char('\n');
}

QString AlmanacLines(const Reading& reading, const Birthplace& place) {
    return MonthAndDayLine(reading.almanac) + StarLines(reading.almanac, place) +
           CalendarLine(WarekiOf(reading.birth.date), reading.almanac.kyureki) +
           YakudoshiLine(static_cast<int>(reading.birth.date.year()));
}

}  // namespace

QString Heading(const Reading& reading, const Birthplace& place) {
    return GivenDate(reading.birth) + HeadingAfterDate(reading) + EtoLines(reading) + AlmanacLines(reading, place) +
           RisshunDayLine(reading, place);
}

namespace {

// "Lunar", "Calendar", "Risshun": the years of the year start.
QString YearWord(YearStart start) {
    const std::string_view years = InfoOf(start).years;
    QString word = QString::fromUtf8(years.data(), static_cast<qsizetype>(years.size()));
    if (!word.isEmpty()) word[0] = word[0].toUpper();
    return word;
}

// The year's first and last day; under risshun with a time of birth, the
// moments it runs between.
QString YearLine(const Reading& reading, const Birthplace& place) {
    const ZodiacYear& year = reading.year.year;
    QString from = IsoDate(year.begins), to = IsoDate(year.ends);
    if (const auto& moments = reading.year.moments) {
        from += QLatin1Char(' ') + place.ClockAt(moments->begins);
        to += QLatin1Char(' ') + place.ClockAt(moments->ends);
    }
    return QStringLiteral("  %1 year from %2 to %3\n").arg(YearWord(reading.yearStart), from, to);
}

QString Row(const QString& label, const QString& text) {
    const QString indent(kLabelWidth, u' ');
    return (QStringLiteral("  ") + label).leftJustified(kLabelWidth, u' ') +
           WrapText(text, kWidth - kLabelWidth, indent) + QLatin1Char('\n');
}

JsonObject StarJson(const NineStar& star) {
    return JsonObject()
        .Text("kanji", star.kanji)
        .Text("reading", star.reading)
        .Text("kana", star.kana)
        .Number("number", star.number)
        .Text("element", Name(star.element));
}

}  // namespace

JsonObject EtoJson(const Eto& eto) {
    return JsonObject()
        .Text("kanji", eto.Kanji())
        .Text("reading", eto.Reading())
        .Text("kana", eto.Kana())
        .Number("number", eto.number);
}

namespace {

JsonObject ProfileJson(const SignProfile& profile) {
    JsonObject object;
    for (const Field& field : kFields) object.Text(field.key, profile[field.field]);
    return object;
}

}  // namespace

// A sign's text from the lines after the almanac's on.
QString SignTextAfterAlmanac(const Reading& reading, const Birthplace& place) {
    QString text = RisshunDayLine(reading, place) + YearLine(reading, place) + QLatin1Char('\n');
    for (const Field& field : kFields) text += Row(QLatin1String(field.label), ToQString(reading.profile[field.field]));
    text += Row(QStringLiteral("Element: ") + ToQString(Name(reading.year.year.element)),
                ToQString(reading.elementDescription));
    return text;
}

// The almanac's keys but its day's: the month's eto, both stars and, on the day
// of a setsu when no time tells, the setsu.
JsonObject AlmanacMonthJson(const BirthAlmanac& almanac, const Birthplace& place) {
    if (!almanac.month) return {};
    const SolarMonth& month = *almanac.month;
    const auto ofMonth = [](const SolarMonth& m) {
        return JsonObject()
            .Object("monthEto", EtoJson(MonthEto(m.year, m.index)))
            .Object("monthStar", StarJson(MonthStar(m.year, m.index)))
            .Object("yearStar", StarJson(YearStar(m.year)));
    };
    JsonObject object = ofMonth(month);
    if (const auto before = SolarMonthNumbered(month.year, month.index - 1); almanac.setsuThisDay && before) {
        object.Object("setsu", JsonObject()
                                   .Text("name", SetsuName(month.setsu()).toLower())
                                   .Text("at", place.IsoMomentAt(*almanac.setsuThisDay))
                                   .Object("before", ofMonth(*before)));
    }
    return object;
}

namespace {

JsonObject AlmanacJson(const BirthAlmanac& almanac, const Birthplace& place) {
    return AlmanacMonthJson(almanac, place).Object("dayEto", EtoJson(almanac.day));
}

}  // namespace

JsonObject KyurekiJson(const KyurekiDate& date) {
    return JsonObject()
        .Number("month", date.month)
        .Number("day", date.day)
        .Flag("leap", date.leap)
        .Text("kanji", KyurekiKanji(date));
}

JsonObject RokuyoJson(const Rokuyo& rokuyo) {
    return JsonObject().Text("kanji", rokuyo.kanji).Text("reading", rokuyo.reading).Text("kana", rokuyo.kana);
}

JsonObject WarekiJson(const Wareki& wareki) {
    return JsonObject()
        .Text("era", wareki.era)
        .Text("eraReading", wareki.eraReading)
        .Number("year", wareki.year)
        .Text("kanji", wareki.kanji);
}

// The main years as arrays, and beside each its great one, the years before
// (前厄) and after (後厄).
JsonObject YakudoshiJson(int birthYear) {
    const Yakudoshi years = YakudoshiOf(birthYear);
    JsonObject object;
    const auto add = [&](std::string_view main, std::string_view before, std::string_view after, std::string_view great,
                         const auto& mainYears, int greatYear) {
        std::vector<QByteArray> shown[3];
        for (const int year : mainYears) {
            shown[0].push_back(QByteArray::number(year));
            shown[1].push_back(QByteArray::number(year - 1));
            shown[2].push_back(QByteArray::number(year + 1));
        }
        object.Array(main, shown[0]).Array(before, shown[1]).Array(after, shown[2]).Number(great, greatYear);
    };
    add("men", "menBefore", "menAfter", "menGreat", years.men, years.menGreat);
    add("women", "womenBefore", "womenAfter", "womenGreat", years.women, years.womenGreat);
    return object;
}

void AddCalendarOfTheDay(JsonObject& object, const Birth& birth, const BirthAlmanac& almanac) {
    if (almanac.kyureki) {
        object.Object("kyureki", KyurekiJson(*almanac.kyureki));
        object.Object("rokuyo", RokuyoJson(RokuyoOf(*almanac.kyureki)));
    }
    if (const auto wareki = WarekiOf(birth.date)) object.Object("wareki", WarekiJson(*wareki));
    if (almanac.hour) object.Object("hourEto", EtoJson(*almanac.hour));
}

// Every key but the date, the time and the zone, which each birth has its own of.
JsonObject SignJsonOfTheYear(const Reading& reading, const Birthplace& place) {
    const ZodiacYear& year = reading.year.year;
    JsonObject object;
    object.Text("yearStart", YearStartName(reading.yearStart))
        .Text("sign", Name(year.sign))
        .Text("element", Name(year.element))
        .Text("japaneseName", reading.japanese.name)
        .Text("kanji", reading.japanese.kanji)
        .Text("yearBegins", IsoDate(year.begins))
        .Text("yearEnds", IsoDate(year.ends))
        .Object("profile", ProfileJson(reading.profile))
        .Text("elementDescription", reading.elementDescription)
        .Object("eto", EtoJson(reading.eto))
        .Number("kanreki", reading.kanreki)
        .Object("yakudoshi", YakudoshiJson(static_cast<int>(reading.birth.date.year())));
    if (const auto& moments = reading.year.moments) {
        object.Text("yearBeginsAt", place.IsoMomentAt(moments->begins));
        object.Text("yearEndsAt", place.IsoMomentAt(moments->ends));
    }
    if (const auto& risshun = reading.year.risshunThisDay) {
        const int before = reading.year.Number() - 1;
        object.Object("risshun", JsonObject()
                                     .Text("at", place.IsoMomentAt(*risshun))
                                     .Object("before", JsonObject()
                                                           .Text("sign", Name(SignOfYear(before)))
                                                           .Text("element", Name(ElementOfYear(before)))
                                                           .Object("eto", EtoJson(EtoOfYear(before)))));
    }
    return object;
}

// YYYY-MM-DD, as IsoDate writes it, at the speed a million dates want.
void AppendIsoDate(QByteArray& out, std::chrono::year_month_day date) {
    const int y = static_cast<int>(date.year());
    const unsigned m = static_cast<unsigned>(date.month()), d = static_cast<unsigned>(date.day());
    const char text[10] = {static_cast<char>('0' + y / 1000),
                           static_cast<char>('0' + y / 100 % 10),
                           static_cast<char>('0' + y / 10 % 10),
                           static_cast<char>('0' + y % 10),
                           '-',
                           static_cast<char>('0' + m / 10),
                           static_cast<char>('0' + m % 10),
                           '-',
                           static_cast<char>('0' + d / 10),
                           static_cast<char>('0' + d % 10)};
    out.append(text, sizeof text);
}

JsonObject SignJson(const Reading& reading, const Where& where) {
    JsonObject object = SignJsonOfTheYear(reading, where.place);
    object.Object("almanac", AlmanacJson(reading.almanac, where.place));
    AddCalendarOfTheDay(object, reading.birth, reading.almanac);
    object.Text("date", IsoDate(reading.birth.date));
    if (reading.birth.Timed()) {
        object.Text("time", GivenTime(reading.birth.minute));
        object.Text("utcOffset", UtcOffset(reading.birth));
    }
    if (reading.birth.Timed() || where.zoneShown) object.Text("zone", where.place.Name());
    return object;
}

}  // namespace zodiac::cli
