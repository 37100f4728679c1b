#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <array>
#include <cstdlib>
#include <string>

#include "machine/form1.h"
#include "media/picture_files.h"
#include "media/sdl_sound_player.h"
#include "support/rig.h"

// The machine with the real picture files and the real sound player, in a program folder that
// lacks the sounds and the picture of the 7.
namespace {

using namespace testing_support;

struct RealMediaRig {
    explicit RealMediaRig(const std::string& folder) : pictures(folder), sound(folder) {}
    void advance(std::int64_t ms) { scheduler.advance(ms); }

    ui::VirtualScheduler scheduler;
    RecordingMessages messages;
    quirvanto::PictureFiles pictures;
    quirvanto::SdlSoundPlayer sound;
    ScriptedRandom random;
    FixedClock clock;
    FixedMeasure measure;
    NullHosts hosts;
    CountingTerminator terminator;
    ui::Services services{scheduler, messages, sound, pictures,  random,
                          clock,     measure,  hosts, terminator};
    quirvanto::Program program{services};
};

class MediaInGame : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        ASSERT_TRUE(QDir(folder.path()).mkpath("Img"));
        for (int value = 1; value <= 9; ++value) {
            const QString name = QString("Img/%1.png").arg(value);
            if (value != 7) {
                ASSERT_TRUE(QFile::copy(name, folder.filePath(name)));
            }
        }
    }
    void TearDown() override { unsetenv("SDL_AUDIODRIVER"); }

    QTemporaryDir folder;
};

// One roll tick draws a tile, its value, and the number of letters.
template <typename AnyRig>
void scriptRollTick(AnyRig& rig, int tile, int value) {
    rig.random.pushDraw(tile, 9);
    rig.random.pushDraw(value - 1, 9);
    rig.random.pushDraw(0, 10);
}

// A whole spin on a bet of 1 that ends with no 5, no winning row and no letters.
template <typename AnyRig>
void spinToALosingGrid(AnyRig& rig) {
    constexpr std::array<int, 9> kGrid = {1, 2, 3, 4, 6, 7, 8, 9, 1};
    auto& machine = rig.program.form1();
    machine.Label2_Click();
    machine.Label1_Click();
    for (int tick = 0; tick < 241; ++tick) {
        scriptRollTick(rig, tick % 9, kGrid[tick % 9]);
    }
    rig.advance(6000);
}

TEST_F(MediaInGame, ATileWhosePictureIsMissingKeepsItsPictureButTakesTheValue) {
    RealMediaRig rig(folder.path().toStdString());
    rig.program.start();
    auto& machine = rig.program.form1();
    machine.Label2_Click();
    machine.Label1_Click();

    scriptRollTick(rig, 4, 3);
    rig.advance(16);
    EXPECT_EQ(machine.X[4].picture(), rig.pictures.file("3"));
    EXPECT_EQ(machine.NN[4].caption(), "3");

    scriptRollTick(rig, 4, 7);
    rig.advance(16);
    EXPECT_EQ(machine.X[4].picture(), rig.pictures.file("3"));
    EXPECT_EQ(machine.NN[4].caption(), "7");

    scriptRollTick(rig, 4, 9);
    rig.advance(16);
    EXPECT_EQ(machine.X[4].picture(), rig.pictures.file("9"));
    EXPECT_EQ(machine.NN[4].caption(), "9");
}

TEST_F(MediaInGame, WithoutItsSoundFilesTheGamePlaysExactlyAsWithThem) {
    RealMediaRig silent(folder.path().toStdString());
    Rig recorded;
    silent.program.start();
    recorded.program.start();
    spinToALosingGrid(silent);
    spinToALosingGrid(recorded);

    auto& machine = silent.program.form1();
    auto& reference = recorded.program.form1();
    EXPECT_EQ(silent.messages.shown, recorded.messages.shown);
    EXPECT_EQ(machine.Credits.caption(), "9");
    EXPECT_EQ(machine.Credits.caption(), reference.Credits.caption());
    EXPECT_EQ(machine.Bet.caption(), reference.Bet.caption());
    EXPECT_EQ(machine.Num.caption(), reference.Num.caption());
    EXPECT_EQ(machine.Label1.visible(), reference.Label1.visible());
    for (int tile = 0; tile < 9; ++tile) {
        EXPECT_EQ(machine.NN[tile].caption(), reference.NN[tile].caption());
    }
    EXPECT_GE(recorded.sound.count("Roll1"), 1);
}

}  // namespace
