#include <gtest/gtest.h>

#include "support/rig.h"

namespace {

TEST(RigSmoke, ProgramStartsHeadless) {
    testing_support::Rig rig;
    rig.program.start();
    rig.advance(1000);
    SUCCEED();
}

}  // namespace
