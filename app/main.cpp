#include <csignal>

#include "app/program.h"
#include "cli/command_line.h"
#include "cli/streams.h"

// The command line when the arguments ask for it, the windows otherwise.
int main(int argc, char* argv[]) {
    // Past a file-size limit (ulimit -f) a write then fails with EFBIG, which
    // the command line and the windows' Save report, leaving the old file as it
    // was, rather than the kernel ending the program without a word.
    std::signal(SIGXFSZ, SIG_IGN);
    const zodiac::cli::StandardStreams streams = zodiac::cli::OpenStandardStreams();
    const zodiac::cli::Route route = zodiac::cli::RouteOf(argc, argv);
    if (!route.windows) return zodiac::cli::Run(argc, argv, route.first, streams);
    return zodiac::RunProgram(argc, argv);
}
