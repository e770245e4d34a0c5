#pragma once

#include <QByteArrayView>
#include <QString>

namespace zodiac::cli {

// The user's input as a message repeats it: control and other invisible
// characters escaped (\n, \t, \e, \x7f, \u{202e}, \u{a0}) so that nothing
// reaches the terminal as a command or hides in blank space, and at most
// `length` characters, with "…" where it was cut (or where `cut` says the input
// was longer still).
inline constexpr qsizetype kShownLength = 64;
QString Shown(QStringView text, bool cut = false, qsizetype length = kShownLength);

// A path, or a reason that names one, as Shown gives it, but cut in the middle
// when too long to read: its start says where, its end what.
inline constexpr qsizetype kShownPathLength = 256;
QString ShownPath(QStringView path);

// A character that shows as blank space: a space of any width, and the
// characters drawn as nothing that a name might be made of, such as the Hangul
// fillers and the braille blank.
bool ShowsBlank(char32_t c);

// A character a message escapes: a control, a format character, a line or
// paragraph separator, a default-ignorable mark such as a variation selector,
// and any that shows blank but the plain space.
bool Escaped(char32_t c);

// Bytes that are not all UTF-8 as a message repeats them: the text that is, as
// Shown gives it, and each byte that is not as \xNN.
QString ShownBytes(QByteArrayView bytes);

// An editor's byte-order mark, which may open an argument or standard input.
inline constexpr QByteArrayView kByteOrderMark = "\xef\xbb\xbf";

}  // namespace zodiac::cli
