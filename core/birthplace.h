#pragma once

#include <QString>
#include <QTimeZone>
#include <array>
#include <chrono>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/almanac.h"
#include "engine/solar_terms.h"
#include "engine/zodiac_year.h"

namespace zodiac {

// A birth as its birthplace's clock tells it: the day and, when it was given,
// the minute, with the moment that clock time names.
struct Birth {
    std::chrono::year_month_day date;
    std::int16_t minute = -1;           // of the day, 0 to 1439; -1 when no time was given
    std::chrono::sys_seconds moment{};  // when a time was given
    bool Timed() const { return minute >= 0; }
};

// The clock of a birthplace, from the system's time zone database.
class Birthplace {
public:
    static constexpr const char* kDefault = "Asia/Tokyo";

    // An IANA name (Asia/Tokyo, America/New_York) or a fixed offset from UTC
    // (UTC+09:00, UTC-03:30); nothing for a name the system's database does not know.
    static std::optional<Birthplace> Named(const QString& name);

    // The name as it was given.
    const QString& Name() const { return name_; }

    // What a clock time on a day names: usually one moment; none in a gap where
    // the clock springs forward; two, the earlier first, in an hour it falls back.
    struct Moments {
        int count = 0;
        std::array<std::chrono::sys_seconds, 2> moment{};
        std::array<int, 2> offset{};  // seconds east of UTC for each
    };
    Moments MomentsOf(std::chrono::year_month_day day, int minute) const;

    // The day on the clock at a moment; and the clock time with the zone's
    // abbreviation, "23:58 JST".
    std::chrono::year_month_day DayAt(std::chrono::sys_seconds moment) const;
    QString ClockAt(std::chrono::sys_seconds moment) const;
    // The moment on the clock to the second, with its offset: 2021-02-03T23:58:38+09:00.
    QString IsoMomentAt(std::chrono::sys_seconds moment) const;

    // The day risshun fell on this clock in `year`, 1900 to 2101.
    std::chrono::year_month_day RisshunDay(int year) const;
    // The day a setsu fell on this clock, counting from the shōkan of 1900 (0) to
    // the risshun of 2101.
    std::chrono::year_month_day SetsuDay(int index) const;

private:
    Birthplace(QString name, QTimeZone zone) : name_(std::move(name)), zone_(std::move(zone)) {}
    int OffsetAt(std::chrono::sys_seconds moment) const;

    QString name_;
    QTimeZone zone_;
    mutable std::vector<std::chrono::year_month_day> setsuDays_;  // made when first asked
};

// A birth's zodiac year, in days on the birthplace's clock.
struct BirthYear {
    ZodiacYear year;
    // Under risshun with a time: the moments it runs between (it ends on the day
    // of its last moment rather than the day before).
    std::optional<RisshunYear> moments;
    // Under risshun without a time, on the day of a risshun: its moment, before
    // which the year before still ran.
    std::optional<std::chrono::sys_seconds> risshunThisDay;
    int Number() const { return static_cast<int>(year.begins.year()); }
};

// The zodiac year of a birth: under the lunar and 1 January year starts by the
// day on the birthplace's clock; under risshun by the moment when a time was
// given, otherwise by the day, the day of risshun counting to the new year.
// Nothing outside what the year start covers.
std::optional<BirthYear> YearOfBirth(const Birth& birth, YearStart start, const Birthplace& place);

// The almanac of a birth, the same under every year start: the solar month and
// the nine stars turn at the moment of a setsu when a time was given, otherwise
// by its day on the birthplace's clock; the day's eto with the day on that clock.
struct BirthAlmanac {
    std::optional<SolarMonth> month;  // nothing before the shōkan of 1900
    Eto day;
    // Without a time, on the day of a setsu: its moment, before which the month
    // before still ran.
    std::optional<std::chrono::sys_seconds> setsuThisDay;
};
BirthAlmanac AlmanacOf(const Birth& birth, const Birthplace& place);

// The days a year start covers on the birthplace's clock, for a birth without a time.
DateRange CoverageIn(YearStart start, const Birthplace& place);

}  // namespace zodiac
