#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <chrono>
#include <cstdint>
#include <unordered_map>

#include "core/reading.h"

namespace zodiac::cli {

// A match as text for an 80-column terminal: both heading lines, the number and
// rating, and the pair's text wrapped. (A sign's text is SignEntries' below: a
// heading line, then the profile with each field's label in a column of its
// own and its text wrapped beside it.)
QByteArray MatchText(const Match& match, const Birthplace& place);

// How the birthplace shows: `zoneShown` when --zone was given; a birth with a
// time shows it anyway.
struct Where {
    const Birthplace& place;
    bool zoneShown;
};

// A reading as one JSON object, in the keys scripts rely on.
QJsonObject SignJson(const Reading& reading, const Where& where);
QJsonObject MatchJson(const Match& match, const Where& where);

// Fills lines of `width` with the words of each paragraph; every line but the
// first starts with `indent`. Paragraphs (CR LF or LF) keep their breaks.
QString WrapText(const QString& text, int width, const QString& indent);

// An object as one line of compact JSON.
QByteArray JsonLine(const QJsonObject& object);

// The entries `sign` prints, a date at a time, in text (separated by an empty
// line) or in JSON (one object a line). The births of one zodiac year and one
// calendar year differ only in the date and time themselves, so the rest of an
// entry is made once for each.
class SignEntries {
public:
    enum Form { Text, Json };
    SignEntries(Form form, YearStart start, Where where);

    // Appends the entry of `birth`, one that the year start covers.
    void Append(QByteArray& out, const Birth& birth);

private:
    // Text: all after the date and time. JSON: the keys before "time", and those after it.
    struct Made {
        QByteArray text;
        QByteArray beforeTime;
        QByteArray afterTime;
    };
    Form form_;
    YearStart start_;
    Where where_;
    QByteArray zone_;  // the birthplace's name as a JSON string
    bool first_ = true;
    std::unordered_map<std::int64_t, Made> made_;
};

}  // namespace zodiac::cli
