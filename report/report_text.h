#pragma once

#include <QColor>
#include <QString>
#include <vector>

class QTextDocument;

namespace zodiac {

struct ZodiacState;

// One stretch of the report in one of its two styles.
struct ReportRun {
    QString text;
    bool bold = false;
    QColor colour;
    bool operator==(const ReportRun&) const = default;
};

using ReportText = std::vector<ReportRun>;

namespace report_style {
inline const QColor kLabel{128, 0, 0};  // bold dark red
inline const QColor kValue{0, 0, 128};  // regular dark blue
inline const QString kFont = QStringLiteral("Verdana");
inline constexpr double kPoints = 9.75;
}  // namespace report_style

// The user's report: eighteen entries of a label and a value, each value followed
// by an empty line. The Japanese sign is what the result window shows.
ReportText ComposeReport(const ZodiacState& state, const QString& japaneseSign);

// The box's content as runs again, whatever the user changed in it; each
// paragraph ends in CR LF.
ReportText RunsOf(const QTextDocument& document);

}  // namespace zodiac
