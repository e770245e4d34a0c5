#include "cli/escaping.h"

#include <QList>
#include <QStringDecoder>

namespace zodiac::cli {
namespace {

// A character as a message escapes it. \xNN is for ASCII's controls and for
// bytes that are not UTF-8; any other character is \u{...}, so that U+00AD is
// never taken for the byte 0xad.
QString EscapeOf(char32_t c) {
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
    if (c < 0x80) return QStringLiteral("\\x%1").arg(static_cast<uint>(c), 2, 16, QLatin1Char('0'));
    return QStringLiteral("\\u{%1}").arg(static_cast<uint>(c), 0, 16);
}

}  // namespace

bool ShowsBlank(char32_t c) {
    // The Hangul fillers are letters and the braille blank a symbol, but each draws nothing.
    return QChar::isSpace(c) || c == 0x115f || c == 0x1160 || c == 0x3164 || c == 0xffa0 || c == 0x2800;
}

bool Escaped(char32_t c) {
    if (c == U' ') return false;
    if (!QChar::isPrint(c) || ShowsBlank(c)) return true;
    // Line and paragraph separators and format characters (U+2028, U+200B,
    // U+202E, the byte-order mark) would move or hide text on the terminal.
    const auto category = QChar::category(c);
    if (category == QChar::Separator_Line || category == QChar::Separator_Paragraph ||
        category == QChar::Other_Format) {
        return true;
    }
    // The marks Unicode lets a renderer ignore: variation selectors (U+FE0F
    // after an emoji), the combining grapheme joiner, Mongolian and Khmer fillers.
    return c == 0x034f || c == 0x17b4 || c == 0x17b5 || (c >= 0x180b && c <= 0x180f) || (c >= 0xfe00 && c <= 0xfe0f) ||
           (c >= 0xe0100 && c <= 0xe01ef);
}

QString Shown(QStringView text, bool cut, qsizetype length) {
    QString shown;
    qsizetype characters = 0;
    for (const char32_t c : text.toUcs4()) {
        if (characters == length) {
            cut = true;
            break;
        }
        ++characters;
        if (Escaped(c)) {
            shown += EscapeOf(c);
        } else {
            shown += QString::fromUcs4(&c, 1);
        }
    }
    return cut ? shown + QStringLiteral("…") : shown;
}

QString ShownPath(QStringView path) {
    const QList<uint> characters = path.toUcs4();
    if (characters.size() <= kShownPathLength) return Shown(path, false, kShownPathLength);
    const qsizetype half = kShownPathLength / 2;
    const auto part = [&](qsizetype from) {
        return Shown(QString::fromUcs4(reinterpret_cast<const char32_t*>(characters.constData()) + from, half), false,
                     half);
    };
    return part(0) + QStringLiteral("…") + part(characters.size() - half);
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
    // A byte-order mark is shown where it stands: QString::fromUtf8 would drop one at the start.
    const auto flush = [&] {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        shown += Shown(QString(utf8(bytes.sliced(start, at - start))), false, kShownLength);
    };
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
