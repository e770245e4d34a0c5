#include "core/birthplace.h"

#include <QDateTime>
#include <QRegularExpression>
#include <algorithm>
#include <functional>
#include <ranges>

namespace zodiac {
namespace {

using std::chrono::days;
using std::chrono::floor;
using std::chrono::seconds;
using std::chrono::sys_days;
using std::chrono::sys_seconds;
using std::chrono::year_month_day;

constexpr int kFirstRisshun = 1900, kLastRisshun = 2101;
// The setsu from the shōkan of 1900 to the risshun of 2101, counted from 0.
constexpr int kSetsuDays = (kLastRisshun - kFirstRisshun) * static_cast<int>(kSetsuCount) + 2;

// UTC+09:00, UTC-03:30: a fixed offset, within the fourteen hours clocks keep.
std::optional<int> FixedOffset(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^UTC([+-])([0-9]{2}):([0-9]{2})$"));
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch()) return std::nullopt;
    const int hours = match.captured(2).toInt(), minutes = match.captured(3).toInt();
    if (minutes > 59 || hours * 60 + minutes > 14 * 60) return std::nullopt;
    return (match.captured(1) == u"-" ? -1 : 1) * (hours * 3600 + minutes * 60);
}

// Only names the database could hold: parts of letters, digits, _, - and +
// between single slashes, so no path out of it and no empty part.
bool LooksLikeAZoneName(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("\\A[A-Za-z0-9_+-]+(/[A-Za-z0-9_+-]+)*\\z"));
    return name.size() <= 64 && pattern.match(name).hasMatch();
}

QDateTime Utc(sys_seconds moment) { return QDateTime::fromSecsSinceEpoch(moment.time_since_epoch().count(), Qt::UTC); }

// The solar month a day falls in on the clock, each setsu's day counting to the
// month it begins; `onItsSetsu` tells whether the day is that day. Nothing
// before the shōkan of 1900 or from the risshun of 2101.
std::optional<SolarMonth> MonthOfTheDay(year_month_day date, const Birthplace& place, bool& onItsSetsu) {
    const auto dayOf = [&](int setsu) { return sys_days{place.SetsuDay(setsu)}; };
    const sys_days day{date};
    if (!date.ok() || day < dayOf(0)) return std::nullopt;
    // The last setsu whose day is on or before the birth's: as many follow the
    // shōkan of 1900 as have days on or before it.
    const auto later = std::views::iota(1, kSetsuDays);
    const int setsu =
        static_cast<int>(std::ranges::partition_point(later, [&](int s) { return dayOf(s) <= day; }) - later.begin());
    onItsSetsu = dayOf(setsu) == day;
    return SolarMonthNumbered(kFirstRisshun, setsu - 1);
}

}  // namespace

std::optional<Birthplace> Birthplace::Named(const QString& name) {
    if (const auto offset = FixedOffset(name)) return Birthplace(name, QTimeZone(*offset));
    if (!LooksLikeAZoneName(name)) return std::nullopt;
    QTimeZone zone(name.toLatin1());
    if (!zone.isValid()) return std::nullopt;
    return Birthplace(name, std::move(zone));
}

int Birthplace::OffsetAt(sys_seconds moment) const { return zone_.offsetFromUtc(Utc(moment)); }

Birthplace::Moments Birthplace::MomentsOf(year_month_day day, int minute) const {
    // The clock time read as if it were UTC; a moment it names is that less its
    // offset, and an offset counts only if it is the one in force at that moment.
    // Every offset that could be is in force within a day either side.
    const sys_seconds asUtc = sys_days{day} + seconds{minute * 60};
    const int before = OffsetAt(asUtc - days{1});
    const int atBefore = OffsetAt(asUtc - seconds{before});  // in force at the moment `before` names
    std::array<int, 3> candidates = {before, OffsetAt(asUtc + days{1}), atBefore};
    // The larger offset reaches the moment first.
    std::sort(candidates.begin(), candidates.end(), std::greater<>());
    Moments found;
    for (std::size_t i = 0; i < candidates.size() && found.count < 2; ++i) {
        if (i > 0 && candidates[i] == candidates[i - 1]) continue;
        const sys_seconds moment = asUtc - seconds{candidates[i]};
        const int inForce = candidates[i] == before ? atBefore : OffsetAt(moment);
        if (inForce != candidates[i]) continue;
        found.moment[static_cast<std::size_t>(found.count)] = moment;
        found.offset[static_cast<std::size_t>(found.count)] = candidates[i];
        ++found.count;
    }
    return found;
}

year_month_day Birthplace::DayAt(sys_seconds moment) const {
    return year_month_day{floor<days>(moment + seconds{OffsetAt(moment)})};
}

QString Birthplace::ClockAt(sys_seconds moment) const {
    const QDateTime utc = Utc(moment);
    return utc.toTimeZone(zone_).toString(QStringLiteral("HH:mm ")) + zone_.abbreviation(utc);
}

QString Birthplace::IsoMomentAt(sys_seconds moment) const {
    return Utc(moment).toTimeZone(zone_).toString(Qt::ISODate);
}

year_month_day Birthplace::SetsuDay(int index) const {
    // Each day is worked out when first asked: one date asks a dozen, a million
    // dates all of them once.
    if (setsuDays_.empty()) setsuDays_.resize(kSetsuDays);
    year_month_day& day = setsuDays_.at(static_cast<std::size_t>(index));
    const int count = static_cast<int>(kSetsuCount);
    if (!day.ok()) day = DayAt(*SetsuMoment(kFirstRisshun + index / count, static_cast<Setsu>(index % count)));
    return day;
}

year_month_day Birthplace::RisshunDay(int year) const {
    return SetsuDay((year - kFirstRisshun) * static_cast<int>(kSetsuCount) + static_cast<int>(Setsu::Risshun));
}

std::optional<BirthYear> YearOfBirth(const Birth& birth, YearStart start, const Birthplace& place) {
    if (start != YearStart::Risshun) {
        const auto year = FindZodiacYear(birth.date, start);
        if (!year) return std::nullopt;
        return BirthYear{*year, std::nullopt, std::nullopt};
    }
    const auto yearOf = [&](int number, year_month_day ends) {
        return ZodiacYear{place.RisshunDay(number), ends, SignOfYear(number), ElementOfYear(number)};
    };
    if (birth.Timed()) {
        const auto moments = RisshunYearAt(birth.moment);
        if (!moments) return std::nullopt;
        return BirthYear{yearOf(moments->number, place.RisshunDay(moments->number + 1)), moments, std::nullopt};
    }
    // The year of the day's solar month: the day of risshun begins its tora month.
    bool onItsSetsu = false;
    const auto month = MonthOfTheDay(birth.date, place, onItsSetsu);
    if (!month || month->year < kFirstRisshun) return std::nullopt;
    const int number = month->year;
    BirthYear found{yearOf(number, year_month_day{sys_days{place.RisshunDay(number + 1)} - days{1}}), std::nullopt,
                    std::nullopt};
    if (onItsSetsu && month->index == 0) found.risshunThisDay = month->begins;
    return found;
}

BirthAlmanac AlmanacOf(const Birth& birth, const Birthplace& place) {
    BirthAlmanac almanac{std::nullopt, DayEto(birth.date), std::nullopt};
    if (birth.Timed()) {
        almanac.month = SolarMonthAt(birth.moment);
        return almanac;
    }
    bool onItsSetsu = false;
    almanac.month = MonthOfTheDay(birth.date, place, onItsSetsu);
    if (almanac.month && onItsSetsu) almanac.setsuThisDay = almanac.month->begins;
    return almanac;
}

DateRange CoverageIn(YearStart start, const Birthplace& place) {
    if (start != YearStart::Risshun) return Coverage(start);
    return {place.RisshunDay(kFirstRisshun), year_month_day{sys_days{place.RisshunDay(kLastRisshun)} - days{1}}};
}

}  // namespace zodiac
