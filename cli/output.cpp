#include "cli/output.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QStringList>
#include <array>

#include "cli/commands.h"
#include "cli/dates.h"
#include "core/text.h"

namespace zodiac::cli {
namespace {

constexpr int kWidth = 80;
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
    for (const QString& paragraph : paragraphs) {
        for (const QString& word : paragraph.split(u' ', Qt::SkipEmptyParts)) {
            if (!line.isEmpty() && line.size() + 1 + word.size() > width) flush();
            line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
        }
        flush();  // an empty paragraph gives an empty line
    }
    return out;
}

namespace {

// The heading without the date it starts with.
QString HeadingAfterDate(const Reading& reading) {
    return QStringLiteral(": %1 %2, %3 %4\n")
        .arg(ToQString(Name(reading.year.year.element)), ToQString(Name(reading.year.year.sign)),
             ToQString(reading.japanese.name), ToQString(reading.japanese.kanji));
}

QString Ordinal(int n) {
    const int lastTwo = n % 100, last = n % 10;
    const char* suffix = lastTwo >= 11 && lastTwo <= 13 ? "th"
                         : last == 1                    ? "st"
                         : last == 2                    ? "nd"
                         : last == 3                    ? "rd"
                                                        : "th";
    return QString::number(n) + QLatin1String(suffix);
}

QString EtoText(const Eto& eto) {
    return ToQString(eto.Kanji()) + QStringLiteral(" (") + ToQString(eto.Reading()) + QStringLiteral(", ") +
           ToQString(eto.Kana()) + QLatin1Char(')');
}

// "  Eto 乙卯 (kinoto-u, きのとう), 52nd of 60" and the kanreki under it; the
// longest reading, 己未 (tsuchinoto-hitsuji, つちのとひつじ), takes 59 columns.
QString EtoLines(const Reading& reading) {
    return QStringLiteral("  Eto %1, %2 of 60\n  Kanreki (60th birthday) in %3\n")
        .arg(EtoText(reading.eto), Ordinal(reading.eto.number))
        .arg(reading.kanreki);
}

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

// HH:MM, the minute of the day.
QString GivenTime(int minute) {
    return QStringLiteral("%1:%2").arg(minute / 60, 2, 10, QLatin1Char('0')).arg(minute % 60, 2, 10, QLatin1Char('0'));
}

// The offset from UTC in force at a birth given with a time, "+09:00": the
// clock time less the moment it names.
QString UtcOffset(const Birth& birth) {
    const auto local = std::chrono::sys_days{birth.date} + std::chrono::minutes{birth.minute};
    return OffsetName(static_cast<int>((local - birth.moment).count())).mid(3);
}

// The date as it was given: YYYY-MM-DD, with THH:MM when a time was.
QString GivenDate(const Birth& birth) {
    return birth.Timed() ? IsoDate(birth.date) + QLatin1Char('T') + GivenTime(birth.minute) : IsoDate(birth.date);
}

QString Heading(const Reading& reading, const Birthplace& place) {
    return GivenDate(reading.birth) + HeadingAfterDate(reading) + EtoLines(reading) + RisshunDayLine(reading, place);
}

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

QJsonObject EtoJson(const Eto& eto) {
    return {
        {QStringLiteral("kanji"), ToQString(eto.Kanji())},
        {QStringLiteral("reading"), ToQString(eto.Reading())},
        {QStringLiteral("kana"), ToQString(eto.Kana())},
        {QStringLiteral("number"), eto.number},
    };
}

QJsonObject ProfileJson(const SignProfile& profile) {
    QJsonObject object;
    for (const Field& field : kFields) object.insert(QLatin1String(field.key), ToQString(profile[field.field]));
    return object;
}

// A sign's text without the date it starts with.
QString SignTextAfterDate(const Reading& reading, const Birthplace& place) {
    QString text = HeadingAfterDate(reading) + EtoLines(reading) + RisshunDayLine(reading, place) +
                   YearLine(reading, place) + QLatin1Char('\n');
    for (const Field& field : kFields) text += Row(QLatin1String(field.label), ToQString(reading.profile[field.field]));
    text += Row(QStringLiteral("Element: ") + ToQString(Name(reading.year.year.element)),
                ToQString(reading.elementDescription));
    return text;
}

// Every key but the date, the time and the zone, which each birth has its own of.
QJsonObject SignJsonOfTheYear(const Reading& reading, const Birthplace& place) {
    const ZodiacYear& year = reading.year.year;
    QJsonObject object = {
        {QStringLiteral("yearStart"), YearStartName(reading.yearStart)},
        {QStringLiteral("sign"), ToQString(Name(year.sign))},
        {QStringLiteral("element"), ToQString(Name(year.element))},
        {QStringLiteral("japaneseName"), ToQString(reading.japanese.name)},
        {QStringLiteral("kanji"), ToQString(reading.japanese.kanji)},
        {QStringLiteral("yearBegins"), IsoDate(year.begins)},
        {QStringLiteral("yearEnds"), IsoDate(year.ends)},
        {QStringLiteral("profile"), ProfileJson(reading.profile)},
        {QStringLiteral("elementDescription"), ToQString(reading.elementDescription)},
        {QStringLiteral("eto"), EtoJson(reading.eto)},
        {QStringLiteral("kanreki"), reading.kanreki},
    };
    if (const auto& moments = reading.year.moments) {
        object.insert(QStringLiteral("yearBeginsAt"), place.IsoMomentAt(moments->begins));
        object.insert(QStringLiteral("yearEndsAt"), place.IsoMomentAt(moments->ends));
    }
    if (const auto& risshun = reading.year.risshunThisDay) {
        const int before = reading.year.Number() - 1;
        object.insert(QStringLiteral("risshun"),
                      QJsonObject{{QStringLiteral("at"), place.IsoMomentAt(*risshun)},
                                  {QStringLiteral("before"),
                                   QJsonObject{{QStringLiteral("sign"), ToQString(Name(SignOfYear(before)))},
                                               {QStringLiteral("element"), ToQString(Name(ElementOfYear(before)))},
                                               {QStringLiteral("eto"), EtoJson(EtoOfYear(before))}}}});
    }
    return object;
}

// The keys of an object that sort before `key` or after it, as compact JSON
// without the braces.
QByteArray Members(const QJsonObject& object, QStringView key, bool before) {
    QJsonObject part;
    for (auto it = object.begin(); it != object.end(); ++it) {
        if ((it.key() < key) == before) part.insert(it.key(), it.value());
    }
    const QByteArray line = QJsonDocument(part).toJson(QJsonDocument::Compact);
    return line.mid(1, line.size() - 2);
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

}  // namespace

QByteArray MatchText(const Match& match, const Birthplace& place) {
    const CompatibilityResult& result = match.compatibility;
    QString text = Heading(match.first, place) + Heading(match.second, place) + QLatin1Char('\n');
    text += QStringLiteral("Compatibility %1 of 10 (%2): %3\n\n")
                .arg(result.number)
                .arg(ToQString(result.percentage), ToQString(result.rating).trimmed());
    text += WrapText(ToQString(result.text), kWidth, QString()) + QLatin1Char('\n');
    return text.toUtf8();
}

QJsonObject SignJson(const Reading& reading, const Where& where) {
    QJsonObject object = SignJsonOfTheYear(reading, where.place);
    object.insert(QStringLiteral("date"), IsoDate(reading.birth.date));
    if (reading.birth.Timed()) {
        object.insert(QStringLiteral("time"), GivenTime(reading.birth.minute));
        object.insert(QStringLiteral("utcOffset"), UtcOffset(reading.birth));
    }
    if (reading.birth.Timed() || where.zoneShown) object.insert(QStringLiteral("zone"), where.place.Name());
    return object;
}

QByteArray JsonLine(const QJsonObject& object) { return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n'; }

QJsonObject MatchJson(const Match& match, const Where& where) {
    const CompatibilityResult& result = match.compatibility;
    return {
        {QStringLiteral("first"), SignJson(match.first, where)},
        {QStringLiteral("second"), SignJson(match.second, where)},
        {QStringLiteral("number"), result.number},
        {QStringLiteral("percentage"), ToQString(result.percentage)},
        // The lowest rating has always carried a leading blank; a script should not have to know.
        {QStringLiteral("rating"), ToQString(result.rating).trimmed()},
        {QStringLiteral("text"), ToQString(result.text)},
    };
}

SignEntries::SignEntries(Form form, YearStart start, Where where) : form_(form), start_(start), where_(where) {
    const QByteArray array = QJsonDocument(QJsonArray{where.place.Name()}).toJson(QJsonDocument::Compact);
    zone_ = array.mid(1, array.size() - 2);
}

void SignEntries::Append(QByteArray& out, const Birth& birth) {
    const BirthYear year = *YearOfBirth(birth, start_, where_.place);
    // What the rest of an entry depends on: the zodiac year, the calendar year
    // (for kanreki), whether a time was given and whether it is a day of risshun.
    const std::int64_t key =
        ((std::int64_t{year.Number()} * 4096 + static_cast<int>(birth.date.year())) * 2 + (birth.Timed() ? 1 : 0)) * 2 +
        (year.risshunThisDay ? 1 : 0);
    auto [entry, isNew] = made_.try_emplace(key);
    Made& made = entry->second;
    if (isNew) {
        const Reading reading = *ReadingOf({}, birth, start_, where_.place);
        if (form_ == Text) {
            made.text = SignTextAfterDate(reading, where_.place).toUtf8();
        } else {
            // Keys go in alphabetical order: "date" leads them, and "time",
            // "utcOffset" and "zone" stand among them, so an entry is made of
            // the pieces around those.
            const QJsonObject object = SignJsonOfTheYear(reading, where_.place);
            made.beforeTime = "\"," + Members(object, u"time", true);
            made.afterTime = Members(object, u"time", false);
        }
    }
    if (form_ == Text) {
        if (!first_) out += '\n';
        AppendIsoDate(out, birth.date);
        if (birth.Timed()) out += 'T' + GivenTime(birth.minute).toLatin1();
        out += made.text;
    } else {
        out += "{\"date\":\"";
        AppendIsoDate(out, birth.date);
        out += made.beforeTime;
        if (birth.Timed()) {
            out += ",\"time\":\"" + GivenTime(birth.minute).toLatin1() + "\",\"utcOffset\":\"" +
                   UtcOffset(birth).toLatin1() + '"';
        }
        out += ',';
        out += made.afterTime;
        if (birth.Timed() || where_.zoneShown) {
            out += ",\"zone\":";
            out += zone_;
        }
        out += "}\n";
    }
    first_ = false;
}

}  // namespace zodiac::cli
