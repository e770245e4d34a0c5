#pragma once

#include <QByteArray>

#include "cli/output.h"
#include "cli/request.h"

namespace zodiac::cli {

// match: how two people's signs go together.
int RunMatch(const Request& request, Session& session);

// A match as text for an 80-column terminal: both heading lines, the number and
// rating, and the pair's text wrapped. (A sign's text is SignEntries' below: a
// heading line, then the profile with each field's label in a column of its
// own and its text wrapped beside it.)
QByteArray MatchText(const Match& match, const Birthplace& place);
JsonObject MatchJson(const Match& match, const Where& where);

}  // namespace zodiac::cli
