// sign: the readings of many dates, made once for each year and month they share.
#include "cli/sign.h"

#include <QScopeGuard>
#include <optional>
#include <vector>

#include "cli/dates.h"
#include "cli/failure.h"
#include "cli/streams.h"
#include "core/reading.h"
#include "os/file_writing.h"
#include "os/standard_streams.h"

namespace zodiac::cli {

SignEntries::SignEntries(Form form, YearStart start, Where where)
    : form_(form), start_(start), where_(where), zone_(JsonObject::Quoted(where.place.Name())) {}

const SignEntries::Month& SignEntries::MonthOf(const BirthAlmanac& almanac) {
    // Keyed by the month, and whether it is the day of its setsu with no time to tell.
    const std::int64_t key = almanac.month ? (std::int64_t{almanac.month->year} * 12 + almanac.month->index) * 2 +
                                                 (almanac.setsuThisDay ? 1 : 0)
                                           : -1;
    auto [entry, isNew] = months_.try_emplace(key);
    Month& month = entry->second;
    if (isNew) {
        if (form_ == Text) {
            const QString upToDay = MonthLineUpToDay(almanac);
            month.text = upToDay.toUtf8();
            month.columns = Columns(upToDay);
            month.after = StarLines(almanac, where_.place).toUtf8();
        } else {
            month.json = AlmanacMonthJson(almanac, where_.place);
        }
    }
    return month;
}

const QByteArray& SignEntries::DayOf(const Eto& day) {
    QByteArray& made = days_[static_cast<std::size_t>(day.number - 1)];
    if (made.isEmpty()) {
        const QString text = EtoWithReading(day);
        made = text.toUtf8();
        dayColumns_[static_cast<std::size_t>(day.number - 1)] = Columns(text);
    }
    return made;
}

// The day's wareki as text or JSON, made once for each day; nothing where ICU
// gives none.
const QByteArray* SignEntries::WarekiOfTheDay(std::chrono::year_month_day date, Form form) {
    using namespace std::chrono;
    const auto index = static_cast<std::size_t>((sys_days{date} - sys_days{1900y / 1 / 1}).count());
    if (index >= wareki_.size()) wareki_.resize(index + 1);
    QByteArray& made = wareki_[index];
    if (made.isEmpty()) {
        const auto wareki = WarekiOf(date);
        made = !wareki ? QByteArray("-") : form == Text ? WarekiPart(*wareki).toUtf8() : WarekiJson(*wareki).Bytes();
    }
    return made == "-" ? nullptr : &made;
}

// The members AddCalendarOfTheDay gives, from bytes made once for each kyūreki
// day, rokuyō and hour's eto.
void SignEntries::AddCalendarOfTheDay(JsonObject& own, const Birth& birth, const BirthAlmanac& almanac) {
    if (const auto& kyureki = almanac.kyureki) {
        QByteArray& date = kyurekiJson_[kyureki->leap][static_cast<std::size_t>(kyureki->month)]
                                       [static_cast<std::size_t>(kyureki->day)];
        if (date.isEmpty()) date = KyurekiJson(*kyureki).Bytes();
        own.Written("kyureki", date);
        const Rokuyo& rokuyo = RokuyoOf(*kyureki);
        QByteArray& rokuyoJson = rokuyoJson_[static_cast<std::size_t>(&rokuyo - kRokuyo.data())];
        if (rokuyoJson.isEmpty()) rokuyoJson = RokuyoJson(rokuyo).Bytes();
        own.Written("rokuyo", rokuyoJson);
    }
    if (const QByteArray* wareki = WarekiOfTheDay(birth.date, Json)) own.Written("wareki", *wareki);
    if (const auto& hour = almanac.hour) {
        QByteArray& hourJson = hourJson_[static_cast<std::size_t>(hour->number - 1)];
        if (hourJson.isEmpty()) hourJson = EtoJson(*hour).Bytes();
        own.Written("hourEto", hourJson);
    }
}

const JsonObject& SignEntries::DayJsonOf(const Eto& day) {
    JsonObject& made = dayJson_[static_cast<std::size_t>(day.number - 1)];
    if (made.IsEmpty()) made.Object("dayEto", EtoJson(day));
    return made;
}

void SignEntries::Append(QByteArray& out, const Birth& birth, std::int32_t yearKey) {
    // What the rest of an entry depends on: the zodiac year and whether it is a
    // day of risshun, the calendar year (for kanreki) and whether a time was given.
    const std::int64_t key =
        (std::int64_t{yearKey} * 4096 + static_cast<int>(birth.date.year())) * 2 + (birth.Timed() ? 1 : 0);
    auto [entry, isNew] = made_.try_emplace(key);
    Made& made = entry->second;
    if (isNew) {
        const Reading reading = *ReadingOf({}, birth, start_, where_.place);  // once a year and kind
        if (form_ == Text) {
            made.text = (HeadingAfterDate(reading) + EtoLines(reading)).toUtf8();
            made.afterAlmanac =
                (YakudoshiLine(static_cast<int>(birth.date.year())) + SignTextAfterAlmanac(reading, where_.place))
                    .toUtf8();
        } else {
            made.json = SignJsonOfTheYear(reading, where_.place);
        }
    }
    const BirthAlmanac almanac = AlmanacOf(birth, where_.place);
    const Month& month = MonthOf(almanac);
    if (form_ == Text) {
        if (!first_) out += '\n';
        AppendIsoDate(out, birth.date);
        if (birth.Timed()) out += 'T' + GivenTime(birth.minute).toLatin1();
        out += made.text;
        out += month.text;
        out += DayOf(almanac.day);
        if (almanac.hour) {
            out += HourPart(almanac.hour, month.columns + dayColumns_[static_cast<std::size_t>(almanac.day.number - 1)])
                       .toUtf8();
        }
        out += '\n';
        out += month.after;
        // The line CalendarLine gives, made of parts made once for each day.
        const QByteArray* wareki = WarekiOfTheDay(birth.date, Text);
        if (wareki && almanac.kyureki) {
            const KyurekiDate& kyureki = *almanac.kyureki;
            QByteArray& part = kyurekiText_[kyureki.leap][static_cast<std::size_t>(kyureki.month)]
                                           [static_cast<std::size_t>(kyureki.day)];
            if (part.isEmpty()) part = KyurekiPart(kyureki, false).toUtf8();
            out += "  ";
            out += *wareki;
            out += "; ";
            out += part;
            out += '\n';
        } else {
            out += CalendarLine(WarekiOf(birth.date), almanac.kyureki).toUtf8();
        }
        out += made.afterAlmanac;
    } else {
        // The date's own members beside its year's, and the day's eto beside its month's.
        JsonObject& own = own_;
        own.Clear();
        QByteArray& almanacBytes = almanac_;
        almanacBytes.truncate(0);
        JsonObject::AppendMerged(almanacBytes, month.json, DayJsonOf(almanac.day));
        own.Written("almanac", almanacBytes);
        QByteArray date = "\"";
        AppendIsoDate(date, birth.date);
        own.Written("date", date + '"');
        if (birth.Timed()) {
            own.Text("time", GivenTime(birth.minute));
            own.Text("utcOffset", UtcOffset(birth));
        }
        if (birth.Timed() || where_.zoneShown) own.Written("zone", zone_);
        AddCalendarOfTheDay(own, birth, almanac);
        JsonObject::AppendMerged(out, made.json, own);
        out += '\n';
    }
    first_ = false;
}

int RunSign(const Request& request, Session& session) {
    if (request.arguments.isEmpty())
        BadInput(QStringLiteral("sign needs a DATE (YYYY-MM-DD), or - to read dates from standard input"));
    if (request.arguments.count(QStringLiteral("-")) > 1)
        BadInput(QStringLiteral("sign reads standard input once; give - only once"));
    const Birthplace place = BirthplaceNamed(request.zone);
    // The dates given as arguments are all checked before anything is written.
    std::vector<Checked> given;
    for (const QString& date : request.arguments) {
        if (date != u"-") given.push_back(CheckedBirth(date, request.start, place));
    }
    SignEntries entries(request.json ? SignEntries::Json : SignEntries::Text, request.start,
                        {place, !request.zone.isNull()});
    StandardOutput& out = session.out;
    // With -o FILE the answers go to a new copy that takes the file's place only
    // once all are written, however many there are.
    std::optional<FileWriter> file;
    const auto toStandardOutput = qScopeGuard([&] { out.Into(nullptr, {}); });
    if (!request.output.isEmpty() && request.output != u"-") {
        file.emplace(request.output);
        if (const WriteResult opened = file->Open(); !opened.ok()) throw NotWrittenTo(request.output, opened.reason());
        out.Into(&*file, request.output);
    }
    const auto answer = [&](const Checked& checked) {
        entries.Append(out.Buffer(), checked.birth, SignEntries::YearKey(checked.year));
        out.Written();
    };
    // Standard input is answered a line at a time, as it is read: a bad line
    // ends the run there, the answers before it written.
    try {
        auto next = given.cbegin();
        for (const QString& date : request.arguments) {
            if (date != u"-") {
                answer(*next++);
                continue;
            }
            ReadLines(
                session.streams.inputClosed, kLongestBirth,
                [&](qsizetype number, QByteArrayView text, bool cut) {
                    answer(CheckedBirth(text, request.start, place, number, cut));
                },
                [&] { out.Finish(); });
        }
    } catch (const Failure& failure) {
        if (failure.status == kBadInput && !(file && file->ReplacesWhole())) out.Finish();
        throw;
    }
    out.Finish();
    if (file) {
        if (const WriteResult committed = file->Commit(); !committed.ok())
            throw NotWrittenTo(request.output, committed.reason());
    }
    return kDone;
}

}  // namespace zodiac::cli
