// Any text, split into two runs of either style, must give an RTF document
// whose text a reader gets back unchanged; text that is not valid UTF-8 must
// still give a document that reads back as valid UTF-8.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "core/rtf_writer.h"
#include "tests/core/rtf_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::size_t split = text.empty() ? 0 : data[0] % (text.size() + 1);
    while (split < text.size() && (static_cast<unsigned char>(text[split]) & 0xC0) == 0x80) ++split;
    zodiac::RtfDocument document{"Verdana",
                                 20,
                                 {{text.substr(0, split), (data[0] & 1) != 0, {128, 0, 0}},
                                  {text.substr(split), (data[0] & 2) != 0, {0, 0, 128}}}};
    const std::string read = zodiac::testing::ReadRtfText(zodiac::WriteRtf(document));
    if (zodiac::testing::IsValidUtf8(text)) {
        // Each run breaks its own lines: a CR ending one run and an LF opening the next are two.
        const std::string expected = zodiac::testing::WithParagraphBreaks(document.runs[0].text) +
                                     zodiac::testing::WithParagraphBreaks(document.runs[1].text);
        if (read != expected) std::abort();
    } else if (!zodiac::testing::IsValidUtf8(read)) {
        std::abort();
    }
    return 0;
}
