#include "cli/output.h"

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
        .arg(ToQString(Name(reading.year.element)), ToQString(Name(reading.year.sign)),
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

// "  Eto 乙卯 (kinoto-u, きのとう), 52nd of 60; kanreki in 2035": within 80
// columns for the longest reading, 己未 (tsuchinoto-hitsuji, つちのとひつじ).
QString EtoLine(const Reading& reading) {
    const Eto& eto = reading.eto;
    return QStringLiteral("  Eto %1 (%2, %3), %4 of 60; kanreki in %5\n")
        .arg(ToQString(eto.Kanji()), ToQString(eto.Reading()), ToQString(eto.Kana()), Ordinal(eto.number))
        .arg(reading.kanreki);
}

QString Heading(const Reading& reading) {
    return IsoDate(reading.birth) + HeadingAfterDate(reading) + EtoLine(reading);
}

// "Lunar", "Calendar", "Risshun": the years of the year start.
QString YearWord(YearStart start) {
    const std::string_view years = InfoOf(start).years;
    QString word = QString::fromUtf8(years.data(), static_cast<qsizetype>(years.size()));
    if (!word.isEmpty()) word[0] = word[0].toUpper();
    return word;
}

QString YearLine(const Reading& reading) {
    return QStringLiteral("  %1 year from %2 to %3\n")
        .arg(YearWord(reading.yearStart), IsoDate(reading.year.begins), IsoDate(reading.year.ends));
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
QString SignTextAfterDate(const Reading& reading) {
    QString text = HeadingAfterDate(reading) + EtoLine(reading) + YearLine(reading) + QLatin1Char('\n');
    for (const Field& field : kFields) text += Row(QLatin1String(field.label), ToQString(reading.profile[field.field]));
    text +=
        Row(QStringLiteral("Element: ") + ToQString(Name(reading.year.element)), ToQString(reading.elementDescription));
    return text;
}

QJsonObject SignJsonWithoutDate(const Reading& reading) {
    return {
        {QStringLiteral("yearStart"), YearStartName(reading.yearStart)},
        {QStringLiteral("sign"), ToQString(Name(reading.year.sign))},
        {QStringLiteral("element"), ToQString(Name(reading.year.element))},
        {QStringLiteral("japaneseName"), ToQString(reading.japanese.name)},
        {QStringLiteral("kanji"), ToQString(reading.japanese.kanji)},
        {QStringLiteral("yearBegins"), IsoDate(reading.year.begins)},
        {QStringLiteral("yearEnds"), IsoDate(reading.year.ends)},
        {QStringLiteral("profile"), ProfileJson(reading.profile)},
        {QStringLiteral("elementDescription"), ToQString(reading.elementDescription)},
        {QStringLiteral("eto"), EtoJson(reading.eto)},
        {QStringLiteral("kanreki"), reading.kanreki},
    };
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

QByteArray MatchText(const Match& match) {
    const CompatibilityResult& result = match.compatibility;
    QString text = Heading(match.first) + Heading(match.second) + QLatin1Char('\n');
    text += QStringLiteral("Compatibility %1 of 10 (%2): %3\n\n")
                .arg(result.number)
                .arg(ToQString(result.percentage), ToQString(result.rating).trimmed());
    text += WrapText(ToQString(result.text), kWidth, QString()) + QLatin1Char('\n');
    return text.toUtf8();
}

QJsonObject SignJson(const Reading& reading) {
    QJsonObject object = SignJsonWithoutDate(reading);
    object.insert(QStringLiteral("date"), IsoDate(reading.birth));
    return object;
}

QByteArray JsonLine(const QJsonObject& object) { return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n'; }

QJsonObject MatchJson(const Match& match) {
    const CompatibilityResult& result = match.compatibility;
    return {
        {QStringLiteral("first"), SignJson(match.first)},
        {QStringLiteral("second"), SignJson(match.second)},
        {QStringLiteral("number"), result.number},
        {QStringLiteral("percentage"), ToQString(result.percentage)},
        // The lowest rating has always carried a leading blank; a script should not have to know.
        {QStringLiteral("rating"), ToQString(result.rating).trimmed()},
        {QStringLiteral("text"), ToQString(result.text)},
    };
}

void SignEntries::Append(QByteArray& out, std::chrono::year_month_day date) {
    const int yearBegins = std::chrono::sys_days(FindZodiacYear(date, start_)->begins).time_since_epoch().count();
    auto [entry, isNew] = afterTheDate_.try_emplace(yearBegins);
    if (isNew) {
        const Reading reading = *ReadingOf({}, date, start_);
        if (form_ == Text) {
            entry->second = SignTextAfterDate(reading).toUtf8();
        } else {
            // Keys go in alphabetical order and "date" leads them, so an entry
            // is its date and then the rest of the object, past its brace.
            entry->second = "\"," + JsonLine(SignJsonWithoutDate(reading)).mid(1);
        }
    }
    if (form_ == Text) {
        if (!first_) out += '\n';
        AppendIsoDate(out, date);
    } else {
        out += "{\"date\":\"";
        AppendIsoDate(out, date);
    }
    out += entry->second;
    first_ = false;
}

}  // namespace zodiac::cli
