#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <deque>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "app/program.h"
#include "bonus/bonus_frame.h"
#include "machine/form1.h"
#include "support/rig.h"
#include "title/form6.h"
#include "ui/label_amounts.h"

// A seeded random player: clicks on any clickable label on show, keys the game handles and a few
// it does not, close boxes, message boxes answered late and time passing, with the rules of money
// (only a spin takes, only a win or a bonus game pays, and what), of timing and of ending checked
// after each step; the rules a step-by-step test proves exactly (the bet's bounds, the coins of
// the title, a close that pays nothing) are left to it. QUIRVANTO_PLAY_SEED replays one seed,
// QUIRVANTO_PLAY_EVENTS sets the events played per seed.
namespace {

using ui::Amount;

constexpr int kLastEventsShown = 40;
// The longest the game may go with nothing to press but the machine's close box.
constexpr std::int64_t kLongestWaitMs = 30000;

std::int64_t fromEnvironment(const char* name, std::int64_t fallback) {
    const char* text = std::getenv(name);
    return text != nullptr ? std::strtoll(text, nullptr, 10) : fallback;
}

// What the player is doing, as far as the money rules need to know.
enum class Doing { Waiting, Spinning, Other };

class RandomPlayer final : public ui::ControlView {
public:
    explicit RandomPlayer(std::uint64_t seed) : seed_(seed), choices_(seed) {}

    // Plays `events` events; answers the first broken rule, with the seed and the last events.
    std::string play(std::int64_t events) {
        for (played_ = 0; played_ < events && fault_.empty(); ++played_) {
            if (!session_ || session_->program.ended()) {
                startSession();
            }
            step();
            check();
            if (!session_->scheduler.faults.empty()) {
                report(session_->scheduler.faults.front());
            }
        }
        if (fault_.empty()) {
            return {};
        }
        std::ostringstream text;
        text << "seed " << seed_ << ", event " << played_ << ": " << fault_
             << "\nthe last events (QUIRVANTO_PLAY_SEED=" << seed_
             << " QUIRVANTO_PLAY_EVENTS=" << played_ << " replays them):\n";
        for (const auto& event : lastEvents_) {
            text << "  " << event << '\n';
        }
        return text.str();
    }

    [[nodiscard]] std::int64_t sessions() const { return sessions_; }
    [[nodiscard]] std::int64_t bonusGames() const { return bonusGames_; }

private:
    void startSession() {
        session_.reset();
        session_ = std::make_unique<testing_support::Rig>(
            testing_support::Rig::Options{.seed = choices_()});
        session_->messages.onShow = [this](const std::string& text) {
            const std::int64_t readMs = timeSpan();
            log("  message \"" + text + "\" read for " + std::to_string(readMs) + " ms");
            session_->advance(readMs);
        };
        ++sessions_;
        paidBy_ = nullptr;
        lastUsable_ = 0;
        session_->program.start();
        credits_ = ui::amountOf(machine().Credits);
        machineWasLoaded_ = true;
        log("program started");
        watchMachine();
    }

    [[nodiscard]] quirvanto::Form1& machine() const { return session_->program.form1(); }

    [[nodiscard]] std::vector<ui::Window*> shownWindows() const {
        std::vector<ui::Window*> shown;
        for (ui::Window* window : session_->program.windows()) {
            if (window->isShown()) {
                shown.push_back(window);
            }
        }
        return shown;
    }

    [[nodiscard]] static std::vector<ui::Label*> clickableLabels(ui::Window& window) {
        std::vector<ui::Label*> labels;
        if (!window.takesInput()) {
            return labels;
        }
        for (ui::Control* control : window.controls()) {
            auto* label = control->kind() == ui::ControlKind::Label
                              ? static_cast<ui::Label*>(control)
                              : nullptr;
            if (label != nullptr && label->clickable() && label->shownOnWindow()) {
                labels.push_back(label);
            }
        }
        return labels;
    }

    // From 1 ms to 5 s, short spans as likely as long ones.
    std::int64_t timeSpan() {
        return static_cast<std::int64_t>(
            std::exp(std::uniform_real_distribution<double>(0.0, std::log(5000.0))(choices_)));
    }

    template <typename T>
    T& pick(const std::vector<T>& from) {
        return const_cast<T&>(
            from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(choices_)]);
    }

    static std::string nameOf(const ui::Control& control) {
        return control.index() < 0 ? control.name()
                                   : control.name() + "(" + std::to_string(control.index()) + ")";
    }

    void step() {
        const std::vector<ui::Window*> shown = shownWindows();
        const int roll = std::uniform_int_distribution<int>(0, 99)(choices_);
        doing_ = Doing::Other;
        if (roll < 40 && !shown.empty()) {
            std::vector<ui::Label*> labels;
            for (ui::Window* window : shown) {
                for (ui::Label* label : clickableLabels(*window)) {
                    labels.push_back(label);
                }
            }
            if (!labels.empty()) {
                ui::Label& label = *pick(labels);
                doing_ = &label == &machine().Label1 ? Doing::Spinning : Doing::Other;
                log("click " + label.owner()->name() + "." + nameOf(label));
                label.click();
                return;
            }
        }
        if (roll < 60 && !shown.empty()) {
            static const std::vector<int> kKeyCodes{32, 49, 50, 51, 52, 53, 65, 90, 48, 66, 96};
            ui::Window& window = *pick(shown);
            const int code = pick(kKeyCodes);
            log("key down " + std::to_string(code) + " on " + window.name());
            window.keyDown(code);
            return;
        }
        if (roll < 66 && !shown.empty()) {
            static const std::vector<int> kCharacters{13, 13, 13, 13, 13, 27, 97, 32};
            ui::Window& window = *pick(shown);
            const int character = pick(kCharacters);
            const bool toMachine = &window == &machine();
            doing_ = character == 13 && toMachine ? Doing::Spinning : Doing::Other;
            log("key press " + std::to_string(character) + " on " + window.name());
            window.keyPress(character);
            return;
        }
        if (roll < 67 && !shown.empty()) {
            ui::Window& window = *pick(shown);
            log("close box of " + window.name());
            window.requestClose();
            return;
        }
        const std::int64_t span = timeSpan();
        doing_ = Doing::Waiting;
        log("wait " + std::to_string(span) + " ms");
        session_->advance(span);
    }

    void report(const std::string& fault) {
        if (fault_.empty()) {
            fault_ = fault;
        }
    }

    void log(std::string event) {
        if (lastEvents_.size() == kLastEventsShown) {
            lastEvents_.pop_front();
        }
        lastEvents_.push_back("at " + std::to_string(session_->now()) + " ms: " + std::move(event));
    }

    // The machine tells its player of every change of its credits and bet.
    void watchMachine() {
        if (machine().loaded()) {
            machine().Credits.setView(this);
            machine().Bet.setView(this);
        }
    }

    void controlChanged() override {
        auto& m = machine();
        const auto credits = ui::amountOf(m.Credits);
        if (!credits || *credits < 0) {
            report("the credits read \"" + m.Credits.caption() + "\"");
            return;
        }
        const auto bet = ui::amountOf(m.Bet).value_or(0);
        if (credits_ && *credits != *credits_) {
            checkPayment(*credits - *credits_, bet);
        }
        credits_ = *credits;
    }

    void checkPayment(Amount change, Amount bet) {
        if (session_->program.ended()) {
            report("the credits changed after the program ended");
        } else if (change < 0) {
            if (doing_ != Doing::Spinning || change != -bet) {
                report("the credits fell by " + std::to_string(-change) + " with a bet of " +
                       std::to_string(bet));
            }
        } else if (quirvanto::BonusWindow* bonus = session_->openBonus()) {
            const Amount stake = ui::amountOf(bonus->Premio).value_or(0);
            if (paidBy_ == bonus || stake <= 0 || change % stake != 0) {
                report(bonus->name() + " paid " + std::to_string(change) + " on a stake of " +
                       std::to_string(stake) + (paidBy_ == bonus ? ", a second time" : ""));
            }
            paidBy_ = bonus;
        } else if (change != 3 * bet) {
            report("the credits rose by " + std::to_string(change) + " with a bet of " +
                   std::to_string(bet) + " and no bonus game open");
        }
    }

    void check() {
        auto& s = *session_;
        if (s.terminator.quits > 1) {
            report("the program ended " + std::to_string(s.terminator.quits) + " times");
        }
        if (s.program.ended()) {
            if (s.terminator.quits != 1) {
                report("the program ended without quitting its event loop");
            }
            return;
        }
        // A machine that starts, or comes back from the title with the coins inserted there,
        // starts its account anew.
        if (machine().loaded() && !machineWasLoaded_) {
            credits_ = ui::amountOf(machine().Credits);
        }
        machineWasLoaded_ = machine().loaded();
        watchMachine();
        if (session_->openBonus() == nullptr) {
            if (paidBy_ != nullptr) {
                ++bonusGames_;
            }
            paidBy_ = nullptr;
        }
        checkSomethingToPress();
    }

    // Something other than the machine's close box can move the game on within a while: a
    // clickable label on show, or a bonus or title window that takes ESC.
    void checkSomethingToPress() {
        const std::vector<ui::Window*> shown = shownWindows();
        if (shown.empty()) {
            report("no window is on show");
        }
        for (ui::Window* window : shown) {
            if (window->takesInput() &&
                (window != &machine() || !clickableLabels(*window).empty())) {
                lastUsable_ = session_->now();
            }
        }
        if (session_->now() - lastUsable_ > kLongestWaitMs) {
            report("nothing to press for " + std::to_string(session_->now() - lastUsable_) + " ms");
        }
    }

    std::uint64_t seed_;
    std::mt19937_64 choices_;
    std::string fault_;  // the first broken rule of a run; later ones follow from it
    std::unique_ptr<testing_support::Rig> session_;
    std::deque<std::string> lastEvents_;
    std::int64_t played_ = 0;
    std::int64_t sessions_ = 0;
    std::int64_t bonusGames_ = 0;
    Doing doing_ = Doing::Other;
    std::optional<Amount> credits_;
    bool machineWasLoaded_ = false;
    const quirvanto::BonusWindow* paidBy_ = nullptr;
    std::int64_t lastUsable_ = 0;
};

TEST(RandomPlay, EveryRuleHoldsOverManyRandomGames) {
    const std::int64_t events = fromEnvironment("QUIRVANTO_PLAY_EVENTS", 10000);
    const std::int64_t onlySeed = fromEnvironment("QUIRVANTO_PLAY_SEED", 0);
    std::int64_t sessions = 0;
    std::int64_t bonusGames = 0;
    std::vector<std::uint64_t> seeds{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    if (onlySeed != 0) {
        seeds = {static_cast<std::uint64_t>(onlySeed)};
    }
    for (const std::uint64_t seed : seeds) {
        RandomPlayer player(seed);
        const std::string fault = player.play(events);
        EXPECT_TRUE(fault.empty()) << fault;
        sessions += player.sessions();
        bonusGames += player.bonusGames();
    }
    std::cout << "[ PLAYED   ] " << static_cast<std::int64_t>(seeds.size()) * events << " events, "
              << sessions << " programs, " << bonusGames << " bonus games paid\n";
}

}  // namespace
