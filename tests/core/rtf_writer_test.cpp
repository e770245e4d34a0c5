#include "core/rtf_writer.h"

#include <gtest/gtest.h>

#include "tests/core/rtf_reader.h"

namespace zodiac {
namespace {

std::string Body(const std::string& text, bool bold = false) {
    const std::string rtf = WriteRtf({"Verdana", 20, {{text, bold, {0, 0, 128}}}});
    const std::string start = bold ? "\\b\\cf1 " : "\\b0\\cf1 ";
    const auto from = rtf.find(start) + start.size();
    return rtf.substr(from, rtf.rfind("\n}\n") - from);
}

struct EscapeCase {
    const char* name;
    std::string text;
    std::string written;
};

class RtfText : public ::testing::TestWithParam<EscapeCase> {};

TEST_P(RtfText, IsWrittenSoThatReadersGetItBack) { EXPECT_EQ(Body(GetParam().text), GetParam().written); }

INSTANTIATE_TEST_SUITE_P(
    Escaping, RtfText,
    ::testing::Values(EscapeCase{"plain", "Ann", "Ann"},
                      EscapeCase{"rtf_inside_a_name", "{\\rtf1 Bo}b", "\\{\\\\rtf1 Bo\\}b"},
                      EscapeCase{"latin", "Zo\xC3\xAB", "Zo\\u235?"},
                      EscapeCase{"cjk_above_32767_is_negative", "\xE6\x97\xA5\xE6\x9C\xAC", "\\u26085?\\u26412?"},
                      EscapeCase{"bmp_top", "\xEF\xBF\xBD", "\\u-3?"},
                      EscapeCase{"emoji_as_surrogate_pair", "\xF0\x9F\x98\x80", "\\u-10179?\\u-8704?"},
                      EscapeCase{"digits_after_a_control_word", "2024", "2024"},
                      EscapeCase{"leading_blanks_survive", "  x", "  x"},
                      EscapeCase{"line_breaks_of_every_kind", "a\r\nb\rc\nd", "a\\par\nb\\par\nc\\par\nd"},
                      EscapeCase{"tab_and_control_characters", "a\tb\x01", "a\\tab b\\u1?"},
                      EscapeCase{"broken_utf8", "a\xC3(\xFF", "a\\u-3?(\\u-3?"},
                      EscapeCase{"overlong_utf8", "\xC0\xAF", "\\u-3?\\u-3?"},
                      EscapeCase{"right_to_left", "\xD7\xA9\xD7\x9C", "\\u1513?\\u1500?"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RtfDocument, HasTheFontAndTheRunsColoursAndBoldness) {
    const std::string rtf = WriteRtf(
        {"Verdana",
         20,
         {{"Name: ", true, {128, 0, 0}}, {"Ann\r\n\r\n", false, {0, 0, 128}}, {"Element: ", true, {128, 0, 0}}}});
    EXPECT_EQ(rtf.rfind("{\\rtf1\\ansi", 0), 0u);
    EXPECT_NE(rtf.find("{\\fonttbl{\\f0\\fswiss\\fcharset0 Verdana;}}"), std::string::npos);
    EXPECT_NE(rtf.find("{\\colortbl ;\\red128\\green0\\blue0;\\red0\\green0\\blue128;}"), std::string::npos);
    EXPECT_NE(rtf.find("\\fs20"), std::string::npos);
    EXPECT_NE(rtf.find("\\b\\cf1 Name: \\b0\\cf2 Ann\\par\n\\par\n\\b\\cf1 Element: "), std::string::npos);
    EXPECT_EQ(rtf.substr(rtf.size() - 3), "\n}\n");
}

TEST(RtfDocument, AReaderGetsEveryRunBackWhole) {
    const std::vector<std::string> texts = {"{\\rtf1 Bo}b",
                                            "Zo\xC3\xAB",
                                            "\xE6\x97\xA5\xE6\x9C\xAC",
                                            "\xF0\x9F\x98\x80 ok",
                                            "  2024",
                                            "a\r\nb",
                                            "\\par not a paragraph",
                                            "tab\there",
                                            "\xD7\xA9\xD7\x9C\xD7\x95\xD7\x9D",
                                            "?\\u65?"};
    RtfDocument document{"Verdana", 20, {}};
    std::string expected;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        document.runs.push_back({texts[i], i % 2 == 0, {static_cast<std::uint8_t>(i), 0, 0}});
        expected += texts[i];
    }
    EXPECT_EQ(testing::ReadRtfText(WriteRtf(document)), testing::WithParagraphBreaks(expected));
}

TEST(RtfDocument, BracesBalanceWhateverTheText) {
    for (const std::string text : {"{{{", "}}}", "\\", "\\}", "{\\b x}"}) {
        const std::string rtf = WriteRtf({"Verdana", 20, {{text, false, {0, 0, 0}}}});
        int depth = 0;
        for (std::size_t i = 0; i < rtf.size(); ++i) {
            if (rtf[i] == '\\') {
                ++i;
                continue;
            }
            depth += rtf[i] == '{' ? 1 : rtf[i] == '}' ? -1 : 0;
            ASSERT_GE(depth, 0) << text;
        }
        EXPECT_EQ(depth, 0) << text;
    }
}

}  // namespace
}  // namespace zodiac
