#pragma once

#include <QByteArray>
#include <QJsonObject>

#include "core/reading.h"

namespace zodiac::cli {

// The year start as --year-start and the JSON name it: "lunar" or "january".
QString YearStartName(YearStart start);

// A reading as text for an 80-column terminal: a heading line, then the profile
// with each field's label in a column of its own and its text wrapped beside it.
QByteArray SignText(const Reading& reading);
QByteArray MatchText(const Match& match);

// A reading as one JSON object, in the keys scripts rely on.
QJsonObject SignJson(const Reading& reading);
QJsonObject MatchJson(const Match& match);

}  // namespace zodiac::cli
