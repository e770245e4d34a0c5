#pragma once

#include "cli/exit_status.h"

namespace zodiac {
struct StandardStreams;
}

namespace zodiac::cli {

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

}  // namespace zodiac::cli
