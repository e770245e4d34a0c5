#include "core/reading.h"

#include <array>

#include "engine/compatibility_tables.h"

namespace zodiac {
namespace {

constexpr std::array<const char*, 12> kMonthNames = {"January",   "February", "March",    "April",
                                                     "May",       "June",     "July",     "August",
                                                     "September", "October",  "November", "December"};

QString Text(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

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
    const std::string_view user = Name(first.year.sign), partner = Name(second.year.sign);
    CompatibilityResult result;
    result.number = compatibility.GetCompatibilityNumber(user, partner);
    result.text = compatibility.GetCompatibilityText(user, partner).text;
    if (const auto rating = compatibility.RateCompatibility(result.number)) {
        result.percentage = rating->percentage;
        result.rating = rating->rating;
    }
    return {std::move(first), std::move(second), std::move(result)};
}

ReportFacts FactsOf(const Reading& reading) {
    return {reading.name,
            reading.birthText,
            Text(reading.japanese.name),
            std::string{Name(reading.year.sign)},
            std::string{Name(reading.year.element)},
            reading.elementDescription,
            reading.profile};
}

}  // namespace zodiac
