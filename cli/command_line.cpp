#include "cli/command_line.h"

#include <QCommandLineParser>
#include <QStringList>
#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "cli/commands.h"
#include "cli/escaping.h"
#include "cli/failure.h"
#include "cli/help.h"
#include "cli/streams.h"
#include "core/text.h"
#include "core/version.h"
#include "os/standard_streams.h"

namespace zodiac::cli {
namespace {

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

[[noreturn]] void UnknownOption(const QString& option, const QString& command) {
    BadInput(QStringLiteral("unknown option '%1' (see qorvel-zodiac %2--help)")
                 .arg(Shown(option), command.isEmpty() ? QString() : command + QLatin1Char(' ')));
}

// The command's options, as its table entry gives them, for Qt's parser.
QCommandLineOption QtOption(const OptionInfo& info) {
    QStringList names;
    if (!info.shortName.empty()) names << ToQString(info.shortName);
    names << ToQString(info.longName);
    return info.value.empty() ? QCommandLineOption(names) : QCommandLineOption(names, {}, ToQString(info.value));
}

YearStart YearStartNamed(const QString& name) {
    QStringList names;
    for (const YearStartInfo& start : YearStarts()) {
        if (name == ToQString(start.name)) return start.start;
        names << QLatin1Char('\'') + ToQString(start.name) + QLatin1Char('\'');
    }
    BadInput(QStringLiteral("--year-start is %1, not '%2'").arg(Alternatives(names), Shown(name)));
}

// The command's option that `argument` spells, as typed: --name, --name=Ann,
// -o, -oFILE; nothing for any other spelling, one-dash long names included.
const OptionInfo* OptionSpelt(const CommandInfo& command, const QString& argument, bool& valueAttached) {
    const bool longForm = argument.startsWith(QLatin1String("--"));
    const QString name = longForm ? argument.mid(2).section(u'=', 0, 0) : argument.mid(1, 1);
    valueAttached = longForm ? argument.contains(u'=') : argument.size() > 2;
    for (const OptionUse& use : command.options) {
        const OptionInfo& info = InfoOf(use.option);
        if (name == ToQString(longForm ? info.longName : info.shortName) && !name.isEmpty() &&
            (!valueAttached || !info.value.empty() || longForm))
            return &info;
    }
    return nullptr;
}

// Every option after the command is one of its own, spelt as the help spells it;
// anything else is refused as it was typed ('-x', '---json', '-json').
void CheckOptionsAsTyped(const CommandInfo& command, const QStringList& arguments) {
    const QString name = ToQString(command.name);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--") return;  // the rest are arguments
        if (!argument.startsWith(u'-') || argument == u"-" || argument == u"-h" || argument == u"--help") continue;
        bool valueAttached = false;
        const OptionInfo* option = OptionSpelt(command, argument, valueAttached);
        if (!option) UnknownOption(argument, name);
        if (!option->value.empty() && !valueAttached) ++i;  // its value, whatever it looks like
    }
}

}  // namespace

std::optional<Request> ParseRequest(const CommandInfo& command, const QStringList& arguments) {
    const QString name = ToQString(command.name);
    CheckOptionsAsTyped(command, arguments);
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOption(help);
    std::vector<std::pair<Option, QCommandLineOption>> options;
    for (const OptionUse& use : command.options) {
        options.emplace_back(use.option, QtOption(InfoOf(use.option)));
        parser.addOption(options.back().second);
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
    if (parser.isSet(help)) return std::nullopt;
    Request request;
    request.arguments = parser.positionalArguments();
    for (const auto& [option, qt] : options) {
        if (!parser.isSet(qt)) continue;
        switch (option) {
            case Option::Json:
                request.json = true;
                break;
            case Option::YearStart:
                request.start = YearStartNamed(parser.value(qt));
                break;
            case Option::Zone:
                request.zone = parser.value(qt);
                break;
            case Option::Name:
                request.name = parser.value(qt);
                break;
            case Option::Output:
                request.output = parser.value(qt);
                break;
        }
    }
    return request;
}

namespace {

// An option of ours before the command, where only Qt's may stand.
bool OneOfOurs(std::string_view name) {
    for (const OptionInfo& info : Options()) {
        for (const std::string_view ours : {info.shortName, info.longName}) {
            if (!ours.empty() && (name == ours || (name.starts_with(ours) && name[ours.size()] == '='))) return true;
        }
    }
    return false;
}

// The arguments with the first, an option of ours, moved after the command
// (with its value, when that follows it): how it should have been typed.
QString MovedAfterTheCommand(const QStringList& arguments) {
    const QString option = arguments.first();
    const std::string name{OptionName(option.toStdString())};
    bool takesNext = false;
    for (const OptionInfo& info : Options()) {
        if (!option.contains(u'=') && (name == info.longName || name == info.shortName))
            takesNext = !info.value.empty();
    }
    QStringList moved = arguments.mid(1);
    QStringList typed{option};
    if (takesNext && !moved.isEmpty()) typed << moved.takeFirst();
    qsizetype command = 0;
    while (command < moved.size() && !FindCommand(moved[command].toStdString())) ++command;
    if (command == moved.size())
        return (QStringList{QStringLiteral("sign")} + typed + QStringList{"1975-03-05"}).join(u' ');
    for (qsizetype i = 0; i < typed.size(); ++i) moved.insert(command + 1 + i, typed[i]);
    return moved.join(u' ');
}

int RunCommand(const QStringList& arguments, Session& session) {
    const QString first = arguments.value(0);
    if (first == u"--help" || first == u"-h" || first == u"--help-all") {
        session.out.Write(UsageText());
        session.out.Finish();
        return kDone;
    }
    if (first == u"--version" || first == u"-v") {
        session.out.Write(QByteArray("qorvel-zodiac ") + version::kVersion + '\n');
        session.out.Finish();
        return kDone;
    }
    if (first.startsWith(u'-') && first.size() > 1) {
        const std::string option = first.toStdString();
        if (OneOfOurs(OptionName(option))) {
            BadInput(QStringLiteral("%1 goes after the command, as in qorvel-zodiac %2 (see qorvel-zodiac --help)")
                         .arg(Shown(first), Shown(MovedAfterTheCommand(arguments))));
        }
        if (QtOptionWithValue(option)) {
            BadInput(QStringLiteral("%1, Qt's option for the windows, needs a value (see qorvel-zodiac --help)")
                         .arg(Shown(first)));
        }
        UnknownOption(first, {});
    }
    const CommandInfo* command = FindCommand(first.toStdString());
    if (!command) {
        QStringList names;
        for (const CommandInfo& known : Commands()) names << ToQString(known.name);
        BadInput(QStringLiteral("'%1' is not a command; expected %2 (see qorvel-zodiac --help)")
                     .arg(Shown(first), Alternatives(names)));
    }
    const std::optional<Request> request = ParseRequest(*command, arguments.mid(1));
    if (!request) {
        session.out.Write(CommandHelp(*command));
        session.out.Finish();
        return kDone;
    }
    return command->run(*request, session);
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
    StandardOutput out(streams.outputClosed);
    Session session{streams, out};
    try {
        QStringList arguments;
        for (int i = first; i < argc; ++i) {
            QByteArrayView bytes(argv[i]);
            // One byte-order mark, as an editor may leave it, is no part of the argument.
            if (bytes.startsWith(kByteOrderMark)) bytes = bytes.sliced(kByteOrderMark.size());
            if (!bytes.isValidUtf8())
                BadInput(
                    QStringLiteral("'%1' is not UTF-8 text; every argument is read as UTF-8").arg(ShownBytes(bytes)));
            arguments << QString::fromUtf8(bytes);
        }
        return RunCommand(arguments, session);
    } catch (const Failure& failure) {
        if (!failure.message.isEmpty()) {
            const QByteArray line = (QStringLiteral("qorvel-zodiac: ") + failure.message + QLatin1Char('\n')).toUtf8();
            std::fwrite(line.constData(), 1, static_cast<std::size_t>(line.size()), stderr);
        }
        return failure.status;
    }
}

}  // namespace zodiac::cli
