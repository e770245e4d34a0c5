#pragma once

#include <QString>
#include <QStringList>
#include <span>
#include <string_view>

#include "cli/request.h"
#include "engine/zodiac_year.h"

namespace zodiac::cli {

// The command line, described once: its commands, their options and the year
// starts. The table drives parsing, dispatch and --help; a test holds the manual
// page, the completion and the README to it.

enum class Option { Json, YearStart, Zone, Name, Output };

struct OptionInfo {
    Option option;
    std::string_view shortName;  // "o", or empty
    std::string_view longName;   // "output"
    std::string_view value;      // "FILE", or empty for a flag
    std::string_view help;       // what a command's --help says of it
};

// How a command takes an option: when it may go without, or where its synopsis
// puts it when it must be given.
struct OptionUse {
    enum Place { Optional, Before, After };
    Option option;
    Place place = Optional;
};

struct CommandInfo {
    std::string_view name;
    std::span<const OptionUse> options;
    std::string_view arguments;    // "DATE..."
    std::string_view summary;      // its line in the program's --help
    std::string_view description;  // the paragraph of its own --help
    int (*run)(const Request&, Session&);
};

struct YearStartInfo {
    YearStart start;
    std::string_view name;         // as --year-start= and the JSON's yearStart give it
    std::string_view years;        // "lunar": the years a message speaks of
    std::string_view description;  // its lines of --help, before the days it covers
};

std::span<const OptionInfo> Options();
std::span<const CommandInfo> Commands();
std::span<const YearStartInfo> YearStarts();

const OptionInfo& InfoOf(Option option);
const YearStartInfo& InfoOf(YearStart start);
const CommandInfo* FindCommand(std::string_view name);

// The year start as --year-start and the JSON name it: "lunar", "january" or "risshun".
QString YearStartName(YearStart start);

// "[--json]", "--name NAME", "[--year-start=lunar|january|risshun]"; and a
// command's whole synopsis after the program's name.
QString OptionSynopsis(const OptionUse& use);
QString Synopsis(const CommandInfo& command);

}  // namespace zodiac::cli
