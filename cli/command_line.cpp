#include "cli/command_line.h"

#include <QCommandLineParser>
#include <QStringList>
#include <array>
#include <string_view>

#include "cli/dates.h"
#include "cli/failure.h"
#include "cli/help.h"
#include "cli/output.h"
#include "cli/streams.h"
#include "core/file_writing.h"
#include "core/reading.h"
#include "core/report_text.h"
#include "core/version.h"

namespace zodiac::cli {
namespace {

using std::chrono::year_month_day;

// The options QGuiApplication and QApplication document for every Qt program,
// with one dash or two; a few take the next argument as their value.
constexpr std::array<std::string_view, 12> kQtOptionsWithValue = {
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "style",         "stylesheet"};
constexpr std::array<std::string_view, 2> kQtFlags = {"reverse", "widgetcount"};
constexpr std::array<std::string_view, 3> kQtOptionsWithEquals = {"style=", "stylesheet=", "qmljsdebugger="};

// The option's name without its dashes, or empty when it is no option.
std::string_view OptionName(std::string_view argument) {
    if (argument.size() < 2 || argument[0] != '-') return {};
    argument.remove_prefix(argument.starts_with("--") ? 2 : 1);
    return argument;
}

template <std::size_t N>
bool OneOf(std::string_view name, const std::array<std::string_view, N>& names) {
    for (const std::string_view n : names) {
        if (name == n) return true;
    }
    return false;
}

bool QtOptionWithValue(std::string_view argument) {
    const std::string_view name = OptionName(argument);
    return !name.empty() && OneOf(name, kQtOptionsWithValue);
}

// How many arguments Qt's option at argv[i] takes up: 0 when it is not one of
// Qt's, or lacks its value.
int QtOptionLength(int argc, char* argv[], int i) {
    const std::string_view name = OptionName(argv[i]);
    if (name.empty()) return 0;
    if (OneOf(name, kQtFlags)) return 1;
    for (const std::string_view prefix : kQtOptionsWithEquals) {
        if (name.starts_with(prefix)) return 1;
    }
    return OneOf(name, kQtOptionsWithValue) && i + 1 < argc ? 2 : 0;
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

[[noreturn]] void UnknownOption(const QString& option, const QString& command) {
    BadInput(QStringLiteral("unknown option '%1' (see qorvel-zodiac %2--help)")
                 .arg(Shown(option), command.isEmpty() ? QString() : command + QLatin1Char(' ')));
}

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
        const QStringList unknown = parser.unknownOptionNames();
        if (!unknown.isEmpty()) UnknownOption(unknown.constFirst(), name);
        // Qt says "Missing value after '--name'."; ours is one line in lower case.
        QString error = parser.errorText();
        if (error.endsWith(u'.')) error.chop(1);
        if (!error.isEmpty()) error[0] = error[0].toLower();
        BadInput(QStringLiteral("%1 (see qorvel-zodiac %2 --help)").arg(Shown(error), name));
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
            BadInput(QStringLiteral("--year-start is 'lunar' or 'january', not '%1'").arg(Shown(start)));
        }
    }
    return command;
}

year_month_day DateArgument(const QString& text, YearStart start) { return CheckedDate(text.toUtf8(), start); }

int Sign(const Command& command, const StandardStreams& streams, StandardOutput& out) {
    if (command.dates.isEmpty())
        BadInput(QStringLiteral("sign needs a DATE (YYYY-MM-DD), or - to read dates from standard input"));
    if (command.dates.count(QStringLiteral("-")) > 1)
        BadInput(QStringLiteral("sign reads standard input once; give - only once"));
    // Every date is checked before anything is written; four bytes a date, so
    // that a million of them fit in a few megabytes.
    std::vector<year_month_day> dates;
    for (const QString& date : command.dates) {
        if (date != u"-") {
            dates.push_back(DateArgument(date, command.start));
            continue;
        }
        ReadLines(streams.inputClosed, [&](qsizetype number, QByteArrayView text, bool cut) {
            dates.push_back(CheckedDate(text, command.start, number, cut));
        });
    }
    SignEntries entries(command.json ? SignEntries::Json : SignEntries::Text, command.start);
    for (const year_month_day date : dates) {
        entries.Append(out.Buffer(), date);
        out.Written();
    }
    out.Finish();
    return kDone;
}

int MatchSigns(const Command& command, StandardOutput& out) {
    if (command.dates.contains(QStringLiteral("-"))) {
        BadInput(QStringLiteral("match reads no dates from standard input; give two dates (YYYY-MM-DD)"));
    }
    if (command.dates.size() != 2) {
        BadInput(QStringLiteral("match needs two dates (YYYY-MM-DD), the first taking the user's side; got %1")
                     .arg(command.dates.size()));
    }
    const year_month_day first = DateArgument(command.dates[0], command.start);
    const year_month_day second = DateArgument(command.dates[1], command.start);
    const Match match = MatchOf(*ReadingOf({}, first, command.start), *ReadingOf({}, second, command.start));
    out.Write(command.json ? JsonLine(MatchJson(match)) : MatchText(match));
    out.Finish();
    return kDone;
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

int Report(const Command& command, StandardOutput& out) {
    if (command.personName.isNull()) BadInput(QStringLiteral("report needs --name NAME"));
    CheckName(command.personName);
    if (command.output.isEmpty()) BadInput(QStringLiteral("report needs -o FILE, or -o - for standard output"));
    if (command.dates.contains(QStringLiteral("-"))) {
        BadInput(QStringLiteral("report reads no date from standard input; give one date (YYYY-MM-DD)"));
    }
    if (command.dates.size() != 1) {
        BadInput(QStringLiteral("report needs one date (YYYY-MM-DD); got %1").arg(command.dates.size()));
    }
    const Reading reading =
        *ReadingOf(command.personName, DateArgument(command.dates[0], command.start), command.start);
    const QByteArray rtf = QByteArray::fromStdString(ReportRtf(ComposeReport(FactsOf(reading))));
    if (command.output == u"-") {
        out.Write(rtf);
        out.Finish();
    } else if (const auto failure = WriteWholeFile(command.output, rtf)) {
        throw Failure{kNotWritten, QStringLiteral("cannot write the report to %1: %2")
                                       .arg(Shown(command.output, false, kShownPathLength), *failure)};
    }
    return kDone;
}

int RunCommand(const QStringList& arguments, const StandardStreams& streams, StandardOutput& out) {
    const QString first = arguments.value(0);
    if (first == u"--help" || first == u"-h" || first == u"--help-all") {
        out.Write(UsageText());
        out.Finish();
        return kDone;
    }
    if (first == u"--version" || first == u"-v") {
        out.Write(QByteArray("qorvel-zodiac ") + version::kVersion + '\n');
        out.Finish();
        return kDone;
    }
    if (first.startsWith(u'-') && first.size() > 1) {
        const std::string option = first.toStdString();
        const std::string_view name = OptionName(option);
        for (const std::string_view ours : {"json", "year-start", "name", "o", "output"}) {
            if (name == ours || (name.starts_with(ours) && name[ours.size()] == '=')) {
                BadInput(QStringLiteral("%1 goes after the command, as in qorvel-zodiac sign --json 1975-03-05 "
                                        "(see qorvel-zodiac --help)")
                             .arg(Shown(first)));
            }
        }
        if (QtOptionWithValue(option)) {
            BadInput(QStringLiteral("%1, Qt's option for the windows, needs a value (see qorvel-zodiac --help)")
                         .arg(Shown(first)));
        }
        UnknownOption(first, {});
    }
    if (first != u"sign" && first != u"match" && first != u"report") {
        BadInput(QStringLiteral("'%1' is not a command; expected sign, match or report (see qorvel-zodiac --help)")
                     .arg(Shown(first)));
    }
    const Command command = Parse(first, arguments.mid(1));
    if (command.help) {
        out.Write(CommandHelp(first));
        out.Finish();
        return kDone;
    }
    if (first == u"sign") return Sign(command, streams, out);
    if (first == u"match") return MatchSigns(command, out);
    return Report(command, out);
}

}  // namespace

Route RouteOf(int argc, char* argv[]) {
    int i = 1;
    while (i < argc) {
        const int length = QtOptionLength(argc, argv, i);
        if (length == 0) break;
        i += length;
    }
    return {i == argc, i};
}

int Run(int argc, char* argv[], int first, const StandardStreams& streams) {
    QStringList arguments;
    for (int i = first; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    StandardOutput out(streams.outputClosed);
    try {
        return RunCommand(arguments, streams, out);
    } catch (const Failure& failure) {
        if (!failure.message.isEmpty()) {
            const QByteArray line = (QStringLiteral("qorvel-zodiac: ") + failure.message + QLatin1Char('\n')).toUtf8();
            std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr);
        }
        return failure.status;
    }
}

}  // namespace zodiac::cli
