#include "tests/unit/TestApp.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    TestApp app;
    return RUN_ALL_TESTS();
}
