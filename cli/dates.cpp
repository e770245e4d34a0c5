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

QString IsoRange(const DateRange& range) { return IsoDate(range.first) + QStringLiteral(" to ") + IsoDate(range.last); }

bool Digits(QByteArrayView text, qsizetype from, qsizetype count, int& value) {
    value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

}  // namespace

QString OffsetName(int seconds) {
    const int minutes = std::abs(seconds) / 60;
    return QStringLiteral("UTC%1%2:%3")
        .arg(seconds < 0 ? QStringLiteral("-") : QStringLiteral("+"))
        .arg(minutes / 60, 2, 10, QLatin1Char('0'))
        .arg(minutes % 60, 2, 10, QLatin1Char('0'));
}

Birthplace BirthplaceNamed(const QString& zone) {
    const QString name = zone.isNull() ? QString::fromLatin1(Birthplace::kDefault) : zone;
    if (auto place = Birthplace::Named(name)) return *std::move(place);
    if (zone.isNull()) {
        BadInput(QStringLiteral("the system's time zone database has no %1; install tzdata, or give --zone").arg(name));
    }
    BadInput(QStringLiteral("unknown zone '%1'; expected a name from the system's time zone database, such as "
                            "America/New_York, or an offset such as UTC-03:30")
                 .arg(Shown(zone)));
}

Checked CheckedBirth(QByteArrayView text, YearStart start, const Birthplace& place, qsizetype line, bool cut) {
    // Made only for a message: a million good dates need none.
    const auto shown = [&] { return Shown(QString::fromUtf8(text), cut); };
    const auto where = [&] { return line > 0 ? QStringLiteral("standard input, line %1: ").arg(line) : QString(); };
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
            BadInput(where() + QStringLiteral("'%1' has no time of day; expected HH:MM after the T, 00:00 to 23:59, "
                                              "such as 1975-03-05T14:30")
                                   .arg(shown()));
        }
        birth.minute = static_cast<std::int16_t>(hours * 60 + minutes);
        const Birthplace::Moments moments = place.MomentsOf(birth.date, birth.minute);
        if (moments.count == 0) {
            BadInput(where() + QStringLiteral("%1 never showed on the clocks of %2: they sprang forward over it")
                                   .arg(shown(), Shown(place.Name())));
        }
        if (moments.count == 2) {
            BadInput(where() + QStringLiteral("%1 showed twice on the clocks of %2, at %3 and at %4; give "
                                              "--zone=%3 or --zone=%4 to say which")
                                   .arg(shown(), Shown(place.Name()), OffsetName(moments.offset[0]),
                                        OffsetName(moments.offset[1])));
        }
        birth.moment = moments.moment[0];
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
        // With a time, the first and last days are covered from and up to the moment of risshun.
        const auto at = [&](int year) {
            const std::chrono::sys_seconds risshun = *SetsuMoment(year, Setsu::Risshun);
            return IsoDate(place.DayAt(risshun)) + QLatin1Char(' ') + place.ClockAt(risshun);
        };
        expected = at(1900) + QStringLiteral(" to just before ") + at(2101);
    }
    BadInput(where() + QStringLiteral("%1 is outside the %2 years this program knows; expected a date from %3 (%4)")
                           .arg(shown(), ToQString(InfoOf(start).years), expected, others.join(QStringLiteral(", "))));
}

}  // namespace zodiac::cli
