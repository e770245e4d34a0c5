#include "cli/escaping.h"

#include <QList>
#include <QStringDecoder>
#include <string_view>

#include "core/utf8.h"

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

QString ShownBytes(QByteArrayView bytes) {
    QString shown;
    qsizetype start = 0, at = 0;
    // A byte-order mark is shown where it stands: QString::fromUtf8 would drop one at the start.
    const auto flush = [&] {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        shown += Shown(QString(utf8(bytes.sliced(start, at - start))), false, kShownLength);
    };
    while (at < bytes.size()) {
        const qsizetype length =
            Utf8At(std::string_view(bytes.data(), static_cast<std::size_t>(bytes.size())), static_cast<std::size_t>(at))
                .length;
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
