#include "core/birthplace.h"

#include <QDateTime>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <cstdlib>
#include <functional>
#include <ranges>
#include <utility>

namespace zodiac {
namespace {

using std::chrono::days;
using std::chrono::floor;
using std::chrono::seconds;
using std::chrono::sys_days;
using std::chrono::sys_seconds;
using std::chrono::year_month_day;

constexpr int kFirstRisshun = 1900, kLastRisshun = 2101;
constexpr int kSetsuCountInt = static_cast<int>(kSetsuCount);
// The setsu from the taisetsu of 1899 to the risshun of 2101, counted from 0.
constexpr int kSetsuDays = 1 + (kLastRisshun - kFirstRisshun) * kSetsuCountInt + 2;
constexpr int kRisshunOf1900 = 1 + static_cast<int>(Setsu::Risshun);  // its place among them

// Only names the database could hold: parts of letters, digits, _, - and +
// between single slashes, so no path out of it and no empty part.
bool LooksLikeAZoneName(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("\\A[A-Za-z0-9_+-]+(/[A-Za-z0-9_+-]+)*\\z"));
    return name.size() <= 64 && pattern.match(name).hasMatch();
}

// The database's own list of its zones and their other names (Japan, US/Eastern,
// Asia/Calcutta), which bash's completion offers too: Qt's list holds only the
// zones of zone.tab, one to a place, and takes longer to make than this is to
// read. "Z Asia/Tokyo 9:18:59 - LMT 1887 D 31 15u" names a zone, "L Asia/Tokyo
// Japan" another name for it.
QByteArray DatabaseList() {
    QFile file(QStringLiteral("/usr/share/zoneinfo/tzdata.zi"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList DatabaseNames() {
    QStringList names;
    for (const QByteArray& line : DatabaseList().split('\n')) {
        const QList<QByteArray> words = line.split(' ');
        if (words.size() >= 2 && words[0] == "Z") names << QString::fromLatin1(words[1]);
        if (words.size() == 3 && words[0] == "L") names << QString::fromLatin1(words[2]);
    }
    return names;
}

bool InTheDatabase(const QString& name) {
    const QByteArray list = DatabaseList(), id = name.toLatin1();
    if (list.isEmpty()) return QTimeZone::isTimeZoneIdAvailable(id);
    if (list.contains("\nZ " + id + ' ')) return true;
    // A link's line ends with the name; so may a zone's continuation line.
    const QByteArray end = ' ' + id + '\n';
    for (qsizetype at = list.indexOf(end); at >= 0; at = list.indexOf(end, at + 1)) {
        const qsizetype start = list.lastIndexOf('\n', at) + 1;
        if (list.sliced(start, 2) == "L ") return true;
    }
    return false;
}

QDateTime Utc(sys_seconds moment) { return QDateTime::fromSecsSinceEpoch(moment.time_since_epoch().count(), Qt::UTC); }

// The setsu counted from the taisetsu of 1899: its year and which it is.
std::pair<int, Setsu> SetsuNumbered(int index) {
    const int since = (kFirstRisshun - 1) * kSetsuCountInt + static_cast<int>(Setsu::Taisetsu) + index;
    return {since / kSetsuCountInt, static_cast<Setsu>(since % kSetsuCountInt)};
}

// The solar month a day falls in on the clock, each setsu's day counting to the
// month it begins; `onItsSetsu` tells whether the day is that day. Nothing
// before the taisetsu of 1899 or from the risshun of 2101.
std::optional<SolarMonth> MonthOfTheDay(year_month_day date, const Birthplace& place, bool& onItsSetsu) {
    const auto dayOf = [&](int setsu) { return sys_days{place.SetsuDay(setsu)}; };
    const sys_days day{date};
    if (!date.ok() || day < dayOf(0)) return std::nullopt;
    // The last setsu whose day is on or before the birth's: as many follow the
    // first as have days on or before it.
    const auto later = std::views::iota(1, kSetsuDays);
    const int setsu =
        static_cast<int>(std::ranges::partition_point(later, [&](int s) { return dayOf(s) <= day; }) - later.begin());
    onItsSetsu = dayOf(setsu) == day;
    return SolarMonthNumbered(kFirstRisshun, setsu - kRisshunOf1900);
}

}  // namespace

QString OffsetText(int seconds) {
    const int all = std::abs(seconds);
    QString text = QStringLiteral("%1%2:%3")
                       .arg(seconds < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                       .arg(all / 3600, 2, 10, QLatin1Char('0'))
                       .arg(all / 60 % 60, 2, 10, QLatin1Char('0'));
    if (all % 60 != 0) text += QStringLiteral(":%1").arg(all % 60, 2, 10, QLatin1Char('0'));
    return text;
}

std::optional<int> Birthplace::OffsetNamed(const QString& name) {
    static const QRegularExpression pattern(
        QStringLiteral("\\AUTC(?:([+-])([0-9]{1,2})(?::([0-9]{2})(?::([0-9]{2}))?)?)?\\z"));
    const QRegularExpressionMatch match = pattern.match(name);
    if (!match.hasMatch()) return std::nullopt;
    const int hours = match.captured(2).toInt(), minutes = match.captured(3).toInt(),
              seconds = match.captured(4).toInt();
    if (minutes > 59 || seconds > 59) return std::nullopt;
    return (match.captured(1) == u"-" ? -1 : 1) * (hours * 3600 + minutes * 60 + seconds);
}

std::optional<Birthplace> Birthplace::Named(const QString& name) {
    if (const auto offset = OffsetNamed(name)) {
        if (*offset < kWestmostOffset || *offset > kEastmostOffset) return std::nullopt;
        return Birthplace(name, QTimeZone(*offset));
    }
    // Qt reads a name it finds no file for as a POSIX rule, JST as UTC and JST9
    // as UTC-09:00: only the database's own names give true answers.
    if (!LooksLikeAZoneName(name) || !InTheDatabase(name)) return std::nullopt;
    QTimeZone zone(name.toLatin1());
    if (!zone.isValid()) return std::nullopt;
    return Birthplace(name, std::move(zone));
}

QStringList Birthplace::NamesLike(const QString& name) {
    QStringList like;
    const auto add = [&](const QString& other) {
        if (!like.contains(other)) like << other;
    };
    // An offset written another way: utc+9, GMT+9, +09:00, +0930. Written so, a
    // sign means east or west as it does in UTC+09:00, not as POSIX turns it.
    static const QRegularExpression offsetLike(
        QStringLiteral("\\A(?:UTC|GMT|Z)?\\s*([+-])([0-9]{1,2})(?::?([0-9]{2}))?\\z"),
        QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch match = offsetLike.match(name.trimmed()); match.hasMatch()) {
        const int offset =
            (match.captured(1) == u"-" ? -1 : 1) * (match.captured(2).toInt() * 3600 + match.captured(3).toInt() * 60);
        if (offset >= kWestmostOffset && offset <= kEastmostOffset && match.captured(3).toInt() < 60)
            add(QStringLiteral("UTC") + OffsetText(offset));
        return like;
    }
    QStringList zones;
    for (const QByteArray& id : QTimeZone::availableTimeZoneIds()) {
        if (!id.startsWith("UTC")) zones << QString::fromLatin1(id);
    }
    // A name of the database in other letters, or the place alone: asia/tokyo,
    // tokyo, new york.
    const QString place = name.trimmed().replace(u' ', u'_');
    for (const QString& zone : zones + DatabaseNames()) {
        if (zone.compare(place, Qt::CaseInsensitive) == 0 ||
            zone.section(u'/', -1).compare(place, Qt::CaseInsensitive) == 0)
            add(zone);
    }
    // An abbreviation, alone or at the head of a POSIX rule (JST, JST-9): the
    // zones that use it in winter or summer this year, and their offsets then.
    static const QRegularExpression letters(QStringLiteral("\\A[A-Za-z]{2,6}"));
    const QString abbreviation = letters.match(name).captured();
    if (abbreviation.isEmpty() || !like.isEmpty()) return like;
    // One zone for each offset it stands for (PST: Los Angeles's, and Manila's),
    // and a few of them, so that the message stays one line.
    const int year = QDate::currentDate().year();
    QStringList users, offsets;
    for (const QString& id : zones) {
        const QTimeZone zone(id.toLatin1());
        for (const int month : {1, 7}) {
            const QDateTime when(QDate(year, month, 15), QTime(12, 0), Qt::UTC);
            if (zone.abbreviation(when).compare(abbreviation, Qt::CaseInsensitive) != 0) continue;
            const QString offset = QStringLiteral("UTC") + OffsetText(zone.offsetFromUtc(when));
            if (offsets.contains(offset) || offsets.size() == 3) continue;
            users << id;
            offsets << offset;
        }
    }
    for (const QString& user : users) add(user);
    for (const QString& offset : offsets) add(offset);
    return like;
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

bool Birthplace::ShowedDay(year_month_day day) const {
    if (!skippedDays_) {
        // A day goes missing only where the clock springs a whole day forward, as
        // Samoa's did in 2011 and Kwajalein's in 1993: a handful of zones, once.
        skippedDays_.emplace();
        const QList<QTimeZone::OffsetData> changes =
            zone_.transitions(Utc(sys_days{std::chrono::year{kFirstRisshun - 1} / 12 / 1}),
                              Utc(sys_days{std::chrono::year{kLastRisshun} / 1 / 31}));
        for (const QTimeZone::OffsetData& change : changes) {
            const sys_seconds at{seconds{change.atUtc.toSecsSinceEpoch()}};
            const sys_seconds from = at + seconds{OffsetAt(at - seconds{1})}, to = at + seconds{change.offsetFromUtc};
            for (sys_days skipped = std::chrono::ceil<days>(from); skipped + days{1} <= to; skipped += days{1})
                skippedDays_->push_back(skipped);
        }
    }
    return std::ranges::find(*skippedDays_, sys_days{day}) == skippedDays_->end();
}

std::optional<Birthplace::Jump> Birthplace::JumpOver(year_month_day day, int minute) const {
    // A time in a gap lies between the clock just before a change and the clock
    // just after it; no change moves a clock by more than a day and a half.
    const sys_seconds asUtc = sys_days{day} + seconds{minute * 60};
    for (const QTimeZone::OffsetData& change : zone_.transitions(Utc(asUtc - days{2}), Utc(asUtc + days{2}))) {
        const sys_seconds at{seconds{change.atUtc.toSecsSinceEpoch()}};
        const int before = OffsetAt(at - seconds{1});
        const Jump jump{at + seconds{before}, at + seconds{change.offsetFromUtc}, before, change.offsetFromUtc};
        if (jump.from <= asUtc && asUtc < jump.to) return jump;
    }
    return std::nullopt;
}

year_month_day Birthplace::DayAt(sys_seconds moment) const {
    return year_month_day{floor<days>(moment + seconds{OffsetAt(moment)})};
}

QString Birthplace::ClockAt(sys_seconds moment, bool withSeconds) const {
    const QDateTime utc = Utc(moment);
    return utc.toTimeZone(zone_).toString(withSeconds ? QStringLiteral("HH:mm:ss ") : QStringLiteral("HH:mm ")) +
           zone_.abbreviation(utc);
}

QString Birthplace::IsoMomentAt(sys_seconds moment) const {
    // Qt's ISO form cuts an offset to the minute; local mean time has seconds.
    const int offset = OffsetAt(moment);
    const sys_seconds local = moment + seconds{offset};
    const sys_days day = floor<days>(local);
    const std::chrono::hh_mm_ss time{local - day};
    const year_month_day date{day};
    const auto two = [](long n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); };
    return QStringLiteral("%1-%2-%3T%4:%5:%6")
               .arg(static_cast<int>(date.year()), 4, 10, QLatin1Char('0'))
               .arg(two(static_cast<unsigned>(date.month())), two(static_cast<unsigned>(date.day())),
                    two(time.hours().count()), two(time.minutes().count()), two(time.seconds().count())) +
           OffsetText(offset);
}

year_month_day Birthplace::SetsuDay(int index) const {
    // Each day is worked out when first asked: one date asks a dozen, a million
    // dates all of them once.
    if (setsuDays_.empty()) setsuDays_.resize(kSetsuDays);
    year_month_day& day = setsuDays_.at(static_cast<std::size_t>(index));
    if (!day.ok()) {
        const auto [year, setsu] = SetsuNumbered(index);
        day = DayAt(*SetsuMoment(year, setsu));
    }
    return day;
}

year_month_day Birthplace::RisshunDay(int year) const {
    return SetsuDay((year - kFirstRisshun) * kSetsuCountInt + kRisshunOf1900);
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
    BirthAlmanac almanac{std::nullopt, DayEto(birth.date), std::nullopt, KyurekiOf(birth.date), std::nullopt};
    if (birth.Timed()) {
        almanac.hour = HourEto(birth.date, birth.minute);
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
