#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zodiac {

struct RtfColour {
    std::uint8_t red, green, blue;
    bool operator==(const RtfColour&) const = default;
};

// A stretch of text in one style. The text is UTF-8; every line break in it
// (CR LF, CR or LF) starts a new paragraph.
struct RtfRun {
    std::string text;
    bool bold = false;
    RtfColour colour{0, 0, 0};
};

struct RtfDocument {
    std::string fontName;
    int halfPoints = 20;  // the font size, in half points
    std::vector<RtfRun> runs;
};

// A complete RTF document: one font, a colour table of the runs' colours, and
// each run with its bold flag and colour. Any text comes back unchanged from a
// reader: RTF's special characters are escaped and everything outside ASCII is
// written as \uN with a '?' fallback (UTF-16 surrogate pairs beyond the BMP);
// bytes that are not valid UTF-8 become U+FFFD.
std::string WriteRtf(const RtfDocument& document);

}  // namespace zodiac
