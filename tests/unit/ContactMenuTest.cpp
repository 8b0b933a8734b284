#include "contactwnd/ContactWnd.h"
#include "core/ContactRecord.h"
#include "core/Liste.h"
#include "core/PollCycle.h"
#include "framework/Menu.h"
#include "framework/WinApp.h"
#include "res/resource.h"
#include "tests/unit/FakeMessenger.h"
#include "tests/unit/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

std::vector<POINT> g_openedAt;
UINT g_nFlags = 0;
RECT g_exclude = {};
std::function<UINT(HMENU)> g_onOpen; // looks at the menu, returns the command chosen or 0

BOOL TrackInTest(HMENU hMenu, UINT nFlags, int x, int y, HWND hOwner, const RECT* pExclude)
{
    g_nFlags = nFlags;
    g_exclude = pExclude ? *pExclude : RECT{};
    g_openedAt.push_back({x, y});
    if (const UINT nChoice = g_onOpen ? g_onOpen(hMenu) : 0)
        PostMessageA(hOwner, WM_COMMAND, nChoice, 0); // as the system's menu does
    return TRUE;
}

UINT State(HMENU hMenu, UINT nId)
{
    return GetMenuState(hMenu, nId, MF_BYCOMMAND) & (MF_CHECKED | MF_GRAYED);
}

// The switches of the menu; a group other than 0 is greyed by its use-default bit.
struct Switch {
    UINT nId;
    const char* pszValue;
    bool CContactWnd::*pField;
    int nGroup;
};
constexpr Switch kSwitches[] = {
    {ID_SHOW_PHOTO, "showPhoto", &CContactWnd::m_bShowPhoto, 0},
    {ID_SHOW_NAME, "showName", &CContactWnd::m_bShowName, 0},
    {ID_SHOW_STATUS_BORDER, "showStatusBorder", &CContactWnd::m_bShowStatusBorder, 0},
    {ID_SOUND_WHEN_ONLINE, "soundAlertWhenOnline", &CContactWnd::m_bSoundAlertWhenOnline, 1},
    {ID_SOUND_WHEN_OFFLINE, "soundAlertWhenOffline", &CContactWnd::m_bSoundAlertWhenOffline, 1},
    {ID_SOUND_WHEN_STATUS_CHANGES, "soundAlertWhenStatusChanges",
     &CContactWnd::m_bSoundAlertWhenStatusChanges, 1},
    {ID_SPEECH_WHEN_ONLINE, "UseSpeechOnline", &CContactWnd::m_bUseSpeechOnline, 2},
    {ID_SPEECH_WHEN_OFFLINE, "UseSpeechOffline", &CContactWnd::m_bUseSpeechOffline, 2},
    {ID_SPEECH_WHEN_STATUS_CHANGES, "UseSpeechChange", &CContactWnd::m_bUseSpeechChange, 2}};
constexpr UINT kRuleIds[] = {ID_RULE_SHOW_ALWAYS, ID_RULE_HIDE_ALWAYS,
                             ID_RULE_SHOW_ONLY_WHEN_ONLINE, ID_RULE_HIDE_ONLY_WHEN_OFFLINE};

class ContactMenuTest : public ContactTest {
protected:
    void SetUp() override
    {
        ContactTest::SetUp();
        g_openedAt.clear();
        SetPopupMenuHandler(TrackInTest);
        m_pRecord = new ContactRecord("bob@example.com", "Bob", STATUS_ONLINE);
        theContacts.InsererApres(m_pRecord); // the list owns it
    }
    void TearDown() override
    {
        SetPopupMenuHandler(nullptr);
        g_onOpen = nullptr;
        ContactTest::TearDown();
    }

    CContactWnd& Wnd() { return *m_pRecord->m_pWnd; }
    // A right click at (10, 12); the command is chosen in the first menu only.
    void RightClick(UINT nChoice = 0)
    {
        const size_t first = g_openedAt.size();
        g_onOpen = [=](HMENU) { return g_openedAt.size() == first + 1 ? nChoice : 0; };
        Wnd().SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 12));
        PumpMessages();
    }
    int Stored(const char* pszName) { return ReadContactInt("bob@example.com", pszName); }

    ContactRecord* m_pRecord = nullptr;
};

TEST_F(ContactMenuTest, EachOpeningShowsTheSwitchesOfTheMoment)
{
    CContactWnd& wnd = Wnd();
    const UINT useDefaultIds[] = {ID_USE_DEFAULT_DISPLAY_RULES, ID_USE_DEFAULT_SOUND_ALERTS,
                                  ID_USE_DEFAULT_SPEECH_ALERTS};
    for (int flags = 0; flags < 8; ++flags) { // display, sound, speech use-default bits
        for (int rule : {0, 1, 2, 3, 7}) {
            wnd.m_bUseDefaultDisplayRules = flags & 1;
            wnd.m_bUseDefaultSoundRules = flags & 2;
            wnd.m_bUseDefaultSpeechRules = flags & 4;
            wnd.m_nDisplayRule = rule;
            int n = flags + rule;
            for (const Switch& s : kSwitches)
                wnd.*s.pField = ++n % 3 == 0;
            g_onOpen = [&](HMENU hMenu) {
                EXPECT_EQ(static_cast<UINT>(ID_START_CONVERSATION),
                          GetMenuDefaultItem(hMenu, FALSE, 0));
                for (const Switch& s : kSwitches)
                    EXPECT_EQ((wnd.*s.pField ? MF_CHECKED : 0u)
                                  | (s.nGroup && (flags >> s.nGroup) & 1 ? MF_GRAYED : 0u),
                              State(hMenu, s.nId))
                        << s.pszValue << " " << flags;
                for (int g = 0; g < 3; ++g)
                    EXPECT_EQ((flags >> g) & 1 ? MF_CHECKED : 0u, State(hMenu, useDefaultIds[g]));
                for (int r = 0; r < 4; ++r)
                    EXPECT_EQ((r == rule ? MF_CHECKED : 0u) | (flags & 1 ? MF_GRAYED : 0u),
                              State(hMenu, kRuleIds[r]))
                        << "rule " << rule;
                return 0u;
            };
            wnd.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 12));
        }
    }
    // At the pointer, and above it for a window along the bottom of the
    // screen: never over it.
    POINT pointer = {10, 12};
    ClientToScreen(wnd.m_hWnd, &pointer);
    EXPECT_EQ(static_cast<UINT>(TPM_RIGHTBUTTON | TPM_BOTTOMALIGN), g_nFlags);
    EXPECT_EQ(pointer.x, g_openedAt.back().x);
    EXPECT_EQ(pointer.y, g_openedAt.back().y);
    const RECT hotSpot = {pointer.x, pointer.y, pointer.x + 1, pointer.y + 1};
    EXPECT_TRUE(EqualRect(&hotSpot, &g_exclude)) << "kept off the pointer where it must move";
}

TEST_F(ContactMenuTest, SwitchesAndRulesAreStoredAtOnce)
{
    for (const Switch& s : kSwitches) {
        const bool bBefore = Wnd().*s.pField;
        RightClick(s.nId);
        EXPECT_EQ(!bBefore, Wnd().*s.pField) << s.pszValue;
        EXPECT_EQ(bBefore ? 0 : 1, Stored(s.pszValue)) << s.pszValue;
    }
    RightClick(ID_RULE_HIDE_ALWAYS);
    EXPECT_EQ(1, Stored("displayRule"));
    EXPECT_FALSE(Wnd().IsWindowVisible());
    WriteContactInt("bob@example.com", "displayRule", 9);
    RightClick(ID_RULE_HIDE_ALWAYS);
    EXPECT_EQ(9, Stored("displayRule")) << "the rule already set writes nothing";
}

TEST_F(ContactMenuTest, UseDefaultSwitchesCopyTheDefaultsBothWaysAndReopenWhenCleared)
{
    const struct {
        UINT nId;
        const char* pszFlag;
        int nGroup;
        const char* pszDefaults[3];
    } groups[] = {
        {ID_USE_DEFAULT_SOUND_ALERTS,
         "useDefaultSoundRules",
         1,
         {"PlayOnlineSoundAlert", "PlayOfflineSoundAlert", "PlayChangeSoundAlert"}},
        {ID_USE_DEFAULT_SPEECH_ALERTS,
         "useDefaultSpeechRules",
         2,
         {"UseSpeechOnline", "UseSpeechOffline", "UseSpeechChange"}},
    };
    for (const auto& group : groups) {
        for (int pass = 0; pass < 2; ++pass) { // clearing the flag, then setting it again
            for (int i = 0; i < 3; ++i)
                AfxGetApp()->WriteProfileInt("_Default", group.pszDefaults[i], (i + pass) % 2);
            const size_t openings = g_openedAt.size();
            RightClick(group.nId);
            EXPECT_EQ(pass, Stored(group.pszFlag));
            const Switch* pSwitch = &kSwitches[3 * group.nGroup];
            for (int i = 0; i < 3; ++i, ++pSwitch) {
                EXPECT_EQ((i + pass) % 2, Stored(pSwitch->pszValue));
                EXPECT_EQ((i + pass) % 2 == 1, Wnd().*pSwitch->pField);
            }
            EXPECT_EQ(openings + 2 - pass, g_openedAt.size()) << "reopened once cleared";
            EXPECT_EQ(g_openedAt[openings].y, g_openedAt.back().y);
        }
    }

    AfxGetApp()->WriteProfileInt("_Default", "displayRules", 1);
    RightClick(ID_USE_DEFAULT_DISPLAY_RULES);
    EXPECT_EQ(0, Stored("useDefaultDisplayRules"));
    EXPECT_EQ(1, Stored("displayRule"));
    EXPECT_FALSE(Wnd().IsWindowVisible()) << "painted under the new rule";
    AfxGetApp()->WriteProfileInt("_Default", "displayRules", 0);
    RightClick(ID_USE_DEFAULT_DISPLAY_RULES);
    EXPECT_EQ(1, Stored("useDefaultDisplayRules"));
    EXPECT_EQ(0, Stored("displayRule"));
    EXPECT_EQ(9u, g_openedAt.size()) << "no second menu when following the default";
}

TEST_F(ContactMenuTest, APollEmptyingTheListDuringTheMenuLeavesTheRecordToItsCommand)
{
    FakeMessenger messenger; // reports no contacts
    g_onOpen = [](HMENU) {
        PollCycle(nullptr, 0, 0, 0);
        EXPECT_NE(nullptr, FindContact("bob@example.com")) << "held through the menu";
        return static_cast<UINT>(ID_SHOW_NAME);
    };
    Wnd().SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 12));
    PumpMessages();
    EXPECT_EQ(0, Stored("showName")) << "the command reached the record";
    PollCycle(nullptr, 0, 0, 0);
    EXPECT_EQ(nullptr, FindContact("bob@example.com")) << "emptied at the next tick";
}

} // namespace
