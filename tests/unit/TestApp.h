#pragma once

#include "framework/WinApp.h"

#include <gtest/gtest.h>

#include <string>

// The application object of the test program: its settings live under
// HKCU\Software\SkyletTests\<test name>, so tests never share a registry
// section, even when they run side by side.
class TestApp : public CWinApp {
public:
    TestApp();
};

inline constexpr char kTestRegistryKey[] = "SkyletTests";

// A test with a registry profile of its own, empty at its start and removed at its end.
class RegistryTest : public testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // HKCU path of the test's profile.
    std::string ProfilePath() const;
};
