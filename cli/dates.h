#pragma once

#include <QByteArrayView>
#include <QString>
#include <chrono>

#include "engine/zodiac_year.h"

namespace zodiac::cli {

// The user's input as a message repeats it: control and other invisible
// characters escaped (\n, \t, \e, \x7f, \u{202e}) so that nothing reaches the
// terminal as a command, and at most `length` characters, with "…" where it
// was cut (or where `cut` says the input was longer still). A path is shown
// longer than a word, since its end tells most.
inline constexpr qsizetype kShownLength = 64;
inline constexpr qsizetype kShownPathLength = 1024;
QString Shown(QStringView text, bool cut = false, qsizetype length = kShownLength);

// The date YYYY-MM-DD in `text` (UTF-8), a day of the calendar within what
// `start` covers; otherwise bad input, its message naming the `line` of
// standard input it was read from, if any, and saying whether it was `cut`.
std::chrono::year_month_day CheckedDate(QByteArrayView text, YearStart start, qsizetype line = 0, bool cut = false);

}  // namespace zodiac::cli
