#include "core/rtf_writer.h"

#include <algorithm>
#include <string_view>

#include "core/utf8.h"

namespace zodiac {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one code point at `i`, moving `i` past it; a byte that begins no
// well-formed character is one U+FFFD.
char32_t NextCodePoint(std::string_view text, std::size_t& i) {
    const Utf8Char c = Utf8At(text, i);
    i += c.length > 0 ? static_cast<std::size_t>(c.length) : 1;
    return c.length > 0 ? c.point : kReplacement;
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
