// The General Settings menu of the tray icon, and the all-contacts command
// that needs no dialog.
#include "shell/SkyletDlg.h"

#include "contactwnd/ContactWnd.h"
#include "core/ContactRecord.h"
#include "core/Liste.h"
#include "dialogs/SettingsCommands.h"
#include "framework/Menu.h"
#include "res/resource.h"
#include "settings/DefaultSettings.h"

#include <string>

namespace {

// "Contacts Properties" goes between the two adjacent separators, counted
// from the end so that it stays in its group.
constexpr int kContactsPopupFromEnd = 6;

UINT CheckedIf(bool bChecked)
{
    return MF_BYCOMMAND | (bChecked ? MF_CHECKED : MF_UNCHECKED);
}

// The text of a contact's "Contacts Properties" item.
std::string ContactItemText(const ContactRecord& record)
{
    return MenuItemText(record.GetDisplayName()) + "...";
}

// One item per contact in list order; the id tells the index under which
// the item's record is remembered.
bool BuildContactsPopup(CMenu& popup, std::vector<ContactMenuItem>& items)
{
    items.clear();
    if (!popup.CreatePopup())
        return false;
    UINT nId = CONTACT_CMD_FIRST;
    ForEachContact([&](const ContactRecord* pRecord) {
        AppendMenuA(popup.Get(), MF_STRING, nId++, ContactItemText(*pRecord).c_str());
        items.push_back({pRecord, pRecord->m_strSigninName});
    });
    return true;
}

// The record an item was built for, while the list still holds it. A poll
// may have emptied the list since, so the address is only compared until it
// is found listed; the name tells apart a record made since at that address.
ContactRecord* ListedRecord(const ContactMenuItem& item)
{
    ContactRecord* pListed = nullptr;
    ForEachContact([&](ContactRecord* pRecord) {
        if (pRecord == item.pRecord)
            pListed = pRecord;
    });
    return pListed && pListed->m_strSigninName == item.strSigninName ? pListed : nullptr;
}

template <typename Visit>
BOOL CALLBACK VisitContactWindow(HWND hWnd, LPARAM lParam)
{
    if (dynamic_cast<CContactWnd*>(CWnd::FromHandle(hWnd)))
        (*reinterpret_cast<Visit*>(lParam))(hWnd);
    return TRUE;
}

// The windows of the contacts, those of records still being created included.
template <typename Visit>
void ForEachThreadContactWindow(Visit visit)
{
    EnumThreadWindows(GetCurrentThreadId(), VisitContactWindow<Visit>,
                      reinterpret_cast<LPARAM>(&visit));
}

} // namespace

void CSkyletDlg::OnTrayRButtonDown(int x, int y)
{
    CMenu menu;
    if (!menu.Load(IDR_TRAY_MENU))
        return;
    HMENU hSettings = menu.GetSubMenu(0);
    SetMenuDefaultItem(hSettings, ID_TRAY_OPEN_CLOSE_LOG, FALSE);
    CheckMenuItem(hSettings, ID_TRAY_CLICK_THROUGH, CheckedIf(DefaultSettings.clickThrough));
    CheckMenuItem(hSettings, ID_TRAY_START_WITH_WINDOWS, CheckedIf(m_bStartWithWindows));

    CMenu contacts;
    if (BuildContactsPopup(contacts, m_contactItems)
        && InsertMenuA(hSettings, GetMenuItemCount(hSettings) - kContactsPopupFromEnd,
                       MF_BYPOSITION | MF_POPUP, reinterpret_cast<UINT_PTR>(contacts.Get()),
                       "Contacts Properties"))
        contacts.Detach(); // the settings menu destroys it with itself

    // The menu closes when the user clicks elsewhere only if its owner is
    // in the foreground; the null message lets the next right click open it.
    SetForegroundWindow(m_hWnd);
    TrackPopup(hSettings, TPM_RIGHTBUTTON, x, y, m_hWnd);
    SendMessage(WM_NULL);
}

void CSkyletDlg::OnClickThrough()
{
    // Decided from the stored value, whatever the copy in memory says.
    const bool bOn = !ReadStoredDefault(&DefaultSettingsData::clickThrough);
    // Set first: a window created while the warning is up takes the new state.
    DefaultSettings.clickThrough = bOn;
    if (bOn)
        MessageBox("             If this option is enabled,\n"
                   "you will not be able to clic on contact's windows.\n"
                   "Mouse clics will pass through contact's windows.\n"
                   "Disable this option to retrieve the default behaviour.",
                   "Warning", MB_OK | MB_ICONEXCLAMATION);
    ForEachThreadContactWindow([bOn](HWND hWnd) {
        // Turning it off leaves the window layered: its translucency stays.
        const LONG exStyle = GetWindowLongA(hWnd, GWL_EXSTYLE);
        SetWindowLongA(hWnd, GWL_EXSTYLE,
                       bOn ? exStyle | WS_EX_LAYERED | WS_EX_TRANSPARENT
                           : exStyle & ~WS_EX_TRANSPARENT);
    });
    StoreDefault(&DefaultSettingsData::clickThrough, bOn);
}

// A "Contacts Properties" item opens the dialog of the contact it was built
// for, when the list still holds it: a contact found by a poll while the menu
// was open shifts the others' places. The command then takes the usual route.
BOOL CSkyletDlg::OnCommand(WPARAM wParam, LPARAM lParam)
{
    if (HIWORD(wParam) == 0 && LOWORD(wParam) >= CONTACT_CMD_FIRST) {
        const size_t nIndex = LOWORD(wParam) - CONTACT_CMD_FIRST;
        if (nIndex < m_contactItems.size())
            if (ContactRecord* pRecord = ListedRecord(m_contactItems[nIndex]))
                ShowContactProperties(pRecord);
    }
    return CTrayDialog::OnCommand(wParam, lParam);
}
