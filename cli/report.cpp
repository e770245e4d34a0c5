// report: the report the windows save, written whole or not at all.
#include "cli/report.h"

#include <QStringList>
#include <algorithm>

#include "cli/dates.h"
#include "cli/escaping.h"
#include "cli/failure.h"
#include "cli/streams.h"
#include "core/reading.h"
#include "core/report_text.h"
#include "os/file_writing.h"

namespace zodiac::cli {
namespace {

// The name as the report starts with it: one line of text with something to see.
void CheckName(const QString& name) {
    const auto ucs4 = name.toUcs4();
    // Blanks of any width, and the fillers drawn as nothing, make no name.
    if (std::all_of(ucs4.begin(), ucs4.end(), [](char32_t c) { return ShowsBlank(c); }))
        BadInput(QStringLiteral("the name is empty; expected --name NAME"));
    const bool visible = std::any_of(ucs4.begin(), ucs4.end(), [](char32_t c) {
        const QChar::Category category = QChar::category(c);
        return ((category >= QChar::Letter_Uppercase && category <= QChar::Letter_Other) ||
                (category >= QChar::Number_DecimalDigit && category <= QChar::Number_Other) ||
                (category >= QChar::Punctuation_Connector && category <= QChar::Symbol_Other)) &&
               !Escaped(c);
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

// How the birth was counted, in one line of the report, when not as the
// windows count it (a day without a time, in Japan, the zodiac year from the
// lunar new year); empty when it was, so that the report is theirs byte for byte.
QString Reckoning(const Birth& birth, YearStart start, const Birthplace& place) {
    QStringList parts;
    if (birth.Timed()) {
        parts << QStringLiteral("born at %1:%2 on the clock of %3")
                     .arg(birth.minute / 60, 2, 10, QLatin1Char('0'))
                     .arg(birth.minute % 60, 2, 10, QLatin1Char('0'))
                     .arg(place.Name());
    } else if (place.Name() != QLatin1String(Birthplace::kDefault)) {
        parts << QStringLiteral("on the clock of %1").arg(place.Name());
    }
    if (start == YearStart::January) parts << QStringLiteral("the zodiac year from 1 January");
    if (start == YearStart::Risshun) parts << QStringLiteral("the zodiac year from risshun");
    return parts.join(QStringLiteral("; "));
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
    ReportFacts facts = FactsOf(reading);
    facts.reckoning = Reckoning(checked.birth, request.start, place);
    const QByteArray rtf = QByteArray::fromStdString(ReportRtf(ComposeReport(facts)));
    if (request.output == u"-") {
        session.out.Write(rtf);
        session.out.Finish();
    } else if (const WriteResult written = WriteWholeFile(request.output, rtf); !written.ok()) {
        throw NotWrittenTo(request.output, written.reason(), QStringLiteral("the report"));
    }
    return kDone;
}

}  // namespace zodiac::cli
