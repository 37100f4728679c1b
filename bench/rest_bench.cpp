// Measures what the game costs when nobody plays and what memory it holds while it is played:
//   quirvanto_rest_bench <game> <session> <bare window>
// At rest: the game with a sound server of the bench's own, a key pressed once (so a sound has
// played), then left alone; its wake-ups a second (all threads) and its CPU, and the server's
// CPU, over an interval. In memory: the peak resident memory of the session (the real program
// taken through every sound, bench/sound_session.cpp) against a bare window's, taking turns.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <thread>
#include <vector>

#include "bench_processes.h"

namespace {

using namespace std::chrono_literals;

constexpr auto kStarted = 3s;
// Longer than the player's silence before its device sleeps, with a margin.
constexpr auto kSettled = 12s;
constexpr auto kRestInterval = 10s;
constexpr auto kBareWindowShown = 3s;
constexpr int kMemoryRuns = 3;

struct ThreadUsage {
    std::string name;
    long long switches = 0;
    long long cpuNs = 0;
};

// Every thread of a process, by id.
std::map<int, ThreadUsage> usageOf(pid_t pid) {
    std::map<int, ThreadUsage> threads;
    std::error_code gone;
    const std::filesystem::path tasks = "/proc/" + std::to_string(pid) + "/task";
    for (const auto& task : std::filesystem::directory_iterator(tasks, gone)) {
        ThreadUsage usage;
        std::ifstream(task.path() / "comm") >> usage.name;
        std::ifstream(task.path() / "schedstat") >> usage.cpuNs;
        std::ifstream status(task.path() / "status");
        for (std::string line; std::getline(status, line);) {
            if (line.find("ctxt_switches:") != std::string::npos) {
                usage.switches += std::stoll(line.substr(line.find(':') + 1));
            }
        }
        threads[std::stoi(task.path().filename().string())] = usage;
    }
    return threads;
}

struct Rest {
    double wakeUpsPerSecond = 0;
    double cpuPercent = 0;
    std::string busiest;
};

Rest restBetween(const std::map<int, ThreadUsage>& before, const std::map<int, ThreadUsage>& after,
                 double seconds) {
    Rest rest;
    long long most = -1;
    for (const auto& [id, usage] : after) {
        const auto earlier = before.find(id);
        const long long switches =
            usage.switches - (earlier != before.end() ? earlier->second.switches : 0);
        const long long cpuNs = usage.cpuNs - (earlier != before.end() ? earlier->second.cpuNs : 0);
        rest.wakeUpsPerSecond += static_cast<double>(switches) / seconds;
        rest.cpuPercent += 100.0 * static_cast<double>(cpuNs) / (seconds * 1e9);
        if (switches > most) {
            most = switches;
            rest.busiest = usage.name + " " + std::to_string(switches) + " in " +
                           std::to_string(static_cast<int>(seconds)) + " s";
        }
    }
    return rest;
}

// Waits for a program to end by itself; its peak resident memory in MiB, or 0.
double peakMiBWhenEnded(pid_t pid) {
    if (pid < 0) {
        return 0;
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid) {
        return 0;
    }
    return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

int atRest(const std::string& game, const std::vector<std::string>& environment,
           const bench::SoundServer& server) {
    const pid_t pid = bench::spawn({game}, environment);
    if (pid < 0) {
        std::printf("  at rest: the game did not start\n");
        return 1;
    }
    std::this_thread::sleep_for(kStarted);
    const pid_t key = bench::spawn({"/usr/bin/xdotool", "search", "--sync", "--onlyvisible",
                                    "--name", "^Quirvanto$", "windowfocus", "--sync", "key", "a"},
                                   environment);
    int status = 0;
    waitpid(key, &status, 0);
    std::this_thread::sleep_for(kSettled);
    const auto gameBefore = usageOf(pid);
    const auto serverBefore = usageOf(server.pid());
    const auto start = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(kRestInterval);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const Rest machine = restBetween(gameBefore, usageOf(pid), seconds);
    const Rest sound = restBetween(serverBefore, usageOf(server.pid()), seconds);
    bench::stop(pid);
    std::printf(
        "  the machine at rest, %.0f s after a sound, with a sound server: %.1f wake-ups a second "
        "(busiest thread: %s), %.2f %% CPU [at most 10 and 0.2 %%]; the sound server %.2f %% CPU\n",
        std::chrono::duration<double>(kSettled).count(), machine.wakeUpsPerSecond,
        machine.busiest.c_str(), machine.cpuPercent, sound.cpuPercent);
    return 0;
}

int inMemory(const std::string& session, const std::string& bare,
             const std::vector<std::string>& environment) {
    std::vector<double> sessionMiB;
    std::vector<double> bareMiB;
    std::vector<double> ratios;
    for (int run = 0; run < kMemoryRuns; ++run) {
        const pid_t barePid = bench::spawn({bare}, environment);
        std::this_thread::sleep_for(kBareWindowShown);
        kill(barePid, SIGTERM);
        const double bareRun = peakMiBWhenEnded(barePid);
        const double sessionRun = peakMiBWhenEnded(bench::spawn({session}, environment));
        if (bareRun > 0 && sessionRun > 0) {
            bareMiB.push_back(bareRun);
            sessionMiB.push_back(sessionRun);
            ratios.push_back(sessionRun / bareRun);
        }
    }
    if (ratios.empty()) {
        std::printf("  peak memory: not measured\n");
        return 1;
    }
    std::printf(
        "  peak memory over a session that plays every sound: %.1f MiB, bare window %.1f MiB: "
        "%.2fx, median of %d [at most 1.5x]\n",
        bench::median(sessionMiB), bench::median(bareMiB), bench::median(ratios), kMemoryRuns);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: quirvanto_rest_bench <game> <session> <bare window>\n");
        return 2;
    }
    const auto folder =
        std::filesystem::temp_directory_path() / ("quirvanto-rest-" + std::to_string(getpid()));
    int status = 0;
    {
        const bench::SoundServer server(folder / "pulse");
        if (server.address().empty()) {
            std::printf("  the sound server did not start\n");
            return 1;
        }
        const auto environment = bench::environmentWith(
            {"PULSE_SERVER=" + server.address(), "SDL_AUDIODRIVER=", "QT_QPA_PLATFORM=xcb"});
        std::printf("Quirvanto at rest and in memory (goal in brackets)\n");
        status |= atRest(argv[1], environment, server);
        status |= inMemory(argv[2], argv[3], environment);
    }
    std::filesystem::remove_all(folder);
    return status;
}
