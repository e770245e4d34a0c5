#include "core/reading.h"

#include <array>

#include "core/main_command.h"
#include "core/text.h"
#include "engine/compatibility_tables.h"

namespace zodiac {
namespace {

constexpr std::array<const char*, 12> kMonthNames = {"January",   "February", "March",    "April",
                                                     "May",       "June",     "July",     "August",
                                                     "September", "October",  "November", "December"};

}  // namespace

QString IsoDate(std::chrono::year_month_day day) {
    return QStringLiteral("%1-%2-%3")
        .arg(static_cast<int>(day.year()), 4, 10, QLatin1Char('0'))
        .arg(static_cast<unsigned>(day.month()), 2, 10, QLatin1Char('0'))
        .arg(static_cast<unsigned>(day.day()), 2, 10, QLatin1Char('0'));
}

QString BirthText(std::chrono::year_month_day birth) {
    return QStringLiteral("%1 %2 %3")
        .arg(static_cast<unsigned>(birth.day()))
        .arg(QLatin1String(kMonthNames[static_cast<unsigned>(birth.month()) - 1]))
        .arg(static_cast<int>(birth.year()), 4, 10, QLatin1Char('0'));
}

std::optional<Reading> ReadingOf(const QString& name, std::chrono::year_month_day birth, YearStart start) {
    const auto year = FindZodiacYear(birth, start);
    if (!year) return std::nullopt;
    ProfileLookup profiles;
    return Reading{name.trimmed(),
                   birth,
                   BirthText(birth),
                   start,
                   *year,
                   kJapaneseSigns[Index(year->sign)],
                   *profiles.GetSignProfile(Name(year->sign)),
                   profiles.GetElementDescription(Name(year->element))};
}

Match MatchOf(Reading first, Reading second) {
    Compatibility compatibility;
    CompatibilityResult result;
    CompareSigns(compatibility, Name(first.year.sign), Name(second.year.sign), result);
    return {std::move(first), std::move(second), std::move(result)};
}

ReportFacts FactsOf(const Reading& reading) {
    return {reading.name,
            reading.birthText,
            ToQString(reading.japanese.name),
            std::string{Name(reading.year.sign)},
            std::string{Name(reading.year.element)},
            reading.elementDescription,
            reading.profile};
}

}  // namespace zodiac
