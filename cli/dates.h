#pragma once

#include <QByteArrayView>
#include <QString>
#include <chrono>

#include "core/birthplace.h"
#include "engine/zodiac_year.h"

namespace zodiac::cli {

// The longest line of standard input read whole: a birth, YYYY-MM-DDTHH:MM, takes
// 16 bytes; the rest leaves room to say what else was given, such as seconds and
// an offset (1975-03-05T23:59:60+09:00) or a byte-order mark.
inline constexpr qsizetype kLongestBirth = 40;

// The birth YYYY-MM-DD or YYYY-MM-DDTHH:MM in `text` (UTF-8), on the
// birthplace's clock: a day of the calendar that clock showed, a time it showed
// once that day, within what `start` covers; otherwise bad input, its message
// naming the `line` of standard input it was read from, if any, and saying
// whether it was `cut`.
// It gives the zodiac year it found, so that nothing looks it up again.
struct Checked {
    Birth birth;
    BirthYear year;
};
Checked CheckedBirth(QByteArrayView text, YearStart start, const Birthplace& place, qsizetype line = 0,
                     bool cut = false);
inline Checked CheckedBirth(const QString& argument, YearStart start, const Birthplace& place) {
    return CheckedBirth(QByteArrayView(argument.toUtf8()), start, place);
}

// The birthplace --zone names, or Japan's when it names none; bad input for a
// zone the system's database does not know, with the names it may have meant,
// and for an offset beyond those clocks keep.
Birthplace BirthplaceNamed(const QString& zone);

// "UTC+09:00", "UTC-03:30", "UTC+05:41:16": an offset as --zone takes it.
QString OffsetName(int seconds);

}  // namespace zodiac::cli
