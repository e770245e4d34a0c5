#include "app/program.h"
#include "cli/command_line.h"
#include "cli/exit_status.h"
#include "os/standard_streams.h"

// The command line when the arguments ask for it, the windows otherwise.
int main(int argc, char* argv[]) {
    zodiac::IgnoreFileSizeLimitSignal();
    const std::optional<zodiac::StandardStreams> streams = zodiac::OpenStandardStreams();
    if (!streams) return zodiac::cli::kNotWritten;
    const zodiac::cli::Route route = zodiac::cli::RouteOf(argc, argv);
    if (!route.windows) return zodiac::cli::Run(argc, argv, route.first, *streams);
    return zodiac::RunProgram(argc, argv);
}
