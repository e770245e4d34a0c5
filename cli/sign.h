#pragma once

#include <QByteArray>
#include <array>
#include <chrono>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "cli/output.h"
#include "cli/request.h"

namespace zodiac::cli {

// sign: each date's reading, in text or JSON, from the arguments and standard input.
int RunSign(const Request& request, Session& session);

// The entries `sign` prints, a date at a time, in text (separated by an empty
// line) or in JSON (one object a line). The births of one zodiac year and one
// calendar year differ only in the date and time themselves, so the rest of an
// entry is made once for each.
class SignEntries {
public:
    enum Form { Text, Json };
    SignEntries(Form form, YearStart start, Where where);

    // Appends the entry of `birth`, one that the year start covers.
    // `yearKey` is YearKey() of the year the check found.
    void Append(QByteArray& out, const Birth& birth, std::int32_t yearKey);

    // The zodiac year as four bytes: its number, and whether the day is one of risshun.
    static std::int32_t YearKey(const BirthYear& year) { return year.Number() * 2 + (year.risshunThisDay ? 1 : 0); }

private:
    // Of a zodiac and calendar year. Text: from the heading to the almanac's
    // lines, and after them from the yakudoshi on. JSON: every member but the date's own.
    struct Made {
        QByteArray text;
        QByteArray afterAlmanac;
        JsonObject json;
    };
    // Of a solar month. Text: the line up to the day's eto, and the lines after
    // it. JSON: the almanac's members but the day's eto.
    struct Month {
        QByteArray text;
        int columns = 0;  // of its text
        QByteArray after;
        JsonObject json;
    };
    const Month& MonthOf(const BirthAlmanac& almanac);
    const QByteArray& DayOf(const Eto& day);      // its text
    const JsonObject& DayJsonOf(const Eto& day);  // {"dayEto": its JSON}
    void AddCalendarOfTheDay(JsonObject& own, const Birth& birth, const BirthAlmanac& almanac);
    const QByteArray* WarekiOfTheDay(std::chrono::year_month_day date, Form form);
    Form form_;
    YearStart start_;
    Where where_;
    QByteArray zone_;  // the birthplace's name as a JSON string
    bool first_ = true;
    std::unordered_map<std::int64_t, Made> made_;
    std::unordered_map<std::int64_t, Month> months_;
    std::array<QByteArray, 60> days_;
    std::array<int, 60> dayColumns_{};
    std::array<JsonObject, 60> dayJson_;
    std::array<std::array<std::array<QByteArray, 31>, 13>, 2> kyurekiJson_;  // by leap, month and day
    std::array<std::array<std::array<QByteArray, 31>, 13>, 2> kyurekiText_;  // likewise
    std::vector<QByteArray> wareki_;  // by the day from 1900-01-01, in the form asked; "-" where there is none
    std::array<QByteArray, 6> rokuyoJson_;
    std::array<QByteArray, 60> hourJson_;
    JsonObject own_;      // a date's own members, made afresh for each
    QByteArray almanac_;  // a date's almanac, likewise
};

}  // namespace zodiac::cli
