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

Birth BirthArgument(const QString& text, YearStart start, const Birthplace& place) {
    return CheckedBirth(text.toUtf8(), start, place);
}

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
    const Birthplace place = BirthplaceNamed(request.zone);
    // Every date is checked before anything is written; sixteen bytes a date,
    // so that a million of them fit in a few megabytes.
    std::vector<Birth> births;
    for (const QString& date : request.arguments) {
        if (date != u"-") {
            births.push_back(BirthArgument(date, request.start, place));
            continue;
        }
        ReadLines(session.streams.inputClosed, [&](qsizetype number, QByteArrayView text, bool cut) {
            births.push_back(CheckedBirth(text, request.start, place, number, cut));
        });
    }
    SignEntries entries(request.json ? SignEntries::Json : SignEntries::Text, request.start,
                        {place, !request.zone.isNull()});
    for (const Birth& birth : births) {
        entries.Append(session.out.Buffer(), birth);
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
    const Birthplace place = BirthplaceNamed(request.zone);
    const Birth first = BirthArgument(request.arguments[0], request.start, place);
    const Birth second = BirthArgument(request.arguments[1], request.start, place);
    const Match match =
        MatchOf(*ReadingOf({}, first, request.start, place), *ReadingOf({}, second, request.start, place));
    session.out.Write(request.json ? JsonLine(MatchJson(match, {place, !request.zone.isNull()}))
                                   : MatchText(match, place));
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
    const Birthplace place = BirthplaceNamed(request.zone);
    const Reading reading =
        *ReadingOf(request.name, BirthArgument(request.arguments[0], request.start, place), request.start, place);
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
