#pragma once

#include <array>
#include <memory>

#include "bonus/bonus_games.h"
#include "ui/application.h"

namespace quirvanto {

class BonusWindow;
class Form1;
class Form2;
class Form3;
class Form4;
class Form5;
class Form6;
class Form7;

// The program object: one instance of each window and, through ui::Application, every outside
// service. main() builds it with the real services, a test with recording or scripted ones.
class Program final : public ui::Application {
public:
    explicit Program(ui::Services& services);
    ~Program() override;

    // Starts the game: the machine window is loaded and shown.
    void start();

    [[nodiscard]] Form1& form1() { return *form1_; }
    [[nodiscard]] Form2& form2() { return *form2_; }
    [[nodiscard]] Form3& form3() { return *form3_; }
    [[nodiscard]] Form4& form4() { return *form4_; }
    [[nodiscard]] Form5& form5() { return *form5_; }
    [[nodiscard]] Form6& form6() { return *form6_; }
    [[nodiscard]] Form7& form7() { return *form7_; }

    // The window of each bonus game, in the order of kBonusGames.
    [[nodiscard]] BonusWindow& bonusWindow(BonusGame game);
    [[nodiscard]] std::array<BonusWindow*, kBonusGames.size()> bonusWindows();

private:
    std::unique_ptr<Form1> form1_;
    std::unique_ptr<Form2> form2_;
    std::unique_ptr<Form3> form3_;
    std::unique_ptr<Form4> form4_;
    std::unique_ptr<Form5> form5_;
    std::unique_ptr<Form6> form6_;
    std::unique_ptr<Form7> form7_;
};

}  // namespace quirvanto
