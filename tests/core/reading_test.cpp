#include "core/reading.h"

#include <gtest/gtest.h>

#include "core/report_text.h"
#include "tests/core/rtf_reader.h"

namespace zodiac {
namespace {

using namespace std::chrono;

TEST(BirthText, IsWrittenAsTheWindowsListsGiveIt) {
    const std::pair<year_month_day, const char*> cases[] = {
        {1975y / March / 5d, "5 March 1975"},
        {1900y / January / 31d, "31 January 1900"},
        {2100y / December / 31d, "31 December 2100"},
    };
    for (const auto& [date, text] : cases) EXPECT_EQ(BirthText(date).toStdString(), text);
}

TEST(ReportRtf, JoinsNeighboursOfOneStyleSoTheTextReadsBackWhole) {
    const ReportText runs = {{QStringLiteral("Element: "), true, {128, 0, 0}},
                             {QStringLiteral("Wood: "), true, {128, 0, 0}},
                             {QStringLiteral("You\r\n\r\n"), false, {0, 0, 128}}};
    const std::string rtf = ReportRtf(runs);
    EXPECT_NE(rtf.find("\\b\\cf1 Element: Wood: \\b0\\cf2 You"), std::string::npos) << rtf;
    EXPECT_EQ(testing::ReadRtfText(rtf), "Element: Wood: You\n\n");
}

}  // namespace
}  // namespace zodiac
