#pragma once

#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/rtf_writer.h"
#include "engine/profiles.h"

namespace zodiac {

// One stretch of the report in one of its two styles.
struct ReportRun {
    QString text;
    bool bold = false;
    RtfColour colour;
    bool operator==(const ReportRun&) const = default;
};

using ReportText = std::vector<ReportRun>;

namespace report_style {
inline constexpr RtfColour kLabel{128, 0, 0};  // bold dark red
inline constexpr RtfColour kValue{0, 0, 128};  // regular dark blue
inline constexpr std::string_view kFont = "Verdana";
inline constexpr double kPoints = 9.75;
}  // namespace report_style

// What the report tells of one person, the user.
struct ReportFacts {
    QString name;
    QString birthText;
    QString japaneseSign;
    std::string sign;
    std::string element;
    std::string elementDescription;
    std::optional<SignProfile> profile;
    // How the birth was counted, when not as the windows count it; empty otherwise.
    QString reckoning;
};

// The report: eighteen entries of a label and a value, each value followed by an
// empty line, and a nineteenth after the date of birth for a reckoning.
ReportText ComposeReport(const ReportFacts& facts);

// The report as an RTF document, in the report's font. Neighbouring runs of one
// style become one, as a text box holds them, so that the same report always
// gives the same bytes, whether written from a box or from its composition.
std::string ReportRtf(const ReportText& runs);

}  // namespace zodiac
