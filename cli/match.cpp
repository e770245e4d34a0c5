// match: both readings, the pair's number, rating and text.
#include "cli/match.h"

#include "cli/dates.h"
#include "cli/failure.h"
#include "cli/streams.h"
#include "core/text.h"
#include "engine/compatibility.h"

namespace zodiac::cli {

namespace {

std::string Paragraphs(const Match& match) {
    return PairParagraphs(match.first.year.year.sign, match.second.year.year.sign);
}

}  // namespace

QByteArray MatchText(const Match& match, const Birthplace& place) {
    const CompatibilityResult& result = match.compatibility;
    QString text = Heading(match.first, place) + Heading(match.second, place) + QLatin1Char('\n');
    text += QStringLiteral("Compatibility %1 of 10 (%2): %3\n\n")
                .arg(result.number)
                .arg(ToQString(result.percentage), ToQString(result.rating).trimmed());
    text += WrapText(ToQString(Paragraphs(match)), kWidth, QString()) + QLatin1Char('\n');
    return text.toUtf8();
}

JsonObject MatchJson(const Match& match, const Where& where) {
    const CompatibilityResult& result = match.compatibility;
    return JsonObject()
        .Object("first", SignJson(match.first, where))
        .Object("second", SignJson(match.second, where))
        .Number("number", result.number)
        .Text("percentage", result.percentage)
        // The lowest rating has always carried a leading blank; a script should not have to know.
        .Text("rating", ToQString(result.rating).trimmed())
        .Text("text", Paragraphs(match));
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
    const Checked first = CheckedBirth(request.arguments[0], request.start, place);
    const Checked second = CheckedBirth(request.arguments[1], request.start, place);
    const Match match = MatchOf(ReadingOf({}, first.birth, first.year, request.start, place),
                                ReadingOf({}, second.birth, second.year, request.start, place));
    session.out.Write(request.json ? JsonLine(MatchJson(match, {place, !request.zone.isNull()}))
                                   : MatchText(match, place));
    session.out.Finish();
    return kDone;
}

}  // namespace zodiac::cli
