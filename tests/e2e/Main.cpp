#include "tests/e2e/Harness.h"

#include <objbase.h>

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    InstallLeftoverGuard();
    CoInitialize(nullptr);
    const int result = RUN_ALL_TESTS();
    CoUninitialize();
    // What a test leaves running is a fault of the test, though ended now.
    return LeftoverFound() ? 1 : result;
}
