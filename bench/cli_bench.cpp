// The command line against a minimal Qt console program, side by side: the time
// from starting `qorvel-zodiac sign 1975-03-05` to its end, as medians of
// alternating runs; then `sign --json -` converting 10,000 dates read from
// standard input; then a million dates, in text and in JSON, without a time and
// with one in New York's zone, with the peak memory of each run, and the time
// `| head -n 1` takes, over the million and over an endless stream, as from
// `yes`; then four million dates in text and in JSON, for the peak memory of a
// long stream. Needs no display.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "bench/median.h"

extern char** environ;

namespace {

struct Measured {
    double milliseconds = -1;  // negative when the run failed
    double peakMiB = 0;
};

// A pipe that a child of ours fills with one date a line for ever, as `yes`
// would, until its reader has gone; its reading end.
int EndlessDates(pid_t& writer) {
    int in[2];
    if (pipe(in) != 0) return -1;
    writer = fork();
    if (writer == 0) {
        close(in[0]);
        std::string lines;
        for (int i = 0; i < 4096; ++i) lines += "1975-03-05\n";
        while (write(in[1], lines.data(), lines.size()) > 0) {
        }
        _exit(0);
    }
    close(in[1]);
    return in[0];
}

// Runs the program with standard input from `input` (or /dev/null; "yes" for an
// endless stream of dates), reading what it prints: all of it, or only the first
// line before leaving, as `head -n 1` does. The wall time from start to end, and
// the program's peak memory.
Measured Run(std::vector<std::string> arguments, const std::string& input = "/dev/null", bool firstLineOnly = false) {
    // The writer first, so that it holds no end of the program's output pipe.
    pid_t writer = 0;
    const int endless = input == "yes" ? EndlessDates(writer) : -1;
    int out[2];
    if (pipe(out) != 0) return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (endless >= 0) {
        posix_spawn_file_actions_adddup2(&actions, endless, STDIN_FILENO);
    } else {
        posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, input.c_str(), O_RDONLY, 0);
    }
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t child = 0;
    const auto start = std::chrono::steady_clock::now();
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    if (endless >= 0) close(endless);
    if (spawned != 0) return {};
    char buffer[1 << 16];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) {
        if (firstLineOnly && std::find(buffer, buffer + n, '\n') != buffer + n) break;
    }
    close(out[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    if (writer > 0) waitpid(writer, nullptr, 0);  // ended by SIGPIPE once the program has gone
    const bool ended = firstLineOnly ? (WIFSIGNALED(status) && WTERMSIG(status) == SIGPIPE) || WIFEXITED(status)
                                     : WIFEXITED(status) && WEXITSTATUS(status) == 0;
    if (!ended) return {};
    return {std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss / 1024.0};
}

// `count` dates spread over both centuries, every one a real day, one a line;
// with `times`, each with a time of day that no clock skips or repeats (those
// fall between 00:00 and 03:00).
std::string DatesFile(int count, bool times = false) {
    const std::string path = (std::filesystem::temp_directory_path() /
                              ("cli_bench_dates_" + std::to_string(count) + (times ? "_times" : "")))
                                 .string();
    std::ofstream file(path);
    for (int i = 0; i < count; ++i) {
        char date[32];
        std::snprintf(date, sizeof date, "%04d-%02d-%02d", 1901 + i % 198, 1 + i % 12, 1 + i % 28);
        file << date;
        if (times) {
            std::snprintf(date, sizeof date, "T%02d:%02d", 3 + i % 21, i * 7 % 60);
            file << date;
        }
        file << '\n';
    }
    return path;
}

}  // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 200;
    const auto here = std::filesystem::canonical("/proc/self/exe").parent_path();
    const std::string zodiac = (here.parent_path() / "app" / "qorvel-zodiac").string();
    const std::string minimal = (here / "cli_probe_minimal").string();

    std::vector<double> zodiacTimes, minimalTimes;
    for (int i = 0; i < runs; ++i) {
        const Measured a = Run({zodiac, "sign", "1975-03-05"});
        const Measured b = Run({minimal});
        if (a.milliseconds < 0 || b.milliseconds < 0) {
            std::fprintf(stderr, "a run failed\n");
            return 1;
        }
        zodiacTimes.push_back(a.milliseconds);
        minimalTimes.push_back(b.milliseconds);
    }
    const double zt = Median(zodiacTimes), mt = Median(minimalTimes);
    std::printf("one date, start to end, median of %d alternating runs each:\n", runs);
    std::printf("  qorvel-zodiac sign 1975-03-05  %6.2f ms\n", zt);
    std::printf("  minimal Qt console program     %6.2f ms\n", mt);
    std::printf("  ratio                          %6.2f\n", zt / mt);

    const std::string thousands = DatesFile(10000);
    std::vector<double> batch;
    for (int i = 0; i < 5; ++i) batch.push_back(Run({zodiac, "sign", "--json", "-"}, thousands).milliseconds);
    std::filesystem::remove(thousands);
    if (*std::min_element(batch.begin(), batch.end()) < 0) {
        std::fprintf(stderr, "the batch run failed\n");
        return 1;
    }
    std::printf("sign --json - with 10,000 dates on standard input: median of 5 %.0f ms\n", Median(batch));

    const std::string million = DatesFile(1000000), millionTimes = DatesFile(1000000, true);
    std::printf("a million dates on standard input, median of 3:\n");
    struct Variant {
        const char* label;
        std::vector<std::string> arguments;
        const std::string& dates;
    };
    const std::string zone = "--zone=America/New_York", risshun = "--year-start=risshun";
    const Variant variants[] = {
        {"sign -", {zodiac, "sign", "-"}, million},
        {"sign --json -", {zodiac, "sign", "--json", "-"}, million},
        {"sign --year-start=risshun -", {zodiac, "sign", risshun, "-"}, million},
        {"with times: sign --zone=America/New_York -", {zodiac, "sign", zone, "-"}, millionTimes},
        {"with times: sign --zone=... --year-start=risshun -", {zodiac, "sign", zone, risshun, "-"}, millionTimes},
        {"with times: sign --json --zone=... --year-start=risshun -",
         {zodiac, "sign", "--json", zone, risshun, "-"},
         millionTimes},
    };
    for (const Variant& variant : variants) {
        std::vector<double> times, peaks;
        for (int i = 0; i < 3; ++i) {
            const Measured m = Run(variant.arguments, variant.dates);
            times.push_back(m.milliseconds);
            peaks.push_back(m.peakMiB);
        }
        if (*std::min_element(times.begin(), times.end()) < 0) {
            std::fprintf(stderr, "a million-date run failed: %s\n", variant.label);
            return 1;
        }
        std::printf("  %-56s %6.2f s, peak memory %5.1f MiB\n", variant.label, Median(times) / 1000, Median(peaks));
    }
    std::filesystem::remove(millionTimes);
    std::vector<double> heads;
    for (int i = 0; i < 3; ++i) heads.push_back(Run({zodiac, "sign", "-"}, million, true).milliseconds);
    std::filesystem::remove(million);
    std::printf("  sign - | head -n 1    %6.0f ms\n", Median(heads));
    heads.clear();
    for (int i = 0; i < 3; ++i) heads.push_back(Run({zodiac, "sign", "-"}, "yes", true).milliseconds);
    std::printf("yes 1975-03-05 | sign - | head -n 1: median of 3 %.0f ms\n", Median(heads));

    const std::string fourMillion = DatesFile(4000000);
    std::printf("four million dates on standard input, once each:\n");
    for (const char* form : {"", "--json"}) {
        std::vector<std::string> arguments{zodiac, "sign", "-"};
        if (*form) arguments.insert(arguments.begin() + 2, form);
        const Measured m = Run(arguments, fourMillion);
        if (m.milliseconds < 0) {
            std::fprintf(stderr, "the four-million-date run failed\n");
            return 1;
        }
        std::printf("  sign %-8s -  %6.2f s, peak memory %5.1f MiB\n", form, m.milliseconds / 1000, m.peakMiB);
    }
    std::filesystem::remove(fourMillion);
    return 0;
}
