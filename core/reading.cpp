#include "core/reading.h"

#include "core/text.h"

namespace zodiac {

const QStringList& MonthNames() {
    static const QStringList names = {"January", "February", "March",     "April",   "May",      "June",
                                      "July",    "August",   "September", "October", "November", "December"};
    return names;
}

QString IsoDate(std::chrono::year_month_day day) {
    return QStringLiteral("%1-%2-%3")
        .arg(static_cast<int>(day.year()), 4, 10, QLatin1Char('0'))
        .arg(static_cast<unsigned>(day.month()), 2, 10, QLatin1Char('0'))
        .arg(static_cast<unsigned>(day.day()), 2, 10, QLatin1Char('0'));
}

QString BirthText(std::chrono::year_month_day birth) {
    return QStringLiteral("%1 %2 %3")
        .arg(static_cast<unsigned>(birth.day()))
        .arg(MonthNames()[static_cast<qsizetype>(static_cast<unsigned>(birth.month())) - 1])
        .arg(static_cast<int>(birth.year()), 4, 10, QLatin1Char('0'));
}

std::optional<Reading> ReadingOf(const QString& name, const Birth& birth, YearStart start, const Birthplace& place) {
    const auto year = YearOfBirth(birth, start, place);
    if (!year) return std::nullopt;
    return ReadingOf(name, birth, *year, start, place);
}

Reading ReadingOf(const QString& name, const Birth& birth, const BirthYear& year, YearStart start,
                  const Birthplace& place) {
    const AnimalSign sign = year.year.sign;
    return Reading{name.trimmed(),
                   birth,
                   BirthText(birth.date),
                   start,
                   year,
                   EtoOfYear(year.Number()),
                   AlmanacOf(birth, place),
                   KanrekiOf(static_cast<int>(birth.date.year())),
                   JapaneseSignOf(sign),
                   ProfileOf(sign),
                   std::string{ElementDescriptionOf(year.year.element)}};
}

Match MatchOf(Reading first, Reading second) {
    CompatibilityResult result = CompatibilityOf(first.year.year.sign, second.year.year.sign);
    return {std::move(first), std::move(second), std::move(result)};
}

ReportFacts FactsOf(const Reading& reading) {
    return {reading.name,
            reading.birthText,
            ToQString(reading.japanese.name),
            std::string{Name(reading.year.year.sign)},
            std::string{Name(reading.year.year.element)},
            reading.elementDescription,
            reading.profile,
            QString()};
}

}  // namespace zodiac
