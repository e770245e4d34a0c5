#include "core/birthplace.h"

#include <QDateTime>
#include <QRegularExpression>
#include <algorithm>

namespace zodiac {
namespace {

using std::chrono::days;
using std::chrono::floor;
using std::chrono::seconds;
using std::chrono::sys_days;
using std::chrono::sys_seconds;
using std::chrono::year_month_day;

constexpr int kFirstRisshun = 1900, kLastRisshun = 2101;

// UTC+09:00, UTC-03:30: a fixed offset, within the fourteen hours clocks keep.
std::optional<int> FixedOffset(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^UTC([+-])([0-9]{2}):([0-9]{2})$"));
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch()) return std::nullopt;
    const int hours = match.captured(2).toInt(), minutes = match.captured(3).toInt();
    if (minutes > 59 || hours * 60 + minutes > 14 * 60) return std::nullopt;
    return (match.captured(1) == u"-" ? -1 : 1) * (hours * 3600 + minutes * 60);
}

// Only names the database could hold: no path out of it, no empty part.
bool LooksLikeAZoneName(const QString& name) {
    if (name.isEmpty() || name.size() > 64 || name.startsWith(u'/') || name.endsWith(u'/')) return false;
    for (const QString& part : name.split(u'/')) {
        if (part.isEmpty() || part == u"." || part == u"..") return false;
    }
    for (const QChar c : name) {
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80) && c != u'/' && c != u'_' && c != u'-' && c != u'+')
            return false;
    }
    return true;
}

QDateTime Utc(sys_seconds moment) { return QDateTime::fromSecsSinceEpoch(moment.time_since_epoch().count(), Qt::UTC); }

// The solar month a day falls in on the clock, each setsu's day counting to the
// month it begins; `onItsSetsu` tells whether the day is that day. Nothing
// before the shōkan of 1900 or from the risshun of 2101.
std::optional<SolarMonth> MonthOfTheDay(year_month_day date, const Birthplace& place, bool& onItsSetsu) {
    const auto dayOf = [&](int setsu) {
        return sys_days{place.SetsuDay(kFirstRisshun + setsu / static_cast<int>(kSetsuCount),
                                       static_cast<Setsu>(setsu % static_cast<int>(kSetsuCount)))};
    };
    const sys_days day{date};
    constexpr int kSetsu = (kLastRisshun - kFirstRisshun) * static_cast<int>(kSetsuCount) + 2;
    if (!date.ok() || day < dayOf(0)) return std::nullopt;
    int low = 0, high = kSetsu;  // the day of `low` on or before the birth's; of `high` after, or none
    while (high - low > 1) {
        const int middle = (low + high) / 2;
        (dayOf(middle) <= day ? low : high) = middle;
    }
    onItsSetsu = dayOf(low) == day;
    return SolarMonthNumbered(kFirstRisshun, low - 1);
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
    std::array<int, 3> candidates = {OffsetAt(asUtc - days{1}), OffsetAt(asUtc + days{1}), 0};
    candidates[2] = OffsetAt(asUtc - seconds{candidates[0]});
    std::sort(candidates.begin(), candidates.end());
    Moments found;
    for (std::size_t i = 0; i < candidates.size(); ++i) {
        if (i > 0 && candidates[i] == candidates[i - 1]) continue;
        const sys_seconds moment = asUtc - seconds{candidates[i]};
        if (OffsetAt(moment) != candidates[i] || found.count == 2) continue;
        found.moment[static_cast<std::size_t>(found.count)] = moment;
        found.offset[static_cast<std::size_t>(found.count)] = candidates[i];
        ++found.count;
    }
    // The larger offset reaches the moment first.
    if (found.count == 2) {
        std::swap(found.moment[0], found.moment[1]);
        std::swap(found.offset[0], found.offset[1]);
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

year_month_day Birthplace::SetsuDay(int year, Setsu setsu) const {
    // Each day is worked out when first asked: one date asks a dozen, a million
    // dates all of them once.
    constexpr std::size_t kSetsu = (kLastRisshun - kFirstRisshun) * kSetsuCount + 2;
    if (setsuDays_.empty()) setsuDays_.resize(kSetsu);
    const std::size_t index = std::min(
        static_cast<std::size_t>(year - kFirstRisshun) * kSetsuCount + static_cast<std::size_t>(setsu), kSetsu - 1);
    year_month_day& day = setsuDays_[index];
    if (!day.ok())
        day = DayAt(*SetsuMoment(kFirstRisshun + static_cast<int>(index / kSetsuCount),
                                 static_cast<Setsu>(index % kSetsuCount)));
    return day;
}

year_month_day Birthplace::RisshunDay(int year) const {
    return SetsuDay(std::clamp(year, kFirstRisshun, kLastRisshun), Setsu::Risshun);
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
