#include "core/reading.h"

#include <gtest/gtest.h>

#include "core/main_command.h"
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

// The windows' main command and a reading of the same person tell the same report.
TEST(Report, IsTheSameFromTheWindowsAndFromAReading) {
    ZodiacState state;
    const PersonEntry ann{QStringLiteral("Ann"), {}, {}, {}, QStringLiteral("5 March 1975"), 1975y / March / 5d};
    const PersonEntry partner{{}, {}, {}, {}, QStringLiteral("1 January 1936"), 1936y / January / 1d};
    const auto japanese = MainCommand{}.Run(ann, partner, state);
    ASSERT_TRUE(japanese);
    const QString shown = QString::fromUtf8(japanese->name.data(), static_cast<qsizetype>(japanese->name.size()));
    const auto reading = ReadingOf(QStringLiteral("  Ann "), Birth{1975y / March / 5d}, YearStart::Lunar,
                                   *Birthplace::Named(Birthplace::kDefault));
    ASSERT_TRUE(reading);
    EXPECT_EQ(ComposeReport(FactsOf(*reading)), ComposeReport(FactsOf(state, shown)));
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
