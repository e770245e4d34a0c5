// The commands sign, match and report, each over a parsed request.
#include <QByteArrayView>
#include <vector>

#include "cli/commands.h"
#include "cli/dates.h"
#include "cli/failure.h"
#include "cli/output.h"
#include "cli/streams.h"
#include "core/file_writing.h"
#include "core/reading.h"
#include "core/report_text.h"

namespace zodiac::cli {
namespace {

using std::chrono::year_month_day;

year_month_day DateArgument(const QString& text, YearStart start) { return CheckedDate(text.toUtf8(), start); }

// The name as the report starts with it: one line of visible text.
void CheckName(const QString& name) {
    if (name.trimmed().isEmpty()) BadInput(QStringLiteral("the name is empty; expected --name NAME"));
    for (const char32_t c : name.toUcs4()) {
        const auto category = QChar::category(c);
        if (category == QChar::Other_Control || category == QChar::Separator_Line ||
            category == QChar::Separator_Paragraph) {
            BadInput(QStringLiteral("the name holds a control character (%1); a name is one line of text")
                         .arg(Shown(QString::fromUcs4(&c, 1))));
        }
    }
}

}  // namespace

int RunSign(const Request& request, Session& session) {
    if (request.arguments.isEmpty())
        BadInput(QStringLiteral("sign needs a DATE (YYYY-MM-DD), or - to read dates from standard input"));
    if (request.arguments.count(QStringLiteral("-")) > 1)
        BadInput(QStringLiteral("sign reads standard input once; give - only once"));
    // Every date is checked before anything is written; four bytes a date, so
    // that a million of them fit in a few megabytes.
    std::vector<year_month_day> dates;
    for (const QString& date : request.arguments) {
        if (date != u"-") {
            dates.push_back(DateArgument(date, request.start));
            continue;
        }
        ReadLines(session.streams.inputClosed, [&](qsizetype number, QByteArrayView text, bool cut) {
            dates.push_back(CheckedDate(text, request.start, number, cut));
        });
    }
    SignEntries entries(request.json ? SignEntries::Json : SignEntries::Text, request.start);
    for (const year_month_day date : dates) {
        entries.Append(session.out.Buffer(), date);
        session.out.Written();
    }
    session.out.Finish();
    return kDone;
}

int RunMatch(const Request& request, Session& session) {
    if (request.arguments.contains(QStringLiteral("-"))) {
        BadInput(QStringLiteral("match reads no dates from standard input; give two dates (YYYY-MM-DD)"));
    }
    if (request.arguments.size() != 2) {
        BadInput(QStringLiteral("match needs two dates (YYYY-MM-DD), the first taking the user's side; got %1")
                     .arg(request.arguments.size()));
    }
    const year_month_day first = DateArgument(request.arguments[0], request.start);
    const year_month_day second = DateArgument(request.arguments[1], request.start);
    const Match match = MatchOf(*ReadingOf({}, first, request.start), *ReadingOf({}, second, request.start));
    session.out.Write(request.json ? JsonLine(MatchJson(match)) : MatchText(match));
    session.out.Finish();
    return kDone;
}

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
    const Reading reading = *ReadingOf(request.name, DateArgument(request.arguments[0], request.start), request.start);
    const QByteArray rtf = QByteArray::fromStdString(ReportRtf(ComposeReport(FactsOf(reading))));
    if (request.output == u"-") {
        session.out.Write(rtf);
        session.out.Finish();
    } else if (const auto failure = WriteWholeFile(request.output, rtf)) {
        throw Failure{kNotWritten, QStringLiteral("cannot write the report to %1: %2")
                                       .arg(Shown(request.output, false, kShownPathLength), *failure)};
    }
    return kDone;
}

}  // namespace zodiac::cli
