#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <chrono>
#include <unordered_map>

#include "core/reading.h"

namespace zodiac::cli {

// A match as text for an 80-column terminal: both heading lines, the number and
// rating, and the pair's text wrapped. (A sign's text is SignEntries' below: a
// heading line, then the profile with each field's label in a column of its
// own and its text wrapped beside it.)
QByteArray MatchText(const Match& match);

// A reading as one JSON object, in the keys scripts rely on.
QJsonObject SignJson(const Reading& reading);
QJsonObject MatchJson(const Match& match);

// Fills lines of `width` with the words of each paragraph; every line but the
// first starts with `indent`. Paragraphs (CR LF or LF) keep their breaks.
QString WrapText(const QString& text, int width, const QString& indent);

// An object as one line of compact JSON.
QByteArray JsonLine(const QJsonObject& object);

// The entries `sign` prints, a date at a time, in text (separated by an empty
// line) or in JSON (one object a line). The dates of one zodiac year differ
// only in the date itself, so the rest of an entry is made once for each year.
class SignEntries {
public:
    enum Form { Text, Json };
    SignEntries(Form form, YearStart start) : form_(form), start_(start) {}

    // Appends the entry of `date`, a day that the year start covers.
    void Append(QByteArray& out, std::chrono::year_month_day date);

private:
    Form form_;
    YearStart start_;
    bool first_ = true;
    std::unordered_map<int, QByteArray> afterTheDate_;  // by the first day of the zodiac year
};

}  // namespace zodiac::cli
