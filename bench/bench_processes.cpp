#include "bench_processes.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <thread>

extern char** environ;

namespace bench {

using Clock = std::chrono::steady_clock;

pid_t spawn(const std::vector<std::string>& command, const std::vector<std::string>& environment) {
    std::vector<char*> argv;
    for (const std::string& word : command) {
        argv.push_back(const_cast<char*>(word.c_str()));
    }
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (const std::string& entry : environment) {
        envp.push_back(const_cast<char*>(entry.c_str()));
    }
    envp.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data()) != 0) {
        pid = -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    return pid;
}

void stop(pid_t pid) {
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
}

// The bench's own environment with some variables set ("NAME=value") or taken out ("NAME=").
std::vector<std::string> environmentWith(const std::vector<std::string>& changes) {
    const auto nameOf = [](const std::string& entry) {
        return entry.substr(0, entry.find('=') + 1);
    };
    std::vector<std::string> environment;
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string text = *entry;
        if (std::none_of(changes.begin(), changes.end(), [&](const std::string& change) {
                return nameOf(change) == nameOf(text);
            })) {
            environment.push_back(text);
        }
    }
    for (const std::string& change : changes) {
        if (change.back() != '=') {
            environment.push_back(change);
        }
    }
    return environment;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0.0 : values[values.size() / 2];
}

SoundServer::SoundServer(const std::filesystem::path& folder) : folder_(folder) {
    std::filesystem::create_directories(folder_);
    std::filesystem::permissions(folder_, std::filesystem::perms::owner_all);
    const std::string socket = (folder_ / "socket").string();
    pid_ =
        spawn({"/usr/bin/pulseaudio", "--daemonize=no", "--system=false", "--exit-idle-time=-1",
               "--disallow-exit", "--use-pid-file=false", "--disable-shm=true", "-n",
               "--load=module-null-sink sink_name=null",
               "--load=module-native-protocol-unix socket=" + socket + " auth-anonymous=1"},
              environmentWith({"HOME=" + folder_.string(), "XDG_RUNTIME_DIR=" + folder_.string()}));
    const auto deadline = Clock::now() + std::chrono::seconds(10);
    while (pid_ > 0 && !std::filesystem::exists(socket) && Clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    address_ = std::filesystem::exists(socket) ? "unix:" + socket : "";
}

SoundServer::~SoundServer() {
    if (pid_ > 0) {
        stop(pid_);
    }
}

}  // namespace bench
