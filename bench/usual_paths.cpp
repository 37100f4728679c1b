#include "usual_paths.h"

#include <functional>
#include <stdexcept>

#include "bonus/bonus_frame.h"
#include "machine/form1.h"
#include "machine/wheel_fields.h"
#include "title/form6.h"

namespace sound_bench {

namespace {

using Grid = std::array<int, 9>;

// A player's pace: between two presses of the same key, and from what the game shows to the
// next press.
constexpr std::int64_t kRepeatMs = 300;
constexpr std::int64_t kReactionMs = 700;
// How long the player watches the wheel, a bonus game's light, or a message.
constexpr std::int64_t kWatchMs = 2500;
constexpr std::int64_t kReadingMs = 1200;
constexpr std::int64_t kRestMs = 3000;
constexpr std::int64_t kLongestWaitMs = 60000;

constexpr Grid kPair{7, 7, 1, 2, 3, 4, 6, 8, 9};
constexpr Grid kTriple{7, 7, 7, 1, 2, 3, 4, 6, 8};
constexpr Grid kPairAndFive{7, 7, 5, 1, 2, 3, 4, 6, 8};

using quirvanto::BonusGame;
using quirvanto::fieldOf;
using quirvanto::FieldStop;
constexpr int kLose = fieldOf(FieldStop::Lose);

class Player {
public:
    Player() : m_(rig_.program.form1()) {
        rig_.program.start();
        // The ticker draws from the game's generator; it plays no sound.
        m_.Publi.setEnabled(false);
        rig_.messages.onShow = [this](const std::string&) { rig_.advance(kReadingMs); };
        wait(kReactionMs);
        raiseBet(1);
    }

    quirvanto::Program& program() { return rig_.program; }
    quirvanto::Form1& machine() { return m_; }

    void wait(std::int64_t ms) { rig_.advance(ms); }

    void press(ui::Window& window, int key) {
        presses_.push_back(rig_.now());
        if (key == ui::key::kEnter) {
            window.keyPress(key);
        } else {
            window.keyDown(key);
        }
    }
    void press(int key) { press(m_, key); }

    // Lets time pass until the game shows `what`; throws when it never does.
    void waitUntil(const std::function<bool()>& done, const std::string& what) {
        for (std::int64_t waited = 0; !done(); waited += ui::kFastestTimerMs) {
            if (waited >= kLongestWaitMs) {
                throw std::runtime_error("no " + what + " within a minute");
            }
            wait(ui::kFastestTimerMs);
        }
    }

    void raiseBet(int times) {
        for (int i = 0; i < times; ++i) {
            press(ui::key::kA);
            wait(kRepeatMs);
        }
    }

    // ENTER with the roll's draws queued, then the letters light one by one until EndSpin.
    void spin(const Grid& grid, int letters) {
        rig_.random.pushRoll(grid, letters);
        press(ui::key::kEnter);
        waitUntil([this] { return !m_.Roll.enabled() && !m_.Zavri.enabled(); }, "end of the spin");
    }

    // Watches the wheel a while, then stops it with SPACE when its light is on `field`.
    void stopWheelOn(int field) {
        waitUntil([this] { return m_.Label4.visible(); }, "wheel");
        wait(kWatchMs);
        waitUntil([this, field] { return m_.Game[field].foreColour() == ui::kWhite; },
                  "light on the field");
        press(ui::key::kSpace);
    }

    void winAndStopOn(int field) {
        wait(kReactionMs);
        spin(kTriple, 2);
        stopWheelOn(field);
    }

    // Presses `key` on a bonus window every `everyMs` until the game closes its window.
    void playBonus(ui::Window& bonus, int key, std::int64_t everyMs) {
        for (std::int64_t waited = 0; bonus.loaded(); waited += everyMs) {
            if (waited >= kLongestWaitMs) {
                throw std::runtime_error(bonus.name() + " did not end within a minute");
            }
            wait(everyMs);
            if (bonus.loaded()) {
                press(bonus, key);
            }
        }
    }

    PathSounds rest(std::string path) {
        wait(kRestMs);
        return {std::move(path), rig_.sound.played, presses_, rig_.now()};
    }

private:
    testing_support::Rig rig_;
    quirvanto::Form1& m_;
    std::vector<std::int64_t> presses_;
};

PathSounds plainWin() {
    Player p;
    p.raiseBet(1);
    p.wait(kReactionMs);
    p.spin(kPair, 3);
    p.stopWheelOn(kLose);
    return p.rest("a plain win");
}

PathSounds winWithHold() {
    Player p;
    p.spin(kPairAndFive, 2);
    p.wait(kReactionMs);
    p.press(ui::key::kDigit1);
    p.wait(kRepeatMs);
    p.press(ui::key::kDigit2);
    p.wait(kReactionMs);
    p.press(ui::key::kEnter);
    p.stopWheelOn(kLose);
    return p.rest("a win with a hold");
}

PathSounds nineLettersWithAFive() {
    Player p;
    p.spin(kPairAndFive, 9);
    p.wait(kReactionMs);
    p.press(ui::key::kEnter);
    p.wait(kReactionMs);
    if (p.machine().Label4.visible()) {
        p.stopWheelOn(kLose);
    }
    return p.rest("all nine letters with a 5");
}

PathSounds letterGames() {
    Player p;
    p.winAndStopOn(fieldOf(FieldStop::LettersHeld));
    p.waitUntil([&p] { return !p.machine().Zavri2.enabled(); }, "end of Letters Held");
    p.wait(kWatchMs);
    p.winAndStopOn(fieldOf(FieldStop::SkillChance));
    p.wait(kWatchMs);
    p.press(ui::key::kSpace);
    return p.rest("the wheel's letter games");
}

PathSounds bonusGame(const char* path, BonusGame game, int key, std::int64_t everyMs) {
    Player p;
    p.winAndStopOn(fieldOf(game));
    p.playBonus(p.program().bonusWindow(game), key, everyMs);
    return p.rest(path);
}

PathSounds coins() {
    Player p;
    p.machine().requestClose();
    quirvanto::Form6& title = p.program().form6();
    p.wait(kWatchMs);
    for (int coin = 0; coin < 3; ++coin) {
        p.press(title, ui::key::kDigit5);
        p.wait(kReactionMs);
    }
    p.press(title, ui::key::kDigit1);
    return p.rest("the title's coins");
}

}  // namespace

std::vector<PathSounds> playUsualPaths() {
    constexpr std::int64_t kHammeringMs = 150;
    return {
        plainWin(),
        winWithHold(),
        nineLettersWithAFive(),
        letterGames(),
        bonusGame("Horse racing", BonusGame::HorseRacing, ui::key::kSpace, kHammeringMs),
        bonusGame("Ladder", BonusGame::Ladder, ui::key::kSpace, kWatchMs),
        bonusGame("High or Low", BonusGame::HighOrLow, ui::key::kDigit1, kWatchMs),
        bonusGame("Double Bet", BonusGame::DoubleBet, ui::key::kSpace, kWatchMs),
        // Pressed in step with its blinking marker, Double Zavri is won; half a blink later at
        // each press, it is lost on the second.
        bonusGame("Double Zavri, won", BonusGame::DoubleZavri, ui::key::kSpace, kReadingMs),
        bonusGame("Double Zavri, lost", BonusGame::DoubleZavri, ui::key::kSpace, kReadingMs + 50),
        coins(),
    };
}

}  // namespace sound_bench
