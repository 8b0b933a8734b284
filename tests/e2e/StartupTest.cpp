#include "framework/RegKey.h"
#include "tests/e2e/Harness.h"

#include <objbase.h>
#include <oaidl.h>
#include <shlwapi.h>

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr DWORD kStartMs = 20000;
// A poll every five seconds, and a simulator that may first have to start.
constexpr DWORD kNextPollMs = 15000;

class StartupTest : public testing::Test {
protected:
    void SetUp() override { ClearSkyletSettings(); }
    Simulator m_simulator;
};

TEST_F(StartupTest, ContactsPresentAtStartAppearAndAreLoggedOnce)
{
    const std::vector<std::string> contacts = {"bob@example.com online Bob",
                                               "carol@example.com away Carol",
                                               "dave@example.com offline Dave"};
    m_simulator.Write(contacts);
    SkyletProcess skylet;
    ASSERT_TRUE(WaitUntil([&] { return skylet.ContactWindows().size() == 3; }, kStartMs));
    ASSERT_TRUE(WaitUntil([&] { return Count(skylet.LogText(), "    \r\n\r") == 3; }, kStartMs));
    // Once, after a poll of the timer too: the same list written anew.
    m_simulator.Write(contacts);
    ASSERT_TRUE(m_simulator.WaitForPollTaken(kNextPollMs)) << "a poll of the timer";

    const std::string log = skylet.LogText();
    EXPECT_EQ(0u, log.find("Welcome to Skylet 1.0 !\r\n    \r\n\r"));
    EXPECT_EQ(1, Count(log, "Bob                         ONLINE"));
    EXPECT_EQ(1, Count(log, "Carol                       Away"));
    EXPECT_EQ(1, Count(log, "Dave                        Offline"));

    int shown = 0;
    for (HWND hWnd : skylet.ContactWindows())
        shown += IsWindowVisible(hWnd) ? 1 : 0;
    EXPECT_EQ(2, shown) << "the offline contact is hidden by the default rule";
    EXPECT_TRUE(skylet.Quit());
}

TEST_F(StartupTest, AStatusChangeShowsInTheWindowAndTheLog)
{
    m_simulator.Write({"bob@example.com online Bob"});
    SkyletProcess skylet;
    ASSERT_TRUE(WaitUntil([&] { return Count(skylet.LogText(), "    \r\n\r") == 1; }, kStartMs));
    HWND hBob = skylet.ContactWindows().at(0);
    ASSERT_TRUE(IsWindowVisible(hBob));

    m_simulator.Write({"bob@example.com offline Bob"});
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(hBob); }, kNextPollMs));
    ASSERT_TRUE(WaitUntil([&] { return Count(skylet.LogText(), "Offline") == 1; }, 2000));
    const std::string log = skylet.LogText();
    EXPECT_EQ(log.size() - 7 - 5 - 3 - 25 - 3 - 7, log.rfind("    \r\n\r"))
        << "the change is the last entry";

    m_simulator.Write({"bob@example.com busy Bob"});
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(hBob); }, kNextPollMs));
    EXPECT_TRUE(WaitUntil([&] { return Count(skylet.LogText(), "Busy") == 1; }, 2000));
    EXPECT_TRUE(skylet.Quit());
}

TEST_F(StartupTest, WithoutAMessengerOnlyTheWelcomeLineIsLogged)
{
    const std::vector<std::string> failing = {"!fail create", "bob@example.com online Bob"};
    m_simulator.Write(failing);
    SkyletProcess skylet;
    ASSERT_TRUE(WaitUntil([&] { return skylet.MainWindow() != nullptr; }, kStartMs));
    // The main window is found while it is still being made, after the
    // first poll: only a poll of the timer, which the running message loop
    // dispatches, comes after its log is written.
    m_simulator.Write(failing);
    ASSERT_TRUE(m_simulator.WaitForPollTaken(kNextPollMs)) << "a poll of the timer";
    EXPECT_TRUE(skylet.ContactWindows().empty());
    EXPECT_EQ("Welcome to Skylet 1.0 !\r\n", skylet.LogText());

    m_simulator.Write({"bob@example.com online Bob"});
    EXPECT_TRUE(WaitUntil([&] { return skylet.ContactWindows().size() == 1; }, kNextPollMs))
        << "the next tick tries again";
    EXPECT_TRUE(skylet.Quit());
}

TEST_F(StartupTest, ANormalStartRecordsTheAutomationServer)
{
    const std::string clsid = "{CCA7B049-4158-4D56-911C-E2A61AF491B8}";
    const auto classesOf = [](HKEY hRoot) {
        return std::string(hRoot == HKEY_CURRENT_USER ? "Software\\Classes\\" : "");
    };
    // Gone before: this start writes them anew.
    for (HKEY hRoot : {HKEY_CURRENT_USER, HKEY_CLASSES_ROOT}) {
        SHDeleteKeyA(hRoot, (classesOf(hRoot) + "Skylet.Application").c_str());
        SHDeleteKeyA(hRoot, (classesOf(hRoot) + "CLSID\\" + clsid).c_str());
    }
    SkyletProcess skylet;
    ASSERT_TRUE(WaitUntil([&] { return skylet.MainWindow() != nullptr; }, kStartMs));
    EXPECT_TRUE(skylet.Quit());

    for (HKEY hRoot : {HKEY_CURRENT_USER, HKEY_CLASSES_ROOT}) {
        const std::string prefix = classesOf(hRoot);
        CRegKey progId, server;
        std::string value;
        ASSERT_EQ(ERROR_SUCCESS,
                  progId.Open(hRoot, (prefix + "Skylet.Application\\CLSID").c_str()));
        EXPECT_TRUE(progId.QueryString(nullptr, value));
        EXPECT_EQ(clsid, value);
        ASSERT_EQ(ERROR_SUCCESS,
                  server.Open(hRoot, (prefix + "CLSID\\" + clsid + "\\LocalServer32").c_str()));
        EXPECT_TRUE(server.QueryString(nullptr, value));
        EXPECT_EQ(WindowsPath(SKYLET_EXE), value);
    }
}

TEST_F(StartupTest, AnAutomationClientGetsADispatchWithNoMembers)
{
    {
        SkyletProcess registering; // a normal start records the server
        ASSERT_TRUE(WaitUntil([&] { return registering.MainWindow() != nullptr; }, kStartMs));
        ASSERT_TRUE(registering.Quit());
    }
    CLSID clsid = {};
    ASSERT_EQ(S_OK, CLSIDFromProgID(L"Skylet.Application", &clsid));
    IDispatch* pDispatch = nullptr;
    ASSERT_EQ(S_OK, CoCreateInstance(clsid, nullptr, CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                     reinterpret_cast<void**>(&pDispatch)));
    UINT count = 99;
    EXPECT_EQ(S_OK, pDispatch->GetTypeInfoCount(&count));
    EXPECT_EQ(0u, count);
    LPOLESTR name = const_cast<LPOLESTR>(L"Quit");
    DISPID id = 0;
    EXPECT_EQ(DISP_E_UNKNOWNNAME, pDispatch->GetIDsOfNames(IID_NULL, &name, 1, 0, &id));
    ASSERT_EQ(1, ProcessCount("Skylet.exe")) << "started by COM";
    pDispatch->Release();
    EXPECT_TRUE(WaitUntil([] { return ProcessCount("Skylet.exe") == 0; }, 15000))
        << "its last client gone, the program ends";
}

} // namespace
