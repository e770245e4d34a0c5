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

// An offset from UTC as ISO 8601 and Python's isoformat() write it: "+09:00",
// "-03:30", and with its seconds when it has them, as local mean time
// does: "+05:41:16".
QString OffsetText(int seconds);

// The clock of a birthplace, from the system's time zone database.
class Birthplace {
public:
    static constexpr const char* kDefault = "Asia/Tokyo";
    // The offsets clocks keep, from Baker Island's to Kiribati's.
    static constexpr int kWestmostOffset = -12 * 3600, kEastmostOffset = 14 * 3600;

    // A zone the system's time zone database lists, as a zone or another name
    // for one (Asia/Tokyo, America/New_York, Japan, UTC), or a fixed offset from
    // UTC within the offsets clocks keep (UTC+09:00, UTC-03:30, UTC+9: see
    // OffsetNamed); nothing for any other name, which the database would
    // otherwise read as a POSIX rule (JST, JST-9) and answer wrongly.
    static std::optional<Birthplace> Named(const QString& name);
    // The offset a name in the fixed form gives, in seconds east of UTC, whatever
    // its size: UTC, then + or - and the hours, with :MM and then :SS if any
    // (UTC+9, UTC-03:30, UTC+05:41:16); nothing for a name in another form.
    static std::optional<int> OffsetNamed(const QString& name);
    // For a name Named refused, the names it may have meant, best first: the
    // offset in the fixed form (utc+9, GMT+9), zones whose name or last part it
    // is in other letters (tokyo, new york), the zones that use it as their
    // abbreviation and their offsets (JST, or JST-9 as a POSIX rule). Slow: it
    // reads the whole database.
    static QStringList NamesLike(const QString& name);

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
    // Whether the clock showed the day at all: Samoa's skipped 30 December 2011.
    bool ShowedDay(std::chrono::year_month_day day) const;
    // Where the clock sprang over a time it never showed: from the clock time
    // `from` (the first it skipped) straight to `to`, as its offset went from
    // `before` to `after`.
    struct Jump {
        std::chrono::sys_seconds from, to;  // clock times, written as if they were UTC
        int before = 0, after = 0;
    };
    std::optional<Jump> JumpOver(std::chrono::year_month_day day, int minute) const;

    // The day on the clock at a moment; and the clock time with the zone's
    // abbreviation, "23:58 JST", or "23:58:38 JST" with its seconds.
    std::chrono::year_month_day DayAt(std::chrono::sys_seconds moment) const;
    QString ClockAt(std::chrono::sys_seconds moment, bool withSeconds = false) const;
    // The moment on the clock to the second, with its offset:
    // 2021-02-03T23:58:38+09:00, 1900-02-04T11:32:48+05:41:16.
    QString IsoMomentAt(std::chrono::sys_seconds moment) const;
    // The offset from UTC in force at a moment, in seconds east of it.
    int OffsetAt(std::chrono::sys_seconds moment) const;

    // The day risshun fell on this clock in `year`, 1900 to 2101.
    std::chrono::year_month_day RisshunDay(int year) const;
    // The day a setsu fell on this clock, counting from the taisetsu of 1899 (0)
    // to the risshun of 2101.
    std::chrono::year_month_day SetsuDay(int index) const;

private:
    Birthplace(QString name, QTimeZone zone) : name_(std::move(name)), zone_(std::move(zone)) {}

    QString name_;
    QTimeZone zone_;
    // Made when first asked:
    mutable std::vector<std::chrono::year_month_day> setsuDays_;
    mutable std::optional<std::vector<std::chrono::sys_days>> skippedDays_;  // 1900 to 2100
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
BirthAlmanac AlmanacOf(const Birth& birth, const Birthplace& place);

// The days a year start covers on the birthplace's clock, for a birth without a time.
DateRange CoverageIn(YearStart start, const Birthplace& place);

}  // namespace zodiac
