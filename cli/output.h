#pragma once

#include <QByteArray>
#include <chrono>

#include "cli/json.h"
#include "core/reading.h"
#include "core/wareki.h"

namespace zodiac::cli {

// How the birthplace shows: `zoneShown` when --zone was given; a birth with a
// time shows it anyway.
struct Where {
    const Birthplace& place;
    bool zoneShown;
};

// A reading as one JSON object, in the keys scripts rely on.
JsonObject SignJson(const Reading& reading, const Where& where);

// The pieces sign's and match's output is made of, each in a line or two.
inline constexpr int kWidth = 80;
QString HeadingAfterDate(const Reading& reading);                  // ": Wood Rabbit, Usagi 卯" and its line end
QString EtoLines(const Reading& reading);                          // the eto and kanreki lines
QString Heading(const Reading& reading, const Birthplace& place);  // the date, and all down to the year line
QString SignTextAfterAlmanac(const Reading& reading, const Birthplace& place);
QString MonthLineUpToDay(const BirthAlmanac& almanac);  // "  Month 戊寅 (tsuchinoe-tora), day " or "  Day "
QString StarLines(const BirthAlmanac& almanac, const Birthplace& place);
QString EtoWithReading(const Eto& eto);  // 戊寅 (tsuchinoe-tora)
int Columns(QStringView text);           // in a terminal, East Asia's wide characters taking two
QString HourPart(const std::optional<Eto>& hour, int columnsBefore);  // ", hour 壬午 (mizunoe-uma)", or none
QString CalendarLine(const std::optional<Wareki>& wareki, const std::optional<KyurekiDate>& kyureki);
QString WarekiPart(const Wareki& wareki);                     // "Wareki 昭和50年3月5日 (Shōwa 50)"
QString KyurekiPart(const KyurekiDate& kyureki, bool first);  // "kyūreki 1月23日, 大安 (taian)"
QString YakudoshiLine(int birthYear);
QString GivenTime(int minute);          // HH:MM
QString UtcOffset(const Birth& birth);  // +09:00, for a birth with a time
JsonObject EtoJson(const Eto& eto);
JsonObject AlmanacMonthJson(const BirthAlmanac& almanac, const Birthplace& place);
JsonObject SignJsonOfTheYear(const Reading& reading, const Birthplace& place);  // all but the date's own members
// The date's own calendar: kyūreki and rokuyō, wareki and, with a time, the hour's eto.
void AddCalendarOfTheDay(JsonObject& object, const Birth& birth, const BirthAlmanac& almanac);
JsonObject KyurekiJson(const KyurekiDate& date);
JsonObject RokuyoJson(const Rokuyo& rokuyo);
JsonObject WarekiJson(const Wareki& wareki);
void AppendIsoDate(QByteArray& out, std::chrono::year_month_day date);  // YYYY-MM-DD, fast

// Fills lines of `width` with the words of each paragraph; every line but the
// first starts with `indent`. Paragraphs (CR LF or LF) keep their breaks.
QString WrapText(const QString& text, int width, const QString& indent);

}  // namespace zodiac::cli
