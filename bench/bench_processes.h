#pragma once

#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

// What the benchmarks that run the real program share: starting and ending programs, their
// environment, and a sound server of their own.
namespace bench {

// Starts a program with its output sent nowhere; -1 when it could not be started.
pid_t spawn(const std::vector<std::string>& command, const std::vector<std::string>& environment);

// Ends a program and waits for it.
void stop(pid_t pid);

// The bench's own environment with some variables set ("NAME=value") or taken out ("NAME=").
std::vector<std::string> environmentWith(const std::vector<std::string>& changes);

double median(std::vector<double> values);

// A PulseAudio server of the bench's own whose only sink plays into nothing.
class SoundServer {
public:
    explicit SoundServer(const std::filesystem::path& folder);
    ~SoundServer();
    SoundServer(const SoundServer&) = delete;
    SoundServer& operator=(const SoundServer&) = delete;

    // The PULSE_SERVER address, empty when the server did not start.
    [[nodiscard]] const std::string& address() const { return address_; }
    [[nodiscard]] pid_t pid() const { return pid_; }

private:
    std::filesystem::path folder_;
    pid_t pid_ = -1;
    std::string address_;
};

}  // namespace bench
