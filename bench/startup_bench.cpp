// Start-up of the program against a minimal Qt window, side by side: the time
// from starting the process to its main window shown and painted, and the peak
// memory, as medians of alternating runs. Run it where Qt can show windows (for
// example under xvfb-run, or with QT_QPA_PLATFORM=offscreen).
#include <spawn.h>
#include <sys/resource.h>
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

struct Run {
    double milliseconds;
    long peakKilobytes;
};

// Starts `program`, waits for its "painted" line, then for its end.
bool StartAndWait(const std::string& program, Run& run) {
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0) return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeEnds[0]);
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    pid_t child = 0;
    const auto start = std::chrono::steady_clock::now();
    const int spawned = posix_spawn(&child, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0) return false;
    std::string said;
    char buffer[64];
    ssize_t got = 0;
    while (said.find("painted") == std::string::npos && (got = read(pipeEnds[0], buffer, sizeof buffer)) > 0) {
        said.append(buffer, static_cast<std::size_t>(got));
    }
    const auto painted = std::chrono::steady_clock::now();
    close(pipeEnds[0]);
    int status = 0;
    rusage usage{};
    wait4(child, &status, 0, &usage);
    run.milliseconds = std::chrono::duration<double, std::milli>(painted - start).count();
    run.peakKilobytes = usage.ru_maxrss;
    return said.find("painted") != std::string::npos;
}

}  // namespace

int main(int argc, char* argv[]) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 25;
    const auto here = std::filesystem::canonical("/proc/self/exe").parent_path();
    // A settings folder and runtime folder of its own: no reminder question, no
    // lock held by a copy the user is running.
    const std::string own = "zodiac-startup-" + std::to_string(getpid());
    const auto scratch = std::filesystem::temp_directory_path() / own;
    // The runtime folder on a tmpfs, as a desktop session's own (/run/user/ID)
    // is: on a disk, the lock file's flush would be counted, which no session pays.
    const auto runtime =
        (std::filesystem::is_directory("/dev/shm") ? std::filesystem::path("/dev/shm") : scratch) / own;
    std::filesystem::create_directories(scratch / "config");
    std::filesystem::create_directories(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    setenv("XDG_CONFIG_HOME", (scratch / "config").c_str(), 1);
    setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);

    const std::string zodiac = (here / "startup_probe_zodiac").string();
    const std::string minimal = (here / "startup_probe_minimal").string();
    Run warm{};
    StartAndWait(zodiac, warm);  // the first start notes the reminder day
    StartAndWait(minimal, warm);

    std::vector<double> zodiacTimes, minimalTimes;
    std::vector<long> zodiacPeaks, minimalPeaks;
    for (int i = 0; i < runs; ++i) {
        Run a{}, b{};
        if (!StartAndWait(zodiac, a) || !StartAndWait(minimal, b)) {
            std::fprintf(stderr, "a probe did not paint its window\n");
            return 1;
        }
        zodiacTimes.push_back(a.milliseconds);
        minimalTimes.push_back(b.milliseconds);
        zodiacPeaks.push_back(a.peakKilobytes);
        minimalPeaks.push_back(b.peakKilobytes);
    }
    std::filesystem::remove_all(runtime);
    std::filesystem::remove_all(scratch);

    const double zt = Median(zodiacTimes), mt = Median(minimalTimes);
    const long zp = Median(zodiacPeaks), mp = Median(minimalPeaks);
    std::printf("start-up to the main window painted, median of %d runs each:\n", runs);
    std::printf("  qorvel-zodiac   %7.1f ms   peak memory %6ld KiB\n", zt, zp);
    std::printf("  minimal window  %7.1f ms   peak memory %6ld KiB\n", mt, mp);
    std::printf("  ratio           %7.2f      peak memory ratio %.2f\n", zt / mt, static_cast<double>(zp) / mp);
    return 0;
}
