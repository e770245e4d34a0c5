#include "app/program.h"
#include "cli/command_line.h"

// The command line when the arguments ask for it, the windows otherwise.
int main(int argc, char* argv[]) {
    if (zodiac::cli::Wanted(argc, argv)) return zodiac::cli::Run(argc, argv);
    return zodiac::RunProgram(argc, argv);
}
