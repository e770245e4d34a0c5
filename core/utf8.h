#pragma once

#include <cstddef>
#include <string_view>

namespace zodiac {

// A character of UTF-8 text: its code point and its length in bytes.
struct Utf8Char {
    char32_t point = 0;
    int length = 0;
};

// The character that starts at `at`, or length 0 where no well-formed one does:
// a stray continuation byte, an overlong form, a surrogate, anything past
// U+10FFFF, or a sequence cut short. Bytes are judged one at a time, so each
// byte of a broken sequence counts as a fault of its own, as the Unicode
// standard and the web's Encoding Standard count them.
constexpr Utf8Char Utf8At(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80) return {lead, 1};
    int length = 0;
    char32_t point = 0;
    unsigned char low = 0x80, high = 0xbf;  // the range of the byte after the lead
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2, point = lead & 0x1fu;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3, point = lead & 0x0fu;
        if (lead == 0xe0) low = 0xa0;
        if (lead == 0xed) high = 0x9f;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4, point = lead & 0x07u;
        if (lead == 0xf0) low = 0x90;
        if (lead == 0xf4) high = 0x8f;
    } else {
        return {};
    }
    if (at + static_cast<std::size_t>(length) > text.size() || byte(at + 1) < low || byte(at + 1) > high) return {};
    for (int k = 1; k < length; ++k) {
        const unsigned char next = byte(at + static_cast<std::size_t>(k));
        if (next < 0x80 || next > 0xbf) return {};
        point = (point << 6) | (next & 0x3fu);
    }
    return {point, length};
}

}  // namespace zodiac
