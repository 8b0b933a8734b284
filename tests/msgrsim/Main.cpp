#include "tests/msgrsim/MessengerClient.h"

#include <gtest/gtest.h>

namespace {

// The server tests reach msgrsim through COM, as Skylet does: the program
// registers itself once per run of the tests.
class RegisteredSimulator : public testing::Environment {
public:
    void SetUp() override { ASSERT_EQ(0, RunSimulator("/regserver")) << SimulatorPath(); }
};

} // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    testing::AddGlobalTestEnvironment(new RegisteredSimulator);
    return RUN_ALL_TESTS();
}
