#pragma once

#include <QByteArrayView>
#include <QString>
#include <chrono>

#include "core/birthplace.h"
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

// The birth YYYY-MM-DD or YYYY-MM-DDTHH:MM in `text` (UTF-8), on the
// birthplace's clock: a day of the calendar, a time that clock shows once that
// day, within what `start` covers; otherwise bad input, its message naming the
// `line` of standard input it was read from, if any, and saying whether it was `cut`.
Birth CheckedBirth(QByteArrayView text, YearStart start, const Birthplace& place, qsizetype line = 0, bool cut = false);

// The birthplace --zone names, or Japan's when it names none; bad input for a
// zone the system's database does not know.
Birthplace BirthplaceNamed(const QString& zone);

// "UTC+09:00", "UTC-03:30": an offset as --zone takes it.
QString OffsetName(int seconds);

}  // namespace zodiac::cli
