#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <optional>

namespace zodiac {

// The light scrambling of stored settings, over Latin-1 as the code page: each
// character's code moves up 85 (encoding) or down 85 (decoding), and a character
// that would leave 0 to 255 is dropped. For codes 0 to 170 the two are inverse.
QString EncodeSetting(const QString& text);
QString DecodeSetting(const QString& text);

// The day of the last update reminder is stored as the locale's short date,
// always with a four-digit year and plain digits, so that it reads back as the
// same day whatever the locale. Dates written with a two-digit year are read in
// the century nearest `today`.
QString ReminderDateText(QDate day, const QLocale& locale);
std::optional<QDate> ReadReminderDate(const QString& text, const QLocale& locale, QDate today);

}  // namespace zodiac
