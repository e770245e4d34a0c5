#pragma once

#include <QStringList>
#include <optional>

#include "cli/exit_status.h"
#include "cli/request.h"

namespace zodiac {
struct StandardStreams;
}

namespace zodiac::cli {

struct CommandInfo;

// Where the arguments lead. Qt's own options for the windows (-platform,
// -style, -reverse and the others Qt documents) may come first; whatever
// follows them belongs to the command line, from argv[first]. With nothing
// after them, the windows open.
struct Route {
    bool windows;
    int first;
};
Route RouteOf(int argc, char* argv[]);

// Runs the command in argv[first] onwards, with no window, display or
// settings, and returns the exit status.
int Run(int argc, char* argv[], int first, const StandardStreams& streams);

// The request in the arguments after a command's name, by its table entry;
// nothing when they ask for its help. What it cannot take is bad input.
std::optional<Request> ParseRequest(const CommandInfo& command, const QStringList& arguments);

}  // namespace zodiac::cli
