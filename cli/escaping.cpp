#include "cli/escaping.h"

#include <QList>

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
        // Line and paragraph separators and format characters (U+2028, U+200B,
        // U+202E, the byte-order mark) would move or hide text on the terminal.
        const auto category = QChar::category(c);
        const bool visible = (QChar::isPrint(c) && category != QChar::Separator_Line &&
                              category != QChar::Separator_Paragraph && category != QChar::Other_Format) ||
                             c == U' ';
        if (visible) {
            shown += QString::fromUcs4(&c, 1);
        } else {
            shown += Escaped(c);
        }
    }
    return cut ? shown + QStringLiteral("…") : shown;
}

namespace {

// The length of the UTF-8 sequence that starts at `at`, or 0 when none does:
// no stray continuation byte, no overlong form, no surrogate, nothing past U+10FFFF.
qsizetype Utf8Sequence(QByteArrayView bytes, qsizetype at) {
    const auto byte = [&](qsizetype i) { return static_cast<unsigned char>(bytes[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) return 1;
    qsizetype length = 0;
    unsigned char low = 0x80, high = 0xbf;  // the range of the byte after the lead
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        if (lead == 0xe0) low = 0xa0;
        if (lead == 0xed) high = 0x9f;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        if (lead == 0xf0) low = 0x90;
        if (lead == 0xf4) high = 0x8f;
    } else {
        return 0;
    }
    if (at + length > bytes.size() || byte(at + 1) < low || byte(at + 1) > high) return 0;
    for (qsizetype i = 2; i < length; ++i) {
        if (byte(at + i) < 0x80 || byte(at + i) > 0xbf) return 0;
    }
    return length;
}

}  // namespace

QString ShownBytes(QByteArrayView bytes) {
    QString shown;
    qsizetype start = 0, at = 0;
    const auto flush = [&] { shown += Shown(QString::fromUtf8(bytes.sliced(start, at - start)), false, kShownLength); };
    while (at < bytes.size()) {
        const qsizetype length = Utf8Sequence(bytes, at);
        if (length > 0) {
            at += length;
            continue;
        }
        flush();
        shown += QStringLiteral("\\x%1").arg(static_cast<unsigned char>(bytes[at]), 2, 16, QLatin1Char('0'));
        start = ++at;
    }
    flush();
    return shown.size() > kShownLength ? shown.left(kShownLength) + QStringLiteral("…") : shown;
}

}  // namespace zodiac::cli
