#include "core/rtf_writer.h"

#include <algorithm>
#include <string_view>

namespace zodiac {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one code point at `i`, moving `i` past it.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    int length = 0;
    char32_t point = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, point = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, point = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, point = lead & 0x07;
    } else {
        ++i;
        return kReplacement;
    }
    if (i + static_cast<std::size_t>(length) > text.size()) {
        ++i;
        return kReplacement;
    }
    for (int k = 1; k < length; ++k) {
        const unsigned char next = byte(i + static_cast<std::size_t>(k));
        if ((next & 0xC0) != 0x80) {
            ++i;
            return kReplacement;
        }
        point = (point << 6) | (next & 0x3F);
    }
    constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    i += static_cast<std::size_t>(length);
    const bool surrogate = point >= 0xD800 && point <= 0xDFFF;
    if (point < kSmallest[length] || point > 0x10FFFF || surrogate) return kReplacement;
    return point;
}

// \uN takes a signed 16-bit N; the '?' after it is what readers without
// Unicode show, and the ones with it skip (\uc1).
void AppendUnicodeUnit(std::string& out, char16_t unit) {
    out += "\\u";
    out += std::to_string(static_cast<int>(static_cast<std::int16_t>(unit)));
    out += '?';
}

void AppendText(std::string& out, std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const char32_t c = NextCodePoint(text, i);
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i < text.size() && text[i] == '\n') ++i;
            out += "\\par\n";
        } else if (c == '\\' || c == '{' || c == '}') {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == '\t') {
            out += "\\tab ";
        } else if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else if (c < 0x10000) {
            AppendUnicodeUnit(out, static_cast<char16_t>(c));
        } else {
            const char32_t v = c - 0x10000;
            AppendUnicodeUnit(out, static_cast<char16_t>(0xD800 + (v >> 10)));
            AppendUnicodeUnit(out, static_cast<char16_t>(0xDC00 + (v & 0x3FF)));
        }
    }
}

std::string ColourWord(const RtfColour& c) {
    return "\\red" + std::to_string(c.red) + "\\green" + std::to_string(c.green) + "\\blue" + std::to_string(c.blue) +
           ';';
}

}  // namespace

std::string WriteRtf(const RtfDocument& document) {
    std::vector<RtfColour> colours;
    for (const RtfRun& run : document.runs) {
        if (std::find(colours.begin(), colours.end(), run.colour) == colours.end()) colours.push_back(run.colour);
    }

    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl{\\f0\\fswiss\\fcharset0 ";
    AppendText(out, document.fontName);
    out += ";}}\n{\\colortbl ;";
    for (const RtfColour& colour : colours) out += ColourWord(colour);
    out += "}\n\\pard\\plain\\f0\\fs" + std::to_string(document.halfPoints) + '\n';

    for (const RtfRun& run : document.runs) {
        const auto index = std::find(colours.begin(), colours.end(), run.colour) - colours.begin() + 1;
        // The blank ends the control word and is not part of the text, so a run
        // that starts with a blank or a digit still reads back whole.
        out += run.bold ? "\\b" : "\\b0";
        out += "\\cf" + std::to_string(index) + ' ';
        AppendText(out, run.text);
    }
    out += "\n}\n";
    return out;
}

}  // namespace zodiac
