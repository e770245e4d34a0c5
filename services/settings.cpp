#include "services/settings.h"

#include <QRegularExpression>
#include <algorithm>
#include <array>
#include <vector>

namespace zodiac {
namespace {

constexpr int kShift = 85;

QString Shift(const QString& text, int by) {
    QString result;
    result.reserve(text.size());
    for (const QChar c : text) {
        const int code = c.unicode() + by;
        if (code >= 0 && code <= 255) result.append(QChar(code));
    }
    return result;
}

QString FourDigitYearFormat(const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::ShortFormat);
    static const QRegularExpression years(QStringLiteral("y+"));
    return format.replace(years, QStringLiteral("yyyy"));
}

int NearestCentury(int twoDigitYear, int thisYear) {
    int year = thisYear - thisYear % 100 + twoDigitYear;
    if (year - thisYear > 50) year -= 100;
    if (thisYear - year > 50) year += 100;
    return year;
}

}  // namespace

QString EncodeSetting(const QString& text) { return Shift(text, kShift); }
QString DecodeSetting(const QString& text) { return Shift(text, -kShift); }

QString ReminderDateText(QDate day, const QLocale& locale) {
    QString text;
    // By code point: Chakma and Adlam digits lie beyond the Basic Multilingual Plane.
    for (const char32_t c : locale.toString(day, FourDigitYearFormat(locale)).toUcs4()) {
        // Plain digits, and nothing the scrambling would drop (such as the
        // direction marks of right-to-left locales).
        if (QChar::isDigit(c)) {
            text.append(QChar(u'0' + QChar::digitValue(c)));
        } else if (c <= 170) {
            text.append(QChar(static_cast<char16_t>(c)));
        }
    }
    return text;
}

std::optional<QDate> ReadReminderDate(const QString& text, const QLocale& locale, QDate today) {
    // The numbers stand in the order of the locale's day, month and year fields.
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    const auto day = format.indexOf(QLatin1Char('d'));
    const auto month = format.indexOf(QLatin1Char('M'));
    const auto year = format.indexOf(QLatin1Char('y'));
    if (day < 0 || month < 0 || year < 0 || format.contains(QStringLiteral("MMM"))) {
        const QDate date = locale.toDate(text, FourDigitYearFormat(locale));
        return date.isValid() ? std::optional(date) : std::nullopt;
    }
    std::vector<std::pair<int, int>> numbers;  // value, digit count
    int value = 0, digits = 0;
    for (const char32_t c : QString(text + QLatin1Char(' ')).toUcs4()) {
        if (QChar::isDigit(c)) {
            if (++digits > 6) return std::nullopt;
            value = value * 10 + QChar::digitValue(c);
        } else if (digits > 0) {
            numbers.emplace_back(value, digits);
            value = digits = 0;
        }
    }
    if (numbers.size() != 3) return std::nullopt;
    std::array<std::pair<qsizetype, int>, 3> order = {{{day, 0}, {month, 1}, {year, 2}}};
    std::sort(order.begin(), order.end());
    std::array<std::pair<int, int>, 3> fields{};
    for (std::size_t i = 0; i < 3; ++i) fields[static_cast<std::size_t>(order[i].second)] = numbers[i];
    int y = fields[2].first;
    if (fields[2].second <= 2) y = NearestCentury(y, today.year());
    const QDate date(y, fields[1].first, fields[0].first);
    return date.isValid() ? std::optional(date) : std::nullopt;
}

}  // namespace zodiac
