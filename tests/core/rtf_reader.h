#pragma once

// A small, independent RTF reader for the tests: it follows what a word
// processor does with the documents we write (groups, escapes, \par, \tab, \uN
// with its fallback, \'hh), skips the font and colour tables, and gives the
// text back as UTF-8 with "\n" for each paragraph break.
#include <cctype>
#include <cstdint>
#include <string>
#include <string_view>

namespace zodiac::testing {

inline void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

inline std::string ReadRtfText(std::string_view rtf) {
    std::string text;
    int depth = 0;
    int skipFrom = -1;  // depth of a destination group being skipped
    int fallbackToSkip = 0;
    char16_t highSurrogate = 0;
    const auto put = [&](char32_t c) {
        if (skipFrom >= 0) return;
        if (c >= 0xD800 && c <= 0xDBFF) {
            highSurrogate = static_cast<char16_t>(c);
            return;
        }
        if (c >= 0xDC00 && c <= 0xDFFF && highSurrogate) {
            c = 0x10000 + ((highSurrogate - 0xD800) << 10) + (c - 0xDC00);
        }
        highSurrogate = 0;
        AppendUtf8(text, c);
    };
    std::size_t i = 0;
    while (i < rtf.size()) {
        const char c = rtf[i];
        if (c == '{') {
            ++depth, ++i;
        } else if (c == '}') {
            if (skipFrom == depth) skipFrom = -1;
            --depth, ++i;
        } else if (c == '\r' || c == '\n') {
            ++i;
        } else if (c != '\\') {
            if (fallbackToSkip > 0) {
                --fallbackToSkip;
            } else {
                put(static_cast<unsigned char>(c));
            }
            ++i;
        } else if (i + 1 < rtf.size() && !std::isalpha(static_cast<unsigned char>(rtf[i + 1]))) {
            const char symbol = rtf[i + 1];
            if (symbol == '\'' && i + 3 < rtf.size()) {
                put(static_cast<char32_t>(std::stoi(std::string(rtf.substr(i + 2, 2)), nullptr, 16)));
                i += 4;
            } else {
                if (symbol == '\\' || symbol == '{' || symbol == '}') put(static_cast<unsigned char>(symbol));
                if (symbol == '*' && skipFrom < 0) skipFrom = depth;
                i += 2;
            }
        } else {
            std::size_t j = i + 1;
            while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[j]))) ++j;
            const std::string word(rtf.substr(i + 1, j - i - 1));
            std::size_t k = j;
            if (k < rtf.size() && (rtf[k] == '-' || std::isdigit(static_cast<unsigned char>(rtf[k])))) ++k;
            while (k < rtf.size() && std::isdigit(static_cast<unsigned char>(rtf[k]))) ++k;
            const std::string number(rtf.substr(j, k - j));
            if (k < rtf.size() && rtf[k] == ' ') ++k;  // the delimiting blank belongs to the word
            i = k;
            if (word == "fonttbl" || word == "colortbl") {
                if (skipFrom < 0) skipFrom = depth;
            } else if (word == "par") {
                put('\n');
            } else if (word == "tab") {
                put('\t');
            } else if (word == "u" && !number.empty()) {
                const int value = std::stoi(number);
                put(static_cast<char32_t>(value < 0 ? value + 65536 : value));
                fallbackToSkip = 1;
            }
        }
    }
    return text;
}

// True for well-formed UTF-8 without surrogates or overlong forms.
inline bool IsValidUtf8(std::string_view s) {
    std::size_t i = 0;
    while (i < s.size()) {
        const auto b = static_cast<unsigned char>(s[i]);
        int n = b < 0x80 ? 0 : (b & 0xE0) == 0xC0 ? 1 : (b & 0xF0) == 0xE0 ? 2 : (b & 0xF8) == 0xF0 ? 3 : -1;
        if (n < 0 || s.size() - i <= static_cast<std::size_t>(n)) return false;
        char32_t c = n == 0 ? b : n == 1 ? (b & 0x1F) : n == 2 ? (b & 0x0F) : (b & 0x07);
        for (int k = 1; k <= n; ++k) {
            const auto next = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80) return false;
            c = (c << 6) | (next & 0x3F);
        }
        constexpr char32_t smallest[] = {0, 0x80, 0x800, 0x10000};
        if (c < smallest[n] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return false;
        i += static_cast<std::size_t>(n) + 1;
    }
    return true;
}

// What a reader gives back for a text we wrote: paragraphs end in "\n".
inline std::string WithParagraphBreaks(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            out += '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

}  // namespace zodiac::testing
