// report: the report the windows save, written whole or not at all.
#include "cli/report.h"

#include <algorithm>

#include "cli/dates.h"
#include "cli/escaping.h"
#include "cli/failure.h"
#include "cli/streams.h"
#include "core/file_writing.h"
#include "core/reading.h"
#include "core/report_text.h"

namespace zodiac::cli {
namespace {

// The name as the report starts with it: one line of text with something to see.
void CheckName(const QString& name) {
    if (name.trimmed().isEmpty()) BadInput(QStringLiteral("the name is empty; expected --name NAME"));
    const auto ucs4 = name.toUcs4();
    const bool visible = std::any_of(ucs4.begin(), ucs4.end(), [](char32_t c) {
        const QChar::Category category = QChar::category(c);
        return (category >= QChar::Letter_Uppercase && category <= QChar::Letter_Other) ||
               (category >= QChar::Number_DecimalDigit && category <= QChar::Number_Other) ||
               (category >= QChar::Punctuation_Connector && category <= QChar::Symbol_Other);
    });
    if (!visible) {
        BadInput(QStringLiteral("the name '%1' has no character to see; expected --name NAME").arg(Shown(name)));
    }
    for (const char32_t c : ucs4) {
        const auto category = QChar::category(c);
        if (category == QChar::Other_Control || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph) {
            BadInput(QStringLiteral("the name holds a control character (%1); a name is one line of text")
                         .arg(Shown(QString::fromUcs4(&c, 1))));
        }
    }
}

}  // namespace

int RunReport(const Request& request, Session& session) {
    if (request.name.isNull()) BadInput(QStringLiteral("report needs --name NAME"));
    CheckName(request.name);
    if (request.output.isEmpty()) BadInput(QStringLiteral("report needs -o FILE, or -o - for standard output"));
    if (request.arguments.contains(QStringLiteral("-"))) {
        BadInput(QStringLiteral("report reads no date from standard input; give one date (YYYY-MM-DD)"));
    }
    if (request.arguments.size() != 1) {
        BadInput(QStringLiteral("report needs one date (YYYY-MM-DD); got %1").arg(request.arguments.size()));
    }
    const Birthplace place = BirthplaceNamed(request.zone);
    const Checked checked = CheckedBirth(request.arguments[0], request.start, place);
    const Reading reading = ReadingOf(request.name, checked.birth, checked.year, request.start, place);
    const QByteArray rtf = QByteArray::fromStdString(ReportRtf(ComposeReport(FactsOf(reading))));
    if (request.output == u"-") {
        session.out.Write(rtf);
        session.out.Finish();
    } else if (const WriteResult written = WriteWholeFile(request.output, rtf); !written.ok()) {
        throw Failure{kNotWritten, QStringLiteral("cannot write the report to %1: %2")
                                       .arg(Shown(request.output, false, kShownPathLength),
                                            Shown(written.reason(), false, kShownPathLength))};
    }
    return kDone;
}

}  // namespace zodiac::cli
