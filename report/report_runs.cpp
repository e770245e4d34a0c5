#include "report/report_runs.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace zodiac {

ReportText RunsOf(const QTextDocument& document) {
    ReportText runs;
    const auto append = [&runs](const QString& text, bool bold, const RtfColour& colour) {
        if (!runs.empty() && runs.back().bold == bold && runs.back().colour == colour) {
            runs.back().text += text;
        } else {
            runs.push_back({text, bold, colour});
        }
    };
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        ReportRun last{{}, false, report_style::kValue};
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const QColor colour = format.foreground().color();
            last = {{},
                    format.fontWeight() >= QFont::Bold,
                    {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
                     static_cast<std::uint8_t>(colour.blue())}};
            append(fragment.text(), last.bold, last.colour);
        }
        // The box keeps an empty paragraph after the last line break.
        if (block.next().isValid()) append(QStringLiteral("\r\n"), last.bold, last.colour);
    }
    return runs;
}

}  // namespace zodiac
