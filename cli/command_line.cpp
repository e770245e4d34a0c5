#include "cli/command_line.h"

#include <QCommandLineParser>
#include <QJsonDocument>
#include <QSaveFile>
#include <QStringList>
#include <cstdio>
#include <string_view>

#include "cli/help.h"
#include "cli/output.h"
#include "core/reading.h"
#include "core/report_text.h"
#include "core/version.h"

namespace zodiac::cli {
namespace {

using std::chrono::year_month_day;

// Ends a command: its exit status and the one line that says why.
struct Failure {
    int status;
    QString message;
};

[[noreturn]] void BadInput(const QString& message) { throw Failure{kBadInput, message}; }

void Write(std::FILE* stream, const QByteArray& bytes) {
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
}

QString IsoRange(YearStart start) {
    const DateRange range = Coverage(start);
    return IsoDate(range.first) + QStringLiteral(" to ") + IsoDate(range.last);
}

// YYYY-MM-DD with ASCII digits, naming a day the calendar has.
year_month_day ParseDate(const QString& text) {
    const auto digit = [&](qsizetype i) { return text[i] >= u'0' && text[i] <= u'9'; };
    bool wellFormed = text.size() == 10 && text[4] == u'-' && text[7] == u'-';
    for (qsizetype i : {0, 1, 2, 3, 5, 6, 8, 9}) wellFormed = wellFormed && digit(i);
    if (!wellFormed) BadInput(QStringLiteral("'%1' is not a date; expected YYYY-MM-DD, such as 1975-03-05").arg(text));
    const year_month_day date{std::chrono::year{text.left(4).toInt()},
                              std::chrono::month{static_cast<unsigned>(text.mid(5, 2).toInt())},
                              std::chrono::day{static_cast<unsigned>(text.mid(8, 2).toInt())}};
    if (!date.ok()) BadInput(QStringLiteral("%1 is not a day of the calendar; expected a real date").arg(text));
    return date;
}

// The reading of a date within what `start` covers.
Reading ReadingFor(const QString& name, const QString& date, YearStart start) {
    if (auto reading = ReadingOf(name, ParseDate(date), start)) return std::move(*reading);
    const YearStart other = start == YearStart::Lunar ? YearStart::January : YearStart::Lunar;
    BadInput(QStringLiteral("%1 is outside the %2 years this program knows; expected a date from %3 "
                            "(--year-start=%4 covers %5)")
                 .arg(date, start == YearStart::Lunar ? QStringLiteral("lunar") : QStringLiteral("calendar"),
                      IsoRange(start), YearStartName(other), IsoRange(other)));
}

// The dates of standard input, one a line; blank lines are skipped.
QStringList DatesFromStandardInput() {
    QByteArray input;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, stdin)) > 0;)
        input.append(buffer, static_cast<qsizetype>(n));
    QStringList dates;
    for (const QByteArray& line : input.split('\n')) {
        const QByteArray date = line.trimmed();
        if (!date.isEmpty()) dates << QString::fromUtf8(date);
    }
    return dates;
}

struct Command {
    QString name;
    bool json = false;
    YearStart start = YearStart::Lunar;
    QStringList dates;
    QString personName;
    QString output;
    bool help = false;
};

Command Parse(const QString& name, const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption json(QStringLiteral("json"));
    const QCommandLineOption yearStart(QStringLiteral("year-start"), {}, QStringLiteral("lunar|january"));
    const QCommandLineOption person(QStringLiteral("name"), {}, QStringLiteral("NAME"));
    const QCommandLineOption output({QStringLiteral("o"), QStringLiteral("output")}, {}, QStringLiteral("FILE"));
    parser.addOption(help);
    parser.addOption(yearStart);
    if (name == u"report") {
        parser.addOption(person);
        parser.addOption(output);
    } else {
        parser.addOption(json);
    }
    if (!parser.parse(QStringList{QStringLiteral("qorvel-zodiac")} + arguments)) {
        // Qt says "Unknown option 'x'." or "Missing value after '--name'."; ours is one line in lower case.
        QString error = parser.errorText();
        if (error.endsWith(u'.')) error.chop(1);
        if (!error.isEmpty()) error[0] = error[0].toLower();
        BadInput(QStringLiteral("%1 (see qorvel-zodiac %2 --help)").arg(error, name));
    }
    const bool report = name == u"report";
    Command command{name,
                    !report && parser.isSet(json),
                    YearStart::Lunar,
                    parser.positionalArguments(),
                    report ? parser.value(person) : QString(),
                    report ? parser.value(output) : QString(),
                    parser.isSet(help)};
    if (parser.isSet(yearStart)) {
        const QString start = parser.value(yearStart);
        if (start == YearStartName(YearStart::January)) {
            command.start = YearStart::January;
        } else if (start != YearStartName(YearStart::Lunar)) {
            BadInput(QStringLiteral("--year-start is 'lunar' or 'january', not '%1'").arg(start));
        }
    }
    return command;
}

QByteArray Json(const QJsonObject& object) { return QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n'; }

int Sign(const Command& command) {
    if (command.dates.isEmpty())
        BadInput(QStringLiteral("sign needs a DATE (YYYY-MM-DD), or - to read dates from standard input"));
    if (command.dates.count(QStringLiteral("-")) > 1)
        BadInput(QStringLiteral("sign reads standard input once; give - only once"));
    QStringList dates;
    for (const QString& date : command.dates) {
        if (date == u"-") {
            dates << DatesFromStandardInput();
        } else {
            dates << date;
        }
    }
    // Every date is checked before anything is written.
    std::vector<Reading> readings;
    readings.reserve(static_cast<std::size_t>(dates.size()));
    for (const QString& date : dates) readings.push_back(ReadingFor({}, date, command.start));
    QByteArray out;
    for (const Reading& reading : readings) {
        if (command.json) {
            out += Json(SignJson(reading));
        } else {
            out += (out.isEmpty() ? QByteArray() : QByteArray("\n")) + SignText(reading);
        }
    }
    Write(stdout, out);
    return kDone;
}

int MatchSigns(const Command& command) {
    if (command.dates.contains(QStringLiteral("-"))) {
        BadInput(QStringLiteral("match reads no dates from standard input; give two dates (YYYY-MM-DD)"));
    }
    if (command.dates.size() != 2) {
        BadInput(QStringLiteral("match needs two dates (YYYY-MM-DD), the first taking the user's side; got %1")
                     .arg(command.dates.size()));
    }
    const Match match =
        MatchOf(ReadingFor({}, command.dates[0], command.start), ReadingFor({}, command.dates[1], command.start));
    Write(stdout, command.json ? Json(MatchJson(match)) : MatchText(match));
    return kDone;
}

int Report(const Command& command) {
    if (command.personName.isNull()) BadInput(QStringLiteral("report needs --name NAME"));
    if (command.personName.isEmpty()) BadInput(QStringLiteral("the name is empty; expected --name NAME"));
    if (command.output.isEmpty()) BadInput(QStringLiteral("report needs -o FILE, or -o - for standard output"));
    if (command.dates.contains(QStringLiteral("-"))) {
        BadInput(QStringLiteral("report reads no date from standard input; give one date (YYYY-MM-DD)"));
    }
    if (command.dates.size() != 1) {
        BadInput(QStringLiteral("report needs one date (YYYY-MM-DD); got %1").arg(command.dates.size()));
    }
    const Reading reading = ReadingFor(command.personName, command.dates[0], command.start);
    const QByteArray rtf = QByteArray::fromStdString(ReportRtf(ComposeReport(FactsOf(reading))));
    if (command.output == u"-") {
        Write(stdout, rtf);
        return kDone;
    }
    // Written whole to a new file first: an existing report is replaced only by a complete one.
    QSaveFile file(command.output);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size() || !file.commit()) {
        throw Failure{kNotWritten,
                      QStringLiteral("cannot write the report to %1: %2").arg(command.output, file.errorString())};
    }
    return kDone;
}

int RunCommand(const QStringList& arguments) {
    const QString first = arguments.value(0);
    if (first == u"--help" || first == u"-h" || first == u"--help-all") {
        Write(stdout, UsageText());
        return kDone;
    }
    if (first == u"--version" || first == u"-v") {
        Write(stdout, QByteArray("qorvel-zodiac ") + version::kVersion + '\n');
        return kDone;
    }
    if (first.startsWith(u'-')) {
        BadInput(QStringLiteral("%1 goes after the command, as in qorvel-zodiac sign --json 1975-03-05 "
                                "(see qorvel-zodiac --help)")
                     .arg(first));
    }
    if (first != u"sign" && first != u"match" && first != u"report") {
        BadInput(QStringLiteral("'%1' is not a command; expected sign, match or report (see qorvel-zodiac --help)")
                     .arg(first));
    }
    const Command command = Parse(first, arguments.mid(1));
    if (command.help) {
        Write(stdout, CommandHelp(first));
        return kDone;
    }
    if (first == u"sign") return Sign(command);
    if (first == u"match") return MatchSigns(command);
    return Report(command);
}

}  // namespace

bool Wanted(int argc, char* argv[]) {
    if (argc < 2) return false;
    const std::string_view first = argv[1];
    for (const std::string_view ours : {"-h", "-v", "-o", "--json", "--version"}) {
        if (first == ours) return true;
    }
    // Ours even when misplaced before the command, so that they get an answer rather than open the windows.
    for (const std::string_view ours : {"--help", "--year-start", "--name", "--output"}) {
        if (first.starts_with(ours)) return true;
    }
    return !first.starts_with('-');
}

int Run(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    try {
        return RunCommand(arguments);
    } catch (const Failure& failure) {
        Write(stderr, (QStringLiteral("qorvel-zodiac: ") + failure.message + QLatin1Char('\n')).toUtf8());
        return failure.status;
    }
}

}  // namespace zodiac::cli
