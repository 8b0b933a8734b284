#include "dialogs/SoundAlertsDlg.h"

#include "alerts/SoundAlert.h"
#include "framework/AnsiText.h"
#include "framework/DataExchange.h"
#include "framework/FileDialog.h"
#include "res/resource.h"

#include <shlwapi.h>

namespace {

// The controls of one alert event's group and the refusal of OK while the
// group asks for a custom sound that has not been chosen.
struct SoundGroup {
    SoundAlertValues CDefaultSoundAlertsDlg::*pValues;
    AlertEvent event;
    int nPlay;
    int nUseDefault;
    int nCustom;
    int nPath;
    int nTest;
    const char* pszEmptyText;
    const char* pszEmptyCaption;
};

const SoundGroup kGroups[] = {
    {&CDefaultSoundAlertsDlg::m_online, AlertEvent::Online, IDC_PLAY_ONLINE, IDC_USE_DEFAULT_ONLINE,
     IDC_CUSTOM_ONLINE, IDC_PATH_ONLINE, IDC_TEST_ONLINE,
     "Please indicate a custom ONLINE alert or use the default alert !",
     "Custom Online Alert Empty"},
    {&CDefaultSoundAlertsDlg::m_offline, AlertEvent::Offline, IDC_PLAY_OFFLINE,
     IDC_USE_DEFAULT_OFFLINE, IDC_CUSTOM_OFFLINE, IDC_PATH_OFFLINE, IDC_TEST_OFFLINE,
     "Please indicate a custom OFFLINE alert or use the default alert !",
     "Custom Offline Alert Empty"},
    {&CDefaultSoundAlertsDlg::m_change, AlertEvent::StatusChange, IDC_PLAY_CHANGE,
     IDC_USE_DEFAULT_CHANGE, IDC_CUSTOM_CHANGE, IDC_PATH_CHANGE, IDC_TEST_CHANGE,
     "Please indicate a custom alert for status changes or use the default alert !",
     "Custom Status Changes Alert Empty"},
};

constexpr int kGroupCount = sizeof(kGroups) / sizeof(kGroups[0]);

int GroupOf(UINT nId)
{
    for (int i = 0; i < kGroupCount; ++i) {
        const SoundGroup& group = kGroups[i];
        const int id = static_cast<int>(nId);
        if (id == group.nPlay || id == group.nUseDefault || id == group.nCustom
            || id == group.nTest)
            return i;
    }
    return 0;
}

// Asks the group to play a custom sound that has not been chosen.
bool LacksCustomSound(const SoundAlertValues& values)
{
    return values.bPlay && !values.bUseDefault && values.strCustomPath.empty();
}

// The drive and directory of a path, with the trailing separator.
std::string FolderOf(const std::string& strPath)
{
    const char* pszPath = strPath.c_str();
    return std::string(pszPath, static_cast<const char*>(PathFindFileNameA(pszPath)));
}

} // namespace

CDefaultSoundAlertsDlg::CDefaultSoundAlertsDlg() : CSettingsDialog(IDD_DEFAULT_SOUND_ALERTS)
{
}

const MessageMap* CDefaultSoundAlertsDlg::GetMessageMap() const
{
    using Dlg = CDefaultSoundAlertsDlg;
    static const MessageMap map(CSettingsDialog::GetMessageMap(),
                                {
                                    MapCommand<&Dlg::OnCheckToggled>(IDC_PLAY_ONLINE),
                                    MapCommand<&Dlg::OnCheckToggled>(IDC_PLAY_OFFLINE),
                                    MapCommand<&Dlg::OnCheckToggled>(IDC_PLAY_CHANGE),
                                    MapCommand<&Dlg::OnCheckToggled>(IDC_USE_DEFAULT_ONLINE),
                                    MapCommand<&Dlg::OnCheckToggled>(IDC_USE_DEFAULT_OFFLINE),
                                    MapCommand<&Dlg::OnCheckToggled>(IDC_USE_DEFAULT_CHANGE),
                                    MapCommand<&Dlg::OnChooseCustom>(IDC_CUSTOM_ONLINE),
                                    MapCommand<&Dlg::OnChooseCustom>(IDC_CUSTOM_OFFLINE),
                                    MapCommand<&Dlg::OnChooseCustom>(IDC_CUSTOM_CHANGE),
                                    MapCommand<&Dlg::OnTestSound>(IDC_TEST_ONLINE),
                                    MapCommand<&Dlg::OnTestSound>(IDC_TEST_OFFLINE),
                                    MapCommand<&Dlg::OnTestSound>(IDC_TEST_CHANGE),
                                    MapCommand<&Dlg::OnReset>(IDC_SOUND_RESET),
                                });
    return &map;
}

void CDefaultSoundAlertsDlg::DoDataExchange(CDataExchange* pDX)
{
    for (const SoundGroup& group : kGroups) {
        SoundAlertValues& values = this->*group.pValues;
        DDX_Check(pDX, group.nPlay, values.bPlay);
        DDX_Check(pDX, group.nUseDefault, values.bUseDefault);
        DDX_Text(pDX, group.nPath, values.strCustomPath);
    }
}

void CDefaultSoundAlertsDlg::SetValues(const DefaultSettingsData& defaults)
{
    for (const SoundGroup& group : kGroups) {
        const EventDefaults& event = kEventDefaults[static_cast<int>(group.event)];
        this->*group.pValues = {defaults.*event.pPlay, defaults.*event.pUseDefault,
                                defaults.*event.pCustomPath};
    }
}

const SoundAlertValues& CDefaultSoundAlertsDlg::ValuesOf(int nEvent) const
{
    return this->*kGroups[nEvent].pValues;
}

void CDefaultSoundAlertsDlg::ResetValues()
{
    SetValues(DefaultSettingsData());
}

void CDefaultSoundAlertsDlg::OnValuesShown()
{
    for (int i = 0; i < kGroupCount; ++i)
        ApplyEnablingRule(i);
}

void CDefaultSoundAlertsDlg::ApplyEnablingRule(int nGroup) const
{
    const SoundGroup& group = kGroups[nGroup];
    const SoundAlertValues& values = this->*group.pValues;
    const bool bPlay = values.bPlay != FALSE;
    const bool bUseDefault = values.bUseDefault != FALSE;
    ::EnableWindow(GetDlgItem(group.nUseDefault), bPlay);
    ::EnableWindow(GetDlgItem(group.nCustom), bPlay && !bUseDefault);
    ::EnableWindow(GetDlgItem(group.nTest),
                   bPlay && (bUseDefault || !values.strCustomPath.empty()));
}

void CDefaultSoundAlertsDlg::OnCheckToggled(UINT nId)
{
    const int nGroup = GroupOf(nId);
    const SoundGroup& group = kGroups[nGroup];
    SoundAlertValues& values = this->*group.pValues;
    values.bPlay = IsDlgButtonChecked(m_hWnd, group.nPlay) == BST_CHECKED;
    values.bUseDefault = IsDlgButtonChecked(m_hWnd, group.nUseDefault) == BST_CHECKED;
    ApplyEnablingRule(nGroup);
}

void CDefaultSoundAlertsDlg::OnChooseCustom(UINT nId)
{
    const int nGroup = GroupOf(nId);
    SoundAlertValues& values = this->*kGroups[nGroup].pValues;
    // The chooser opens in the current directory, and the chosen file's
    // folder stays the current one: the default sounds' override files are
    // looked for there from then on.
    if (!m_strFolder.empty())
        SetCurrentDirectoryA(m_strFolder.c_str());
    CFileOpenDialog chooser("Wave Files (*.wav)|*.wav|", OFN_HIDEREADONLY, this);
    if (chooser.DoModal() != IDOK)
        return;
    values.strCustomPath = TrimWhiteSpace(chooser.GetPathName());
    SetDlgItemTextA(m_hWnd, kGroups[nGroup].nPath, values.strCustomPath.c_str());
    ApplyEnablingRule(nGroup);
    m_strFolder = FolderOf(values.strCustomPath);
    // Windows' chooser leaves it there; Wine's only when the user browsed to it.
    SetCurrentDirectoryA(m_strFolder.c_str());
}

void CDefaultSoundAlertsDlg::OnTestSound(UINT nId)
{
    const SoundGroup& group = kGroups[GroupOf(nId)];
    const SoundAlertValues& values = this->*group.pValues;
    if (values.bUseDefault)
        PlayDefaultSound(group.event);
    else
        PlaySoundFile(values.strCustomPath);
}

void CDefaultSoundAlertsDlg::OnOK()
{
    for (const SoundGroup& group : kGroups)
        if (LacksCustomSound(this->*group.pValues)) {
            MessageBox(group.pszEmptyText, group.pszEmptyCaption, MB_OK);
            return;
        }
    CSettingsDialog::OnOK();
}
