// The command line against a minimal Qt console program, side by side: the time
// from starting `qorvel-zodiac sign 1975-03-05` to its end, as medians of
// alternating runs; then `sign --json -` converting 10,000 dates read from
// standard input. Needs no display.
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "bench/median.h"

extern char** environ;

namespace {

// Runs the program to its end, feeding `input` and reading all it prints; the
// wall time in milliseconds, or a negative number if it failed.
double Run(std::vector<std::string> arguments, const std::string& input = {}) {
    int in[2], out[2];
    if (pipe(in) != 0 || pipe(out) != 0) return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, in[1]);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    const auto start = std::chrono::steady_clock::now();
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    if (spawned != 0) return -1;
    // Small enough for the pipe: written whole before reading.
    for (std::size_t done = 0; done < input.size();) {
        const ssize_t n = write(in[1], input.data() + done, input.size() - done);
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    close(in[1]);
    char buffer[1 << 16];
    while (read(out[0], buffer, sizeof buffer) > 0) {
    }
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    return std::chrono::duration<double, std::milli>(end - start).count();
}

}  // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const auto here = std::filesystem::canonical("/proc/self/exe").parent_path();
    const std::string zodiac = (here.parent_path() / "app" / "qorvel-zodiac").string();
    const std::string minimal = (here / "cli_probe_minimal").string();

    std::vector<double> zodiacTimes, minimalTimes;
    for (int i = 0; i < runs; ++i) {
        const double a = Run({zodiac, "sign", "1975-03-05"});
        const double b = Run({minimal});
        if (a < 0 || b < 0) {
            std::fprintf(stderr, "a run failed\n");
            return 1;
        }
        zodiacTimes.push_back(a);
        minimalTimes.push_back(b);
    }
    const double zt = Median(zodiacTimes), mt = Median(minimalTimes);
    std::printf("one date, start to end, median of %d alternating runs each:\n", runs);
    std::printf("  qorvel-zodiac sign 1975-03-05  %6.2f ms\n", zt);
    std::printf("  minimal Qt console program     %6.2f ms\n", mt);
    std::printf("  ratio                          %6.2f\n", zt / mt);

    // 10,000 dates spread over both centuries, every one a real day.
    std::string dates;
    for (int i = 0; i < 10000; ++i) {
        char date[16];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d\n", 1901 + i % 198, 1 + i % 12, 1 + i % 28);
        dates += date;
    }
    std::vector<double> batch;
    for (int i = 0; i < 5; ++i) batch.push_back(Run({zodiac, "sign", "--json", "-"}, dates));
    if (batch.front() < 0) {
        std::fprintf(stderr, "the batch run failed\n");
        return 1;
    }
    std::printf("sign --json - with 10,000 dates on standard input: median of 5 %.0f ms\n", Median(batch));
    return 0;
}
