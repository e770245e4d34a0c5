#pragma once

#include <QByteArrayView>
#include <QString>

namespace zodiac::cli {

// The user's input as a message repeats it: control and other invisible
// characters escaped (\n, \t, \e, \x7f, \u{202e}) so that nothing reaches the
// terminal as a command, and at most `length` characters, with "…" where it
// was cut (or where `cut` says the input was longer still). A path is shown
// longer than a word, since its end tells most.
inline constexpr qsizetype kShownLength = 64;
inline constexpr qsizetype kShownPathLength = 1024;
QString Shown(QStringView text, bool cut = false, qsizetype length = kShownLength);

// Bytes that are not all UTF-8 as a message repeats them: the text that is, as
// Shown gives it, and each byte that is not as \xNN.
QString ShownBytes(QByteArrayView bytes);

// An editor's byte-order mark, which may open an argument or standard input.
inline constexpr QByteArrayView kByteOrderMark = "\xef\xbb\xbf";

}  // namespace zodiac::cli
