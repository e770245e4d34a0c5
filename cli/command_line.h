#pragma once

namespace zodiac::cli {

// True when the arguments ask for the command line rather than the windows: a
// command, --help or --version, or a first argument that is neither a command
// nor an option, which the command line reports as a usage error. Options such
// as -platform or -style are Qt's and go to the windows.
bool Wanted(int argc, char* argv[]);

// Runs the command the arguments name, with no window, display or settings.
// The exit status: 0 done, 1 a report that could not be written, 2 bad input.
int Run(int argc, char* argv[]);

inline constexpr int kDone = 0;
inline constexpr int kNotWritten = 1;
inline constexpr int kBadInput = 2;

}  // namespace zodiac::cli
