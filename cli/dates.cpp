#include "cli/dates.h"

#include <QList>
#include <QStringList>

#include "cli/commands.h"
#include "cli/failure.h"
#include "core/reading.h"
#include "core/text.h"

namespace zodiac::cli {
namespace {

QString Escaped(char32_t c) {
    switch (c) {
        case U'\n':
            return QStringLiteral("\\n");
        case U'\r':
            return QStringLiteral("\\r");
        case U'\t':
            return QStringLiteral("\\t");
        case U'\x1b':
            return QStringLiteral("\\e");
        default:
            break;
    }
    if (c < 0x100) return QStringLiteral("\\x%1").arg(static_cast<uint>(c), 2, 16, QLatin1Char('0'));
    return QStringLiteral("\\u{%1}").arg(static_cast<uint>(c), 0, 16);
}

QString IsoRange(YearStart start) {
    const DateRange range = Coverage(start);
    return IsoDate(range.first) + QStringLiteral(" to ") + IsoDate(range.last);
}

bool Digits(QByteArrayView text, qsizetype from, qsizetype count, int& value) {
    value = 0;
    for (qsizetype i = from; i < from + count; ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + (text[i] - '0');
    }
    return true;
}

}  // namespace

QString Shown(QStringView text, bool cut, qsizetype length) {
    QString shown;
    qsizetype characters = 0;
    for (const char32_t c : text.toUcs4()) {
        if (characters == length) {
            cut = true;
            break;
        }
        ++characters;
        const bool visible = QChar::isPrint(c) || c == U' ';
        if (visible) {
            shown += QString::fromUcs4(&c, 1);
        } else {
            shown += Escaped(c);
        }
    }
    return cut ? shown + QStringLiteral("…") : shown;
}

std::chrono::year_month_day CheckedDate(QByteArrayView text, YearStart start, qsizetype line, bool cut) {
    // Made only for a message: a million good dates need none.
    const auto shown = [&] { return Shown(QString::fromUtf8(text), cut); };
    const auto where = [&] { return line > 0 ? QStringLiteral("standard input, line %1: ").arg(line) : QString(); };
    int y = 0, m = 0, d = 0;
    const bool wellFormed = !cut && text.size() == 10 && text[4] == '-' && text[7] == '-' && Digits(text, 0, 4, y) &&
                            Digits(text, 5, 2, m) && Digits(text, 8, 2, d);
    if (!wellFormed)
        BadInput(where() + QStringLiteral("'%1' is not a date; expected YYYY-MM-DD, such as 1975-03-05").arg(shown()));
    const std::chrono::year_month_day date{std::chrono::year{y}, std::chrono::month{static_cast<unsigned>(m)},
                                           std::chrono::day{static_cast<unsigned>(d)}};
    if (!date.ok())
        BadInput(where() + QStringLiteral("%1 is not a day of the calendar; expected a real date").arg(shown()));
    if (FindZodiacYear(date, start)) return date;
    QStringList others;
    for (const YearStartInfo& other : YearStarts()) {
        if (other.start != start)
            others
                << QStringLiteral("--year-start=%1 covers %2").arg(YearStartName(other.start), IsoRange(other.start));
    }
    BadInput(where() +
             QStringLiteral("%1 is outside the %2 years this program knows; expected a date from %3 (%4)")
                 .arg(shown(), ToQString(InfoOf(start).years), IsoRange(start), others.join(QStringLiteral(", "))));
}

}  // namespace zodiac::cli
