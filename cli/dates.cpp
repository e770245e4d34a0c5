#include "cli/dates.h"

#include <QList>
#include <QStringList>

#include "cli/commands.h"
#include "cli/escaping.h"
#include "cli/failure.h"
#include "core/reading.h"
#include "core/text.h"

namespace zodiac::cli {
namespace {

using std::chrono::days;
using std::chrono::floor;
using std::chrono::minutes;
using std::chrono::seconds;
using std::chrono::sys_days;
using std::chrono::sys_seconds;
using std::chrono::year_month_day;

QString IsoRange(const DateRange& range) { return IsoDate(range.first) + QStringLiteral(" to ") + IsoDate(range.last); }

bool Digits(QByteArrayView text, qsizetype from, qsizetype count, int& value) {
    value = 0;
    if (from + count > text.size()) return false;
    for (qsizetype i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

QString TwoDigits(long n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

// A clock time, written as if it were UTC: "02:00", "00:02:20" with its
// seconds when it has them, and its day first unless it is `day`.
QString ClockText(sys_seconds clock, std::optional<year_month_day> day = std::nullopt) {
    const sys_days itsDay = floor<days>(clock);
    const std::chrono::hh_mm_ss time{clock - itsDay};
    QString text = TwoDigits(time.hours().count()) + QLatin1Char(':') + TwoDigits(time.minutes().count());
    if (time.seconds().count() != 0) text += QLatin1Char(':') + TwoDigits(time.seconds().count());
    return day && sys_days{*day} == itsDay ? text : IsoDate(year_month_day{itsDay}) + QLatin1Char(' ') + text;
}

// A clock minute as a birth is typed: 1900-02-04T14:52.
QString TypedMinute(sys_seconds clock) {
    const sys_days day = floor<days>(clock);
    return IsoDate(year_month_day{day}) + QLatin1Char('T') + ClockText(floor<minutes>(clock), year_month_day{day});
}

// What follows a well-formed date and T, when it is not HH:MM of a day: say
// what it is, and what to give instead.
[[noreturn]] void NoTimeOfDay(QByteArrayView text, const Birth& birth, const QString& where, const QString& shown) {
    const QString day = IsoDate(birth.date);
    int hours = 0, minutes = 0, secs = 0;
    const bool clock =
        Digits(text, 11, 2, hours) && text.size() > 13 && text[13] == ':' && Digits(text, 14, 2, minutes);
    if (clock && hours == 24 && minutes == 0) {
        const QString next = IsoDate(year_month_day{sys_days{birth.date} + days{1}});
        BadInput(where + QStringLiteral("'%1': 24:00 is not a time of day here; for the midnight that ends %2, "
                                        "give %3T00:00")
                             .arg(shown, day, next));
    }
    if (clock && hours <= 23 && minutes <= 59) {
        const QByteArrayView after = text.sliced(16);
        const QString typed = QStringLiteral("%1T%2:%3").arg(day, TwoDigits(hours), TwoDigits(minutes));
        if (after.size() >= 3 && after[0] == ':' && Digits(after, 1, 2, secs)) {
            BadInput(where + QStringLiteral("'%1' gives %2; the time of birth is taken to the minute, HH:MM, "
                                            "such as %3")
                                 .arg(shown,
                                      secs == 60 ? QStringLiteral("a leap second, and seconds are not taken")
                                                 : QStringLiteral("seconds"),
                                      typed));
        }
        if (!after.isEmpty() && (after[0] == 'Z' || after[0] == 'z' || after[0] == '+' || after[0] == '-')) {
            // Z, +09:00: the zone goes in --zone, and the time is the clock's.
            QString zone = QStringLiteral("ZONE");
            int zoneHours = 0, zoneMinutes = 0;
            if (after[0] == 'Z' || after[0] == 'z') {
                zone = QStringLiteral("UTC+00:00");
            } else if (Digits(after, 1, 2, zoneHours) &&
                       (after.size() == 3 || Digits(after, after[3] == ':' ? 4 : 3, 2, zoneMinutes))) {
                zone = QStringLiteral("UTC%1%2:%3")
                           .arg(QString(QLatin1Char(after[0])), TwoDigits(zoneHours), TwoDigits(zoneMinutes));
            }
            BadInput(where + QStringLiteral("'%1' names a zone after the time, which is not taken here; give the time "
                                            "on the birthplace's clock and its zone apart: --zone=%2 %3")
                                 .arg(shown, zone, typed));
        }
    }
    BadInput(where + QStringLiteral("'%1' has no time of day; expected HH:MM after the T, 00:00 to 23:59, "
                                    "such as 1975-03-05T14:30")
                         .arg(shown));
}

// The day a clock sprang over, or the time in it: what it skipped and how to go on.
[[noreturn]] void NeverShowed(const Birth& birth, const Birthplace& place, const QString& where, const QString& shown) {
    QString message = where + QStringLiteral("%1 never showed on the clocks of %2: they sprang forward over ")
                                  .arg(shown, Shown(place.Name()));
    const auto jump = place.JumpOver(birth.date, birth.Timed() ? birth.minute : 0);
    if (!jump) BadInput(message + QStringLiteral("it"));
    const QString offsets = QStringLiteral(" (UTC%1 to UTC%2)").arg(OffsetText(jump->before), OffsetText(jump->after));
    if (!birth.Timed()) {
        BadInput(message + QStringLiteral("the whole day, from %1 to %2%3; give a day they showed, such as %4 or %5")
                               .arg(ClockText(jump->from), ClockText(jump->to), offsets,
                                    IsoDate(year_month_day{floor<days>(jump->from - seconds{1})}),
                                    IsoDate(year_month_day{floor<days>(jump->to)})));
    }
    BadInput(message + QStringLiteral("it, from %1 to %2%3; give a time they showed, before %1 or from %2")
                           .arg(ClockText(jump->from, birth.date), ClockText(jump->to, birth.date), offsets));
}

}  // namespace

QString OffsetName(int seconds) { return QStringLiteral("UTC") + OffsetText(seconds); }

Birthplace BirthplaceNamed(const QString& zone) {
    const QString name = zone.isNull() ? QString::fromLatin1(Birthplace::kDefault) : zone;
    if (auto place = Birthplace::Named(name)) return *std::move(place);
    if (zone.isNull()) {
        BadInput(QStringLiteral("the system's time zone database has no %1; install tzdata, or give --zone").arg(name));
    }
    const QString offsets = QStringLiteral("%1 to %2")
                                .arg(OffsetName(Birthplace::kWestmostOffset), OffsetName(Birthplace::kEastmostOffset));
    if (Birthplace::OffsetNamed(zone)) {
        BadInput(QStringLiteral("'%1' is beyond the offsets clocks keep; expected an offset from %2, such as UTC-03:30")
                     .arg(Shown(zone), offsets));
    }
    // Only now, for the message: it reads the whole database.
    QStringList like = Birthplace::NamesLike(zone);
    for (QString& name : like) name = QStringLiteral("--zone=") + name;
    const QString guess = like.isEmpty() ? QString() : QStringLiteral(" (try %1)").arg(Alternatives(like));
    BadInput(QStringLiteral("unknown zone '%1'%2; expected a name from the system's time zone database, such as "
                            "America/New_York, or an offset from %3 written UTC+H, UTC+HH:MM or UTC+HH:MM:SS with + or "
                            "-, such as UTC-03:30")
                 .arg(Shown(zone), guess, offsets));
}

Checked CheckedBirth(QByteArrayView text, YearStart start, const Birthplace& place, qsizetype line, bool cut) {
    // Made only for a message: a million good dates need none. Bytes that are not
    // UTF-8 are shown as bytes.
    const auto shown = [&] {
        QString bytes = ShownBytes(text);
        return cut && !bytes.endsWith(u'…') ? bytes + u'…' : bytes;
    };
    const auto where = [&] { return line > 0 ? QStringLiteral("standard input, line %1: ").arg(line) : QString(); };
    if (text.indexOf(kByteOrderMark) >= 0) {
        // An editor's mark, where another file was pasted onto the end of one, or a
        // line written by a program that marks every piece it writes.
        BadInput(where() + (line > 0 ? QStringLiteral("'%1' holds a byte-order mark (U+FEFF), which only the very "
                                                      "start of standard input may have; remove it, such as with "
                                                      "sed 's/\\xef\\xbb\\xbf//g', and give the dates again")
                                     : QStringLiteral("'%1' holds a byte-order mark (U+FEFF), which only the start of "
                                                      "an argument may have; remove it and give the date again"))
                               .arg(shown()));
    }
    int y = 0, m = 0, d = 0;
    const bool wellFormed = !cut && (text.size() == 10 || (text.size() > 10 && text[10] == 'T')) && text[4] == '-' &&
                            text[7] == '-' && Digits(text, 0, 4, y) && Digits(text, 5, 2, m) && Digits(text, 8, 2, d);
    if (!wellFormed) {
        BadInput(where() + QStringLiteral("'%1' is not a date; expected YYYY-MM-DD, such as 1975-03-05, or "
                                          "YYYY-MM-DDTHH:MM, such as 1975-03-05T14:30")
                               .arg(shown()));
    }
    Birth birth{std::chrono::year_month_day{std::chrono::year{y}, std::chrono::month{static_cast<unsigned>(m)},
                                            std::chrono::day{static_cast<unsigned>(d)}}};
    if (!birth.date.ok())
        BadInput(where() + QStringLiteral("%1 is not a day of the calendar; expected a real date").arg(shown()));
    if (text.size() > 10) {
        int hours = 0, minutes = 0;
        if (text.size() != 16 || text[13] != ':' || !Digits(text, 11, 2, hours) || !Digits(text, 14, 2, minutes) ||
            hours > 23 || minutes > 59) {
            NoTimeOfDay(text, birth, where(), shown());
        }
        birth.minute = static_cast<std::int16_t>(hours * 60 + minutes);
        const Birthplace::Moments moments = place.MomentsOf(birth.date, birth.minute);
        if (moments.count == 0) NeverShowed(birth, place, where(), shown());
        if (moments.count == 2) {
            BadInput(where() + QStringLiteral("%1 showed twice on the clocks of %2, at %3 and at %4; give "
                                              "--zone=%3 or --zone=%4 to say which")
                                   .arg(shown(), Shown(place.Name()), OffsetName(moments.offset[0]),
                                        OffsetName(moments.offset[1])));
        }
        birth.moment = moments.moment[0];
    } else if (!place.ShowedDay(birth.date)) {
        NeverShowed(birth, place, where(), shown());
    }
    if (const auto year = YearOfBirth(birth, start, place)) return {birth, *year};
    QStringList others;
    for (const YearStartInfo& other : YearStarts()) {
        if (other.start != start)
            others << QStringLiteral("--year-start=%1 covers %2")
                          .arg(YearStartName(other.start), IsoRange(CoverageIn(other.start, place)));
    }
    const DateRange range = CoverageIn(start, place);
    QString expected = IsoRange(range);
    if (birth.Timed() && start == YearStart::Risshun) {
        // With a time, from the first whole minute at or after the first risshun to
        // the last before the risshun that ends the last year, on this clock.
        const sys_seconds first = *SetsuMoment(1900, Setsu::Risshun), end = *SetsuMoment(2101, Setsu::Risshun);
        const sys_seconds firstClock = first + seconds{place.OffsetAt(first)},
                          lastClock = end - seconds{1} + seconds{place.OffsetAt(end - seconds{1})};
        const auto fell = [&](sys_seconds risshun) {
            return IsoDate(place.DayAt(risshun)) + QLatin1Char(' ') + place.ClockAt(risshun, true);
        };
        expected = QStringLiteral("%1 to %2, from risshun at %3 to just before risshun at %4")
                       .arg(TypedMinute(std::chrono::ceil<minutes>(firstClock)), TypedMinute(lastClock), fell(first),
                            fell(end));
    }
    BadInput(where() + QStringLiteral("%1 is outside the %2 years this program knows; expected a date from %3 (%4)")
                           .arg(shown(), ToQString(InfoOf(start).years), expected, others.join(QStringLiteral(", "))));
}

}  // namespace zodiac::cli
