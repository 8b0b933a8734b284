// The context menu of a contact window and the commands that apply to that
// one contact.
#include "contactwnd/ContactWnd.h"

#include "contactwnd/AlertSwitches.h"
#include "framework/Menu.h"
#include "framework/Monitor.h"
#include "res/resource.h"
#include "settings/DefaultSettings.h"
#include "settings/ProfileSection.h"

#include <optional>

namespace {

namespace Default = Settings::Default;

// A switch of the window's own, inverted by its menu entry and stored at once.
struct Toggle {
    UINT nId;
    bool CContactWnd::*pField;
};

constexpr Toggle kShowToggles[] = {
    {ID_SHOW_PHOTO, &CContactWnd::m_bShowPhoto},
    {ID_SHOW_NAME, &CContactWnd::m_bShowName},
    {ID_SHOW_STATUS_BORDER, &CContactWnd::m_bShowStatusBorder},
};

// The entries of a kind of alert: its use-default entry and one per event,
// greyed while the use-default switch is set. The defaults are copied into
// the contact's switches whenever that switch changes.
struct AlertMenu {
    UINT nUseDefaultId;
    const AlertSwitchGroup* pSwitches;
    UINT nEventIds[ALERT_EVENT_COUNT];
};

constexpr AlertMenu kAlertMenus[] = {
    {ID_USE_DEFAULT_SOUND_ALERTS,
     &kSoundSwitches,
     {ID_SOUND_WHEN_ONLINE, ID_SOUND_WHEN_OFFLINE, ID_SOUND_WHEN_STATUS_CHANGES}},
    {ID_USE_DEFAULT_SPEECH_ALERTS,
     &kSpeechSwitches,
     {ID_SPEECH_WHEN_ONLINE, ID_SPEECH_WHEN_OFFLINE, ID_SPEECH_WHEN_STATUS_CHANGES}},
};

struct RuleCommand {
    UINT nId;
    int nRule;
};

constexpr RuleCommand kRuleCommands[] = {
    {ID_RULE_SHOW_ALWAYS, Settings::RULE_SHOW_ALWAYS},
    {ID_RULE_HIDE_ALWAYS, Settings::RULE_HIDE_ALWAYS},
    {ID_RULE_SHOW_ONLY_WHEN_ONLINE, Settings::RULE_SHOW_ONLY_WHEN_ONLINE},
    {ID_RULE_HIDE_ONLY_WHEN_OFFLINE, Settings::RULE_HIDE_ONLY_WHEN_OFFLINE},
};

std::optional<Toggle> FindToggle(UINT nId)
{
    for (const Toggle& toggle : kShowToggles)
        if (toggle.nId == nId)
            return toggle;
    for (const AlertMenu& menu : kAlertMenus)
        for (int i = 0; i < ALERT_EVENT_COUNT; ++i)
            if (menu.nEventIds[i] == nId)
                return Toggle{nId, menu.pSwitches->pEvents[i]};
    return std::nullopt;
}

const AlertSwitchGroup* FindAlertGroup(UINT nUseDefaultId)
{
    for (const AlertMenu& menu : kAlertMenus)
        if (menu.nUseDefaultId == nUseDefaultId)
            return menu.pSwitches;
    return nullptr;
}

// How the menu lines up with the pointer: below it, or above it when the
// work area has more room there. Never over it, where the release of the
// button that opened the menu would choose an entry.
UINT MenuAlignment(POINT pointer)
{
    const RECT work = WorkAreaAt(pointer).value_or(RECT{});
    return pointer.y - work.top > work.bottom - pointer.y ? TPM_BOTTOMALIGN : TPM_TOPALIGN;
}

void CheckItem(HMENU hMenu, UINT nId, bool bChecked)
{
    CheckMenuItem(hMenu, nId, MF_BYCOMMAND | (bChecked ? MF_CHECKED : MF_UNCHECKED));
}

void EnableItem(HMENU hMenu, UINT nId, bool bEnabled)
{
    EnableMenuItem(hMenu, nId, MF_BYCOMMAND | (bEnabled ? MF_ENABLED : MF_GRAYED));
}

} // namespace

const MessageMap* CContactWnd::ContactMenuMap() const
{
    static const MessageMap map(
        CDialog::GetMessageMap(),
        {
            MapMessage<&CContactWnd::ShowContextMenu>(WM_RBUTTONDOWN),
            MapCommand<&CContactWnd::StartConversation>(ID_START_CONVERSATION),
            MapCommand<&CContactWnd::OnToggle>(ID_SHOW_PHOTO),
            MapCommand<&CContactWnd::OnToggle>(ID_SHOW_NAME),
            MapCommand<&CContactWnd::OnToggle>(ID_SHOW_STATUS_BORDER),
            MapCommand<&CContactWnd::OnUseDefaultDisplayRules>(ID_USE_DEFAULT_DISPLAY_RULES),
            MapCommand<&CContactWnd::OnDisplayRule>(ID_RULE_SHOW_ALWAYS),
            MapCommand<&CContactWnd::OnDisplayRule>(ID_RULE_HIDE_ALWAYS),
            MapCommand<&CContactWnd::OnDisplayRule>(ID_RULE_SHOW_ONLY_WHEN_ONLINE),
            MapCommand<&CContactWnd::OnDisplayRule>(ID_RULE_HIDE_ONLY_WHEN_OFFLINE),
            MapCommand<&CContactWnd::OnUseDefaultAlerts>(ID_USE_DEFAULT_SOUND_ALERTS),
            MapCommand<&CContactWnd::OnToggle>(ID_SOUND_WHEN_ONLINE),
            MapCommand<&CContactWnd::OnToggle>(ID_SOUND_WHEN_OFFLINE),
            MapCommand<&CContactWnd::OnToggle>(ID_SOUND_WHEN_STATUS_CHANGES),
            MapCommand<&CContactWnd::OnUseDefaultAlerts>(ID_USE_DEFAULT_SPEECH_ALERTS),
            MapCommand<&CContactWnd::OnToggle>(ID_SPEECH_WHEN_ONLINE),
            MapCommand<&CContactWnd::OnToggle>(ID_SPEECH_WHEN_OFFLINE),
            MapCommand<&CContactWnd::OnToggle>(ID_SPEECH_WHEN_STATUS_CHANGES),
            // The entries that open a settings dialog of this contact.
            MapCommand<&CContactWnd::OnSetTransparency>(ID_SET_TRANSPARENCY),
            MapCommand<&CContactWnd::OnSetCustomName>(ID_SET_CUSTOM_NAME),
            MapCommand<&CContactWnd::OnProperties>(ID_PROPERTIES),
        });
    return &map;
}

void CContactWnd::ShowContextMenu(UINT nFlags, POINT point)
{
    // The tooltip stays marked as shown: it does not come back until the
    // pointer has left the window once.
    HideTooltip();
    m_nMenuFlags = static_cast<int>(nFlags);
    m_ptMenu = point;
    POINT pointer = point;
    ClientToScreen(m_hWnd, &pointer);

    CMenu menu;
    if (menu.Load(IDR_CONTACT_MENU)) {
        HMENU hPopup = menu.GetSubMenu(0);
        SetMenuDefaultItem(hPopup, ID_START_CONVERSATION, FALSE);
        SetMenuStates(hPopup);
        const UINT nAlign = MenuAlignment(pointer);
        // Below the pointer, the menu starts one pixel lower, off its hot spot.
        const int y = nAlign == TPM_TOPALIGN ? pointer.y + 1 : pointer.y;
        // With room on neither side, the system would slide the menu back
        // over the hot spot: it moves it sideways off it instead.
        const RECT hotSpot = {pointer.x, pointer.y, pointer.x + 1, pointer.y + 1};
        TrackPopup(hPopup, TPM_RIGHTBUTTON | nAlign, pointer.x, y, m_hWnd, &hotSpot);
    }
    Default();
}

void CContactWnd::SetMenuStates(HMENU hMenu) const
{
    for (const Toggle& toggle : kShowToggles)
        CheckItem(hMenu, toggle.nId, this->*toggle.pField);
    for (const AlertMenu& menu : kAlertMenus) {
        const bool bUseDefault = this->*menu.pSwitches->pUseDefault;
        CheckItem(hMenu, menu.nUseDefaultId, bUseDefault);
        for (UINT nId : menu.nEventIds)
            EnableItem(hMenu, nId, !bUseDefault);
    }
    for (const AlertMenu& menu : kAlertMenus)
        for (int i = 0; i < ALERT_EVENT_COUNT; ++i)
            CheckItem(hMenu, menu.nEventIds[i], this->*menu.pSwitches->pEvents[i]);
    CheckItem(hMenu, ID_USE_DEFAULT_DISPLAY_RULES, m_bUseDefaultDisplayRules);
    for (const RuleCommand& command : kRuleCommands)
        EnableItem(hMenu, command.nId, !m_bUseDefaultDisplayRules);
    // A rule outside the table, stored by hand, checks none.
    for (const RuleCommand& command : kRuleCommands)
        CheckItem(hMenu, command.nId, m_nDisplayRule == command.nRule);
}

void CContactWnd::OnToggle(UINT nId)
{
    const std::optional<Toggle> toggle = FindToggle(nId);
    if (!toggle)
        return;
    bool& bField = this->*toggle->pField;
    bField = !bField;
    StoreSettings(toggle->pField);
    RedrawNow();
}

void CContactWnd::OnDisplayRule(UINT nId)
{
    for (const RuleCommand& command : kRuleCommands) {
        if (command.nId != nId || command.nRule == m_nDisplayRule)
            continue;
        m_nDisplayRule = command.nRule;
        StoreSettings(&CContactWnd::m_nDisplayRule);
        RepaintNow();
    }
}

void CContactWnd::OnUseDefaultDisplayRules()
{
    m_bUseDefaultDisplayRules = !m_bUseDefaultDisplayRules;
    m_nDisplayRule = Settings::DefaultSection().Read(Default::DisplayRules);
    StoreSettings(&CContactWnd::m_nDisplayRule, &CContactWnd::m_bUseDefaultDisplayRules);
    FinishUseDefaultToggle(m_bUseDefaultDisplayRules);
}

void CContactWnd::OnUseDefaultAlerts(UINT nId)
{
    const AlertSwitchGroup* pGroup = FindAlertGroup(nId);
    if (!pGroup)
        return;
    bool& bUseDefault = this->*pGroup->pUseDefault;
    bUseDefault = !bUseDefault;
    // Copied as stored now, whichever way the switch goes: a contact that
    // stops following the defaults starts from them.
    for (int i = 0; i < ALERT_EVENT_COUNT; ++i)
        this->*pGroup->pEvents[i] = ReadStoredDefault(pGroup->DefaultOf(i));
    const auto& events = pGroup->pEvents;
    StoreSettings(events[0], events[1], events[2], pGroup->pUseDefault);
    FinishUseDefaultToggle(bUseDefault);
}

void CContactWnd::FinishUseDefaultToggle(bool bUseDefault)
{
    // Now the contact's own: the menu opens again where it was, with the
    // group's entries enabled for a choice at once.
    if (!bUseDefault)
        ShowContextMenu(static_cast<UINT>(m_nMenuFlags), m_ptMenu);
    RedrawNow();
}
