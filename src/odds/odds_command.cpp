#include "odds/odds_command.h"

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <exception>
#include <optional>
#include <string_view>

#include "odds/report.h"

namespace odds {

namespace {

// Bets beyond this would take the player a hundred coins a session; Go! no faster than the
// fastest timer ticks.
constexpr ui::Amount kLargestBet = 1000;
constexpr double kFastestGoPerSecond = 62.5;

constexpr const char* kUsage =
    "Usage: quirvanto --odds [--spins N] [--seed S] [--bet B] [--go-rate R] [--plot FILE]\n";

template <typename Number>
std::optional<Number> numberOf(std::string_view text) {
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// The plot is drawn as SVG or PNG, by the file's name.
bool plotsTo(std::string_view file) {
    const auto endsWith = [file](std::string_view end) {
        return file.size() > end.size() &&
               std::equal(end.rbegin(), end.rend(), file.rbegin(),
                          [](char a, char b) { return a == std::tolower(b); });
    };
    return endsWith(".svg") || endsWith(".png");
}

struct Command {
    RunOptions run;
    std::string plotFile;
};

// Every option but --odds takes one value, which must be a positive number (the seed may be 0).
std::optional<Command> parse(int argc, char** argv) {
    Command command;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--odds") {
            continue;
        }
        if (i + 1 >= argc) {
            return std::nullopt;
        }
        const std::string_view value = argv[++i];
        bool read = false;
        if (option == "--spins") {
            const auto spins = numberOf<std::int64_t>(value);
            read = spins && *spins > 0;
            command.run.spins = spins.value_or(0);
        } else if (option == "--seed") {
            const auto seed = numberOf<std::uint64_t>(value);
            read = seed.has_value();
            command.run.seed = seed.value_or(0);
        } else if (option == "--bet") {
            const auto bet = numberOf<ui::Amount>(value);
            read = bet && *bet > 0 && *bet <= kLargestBet;
            command.run.player.bet = bet.value_or(0);
        } else if (option == "--go-rate") {
            const auto rate = numberOf<double>(value);
            read = rate && *rate > 0 && *rate <= kFastestGoPerSecond;
            command.run.player.goPerSecond = rate.value_or(0);
        } else if (option == "--plot") {
            read = plotsTo(value);
            command.plotFile = value;
        }
        if (!read) {
            return std::nullopt;
        }
    }
    return command;
}

void showProgress(std::int64_t played, std::int64_t spins) {
    std::fprintf(stderr, "\r%lld of %lld spins", static_cast<long long>(played),
                 static_cast<long long>(spins));
    std::fflush(stderr);
}

}  // namespace

bool oddsWanted(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--odds") == 0) {
            return true;
        }
    }
    return false;
}

int oddsCommand(int argc, char** argv, PlotDrawer drawPlot) {
    const std::optional<Command> command = parse(argc, argv);
    if (!command) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    const bool terminal = isatty(STDERR_FILENO) != 0;
    const std::int64_t spins = command->run.spins;
    OddsRun run;
    try {
        run = playOdds(command->run, terminal
                                         ? std::function<void(std::int64_t)>(
                                               [spins](std::int64_t p) { showProgress(p, spins); })
                                         : nullptr);
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "\nquirvanto: %s\n", failure.what());
        return 1;
    }
    if (terminal) {
        std::fputs("\r\033[K", stderr);
    }
    const Figures figures = figuresOf(run.tally, run.names);
    std::fputs(formatReport(figures, command->run).c_str(), stdout);
    if (!command->plotFile.empty()) {
        std::string error;
        if (!drawPlot(figures, command->run, command->plotFile, error)) {
            std::fprintf(stderr, "quirvanto: %s\n", error.c_str());
            return 1;
        }
    }
    return 0;
}

}  // namespace odds
