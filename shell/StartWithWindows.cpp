// Start With Windows: the program's entry in the current user's Run key.
#include "shell/SkyletDlg.h"

#include "framework/RegKey.h"
#include "settings/ProfileSection.h"
#include "shell/ProductInfo.h"
#include "shell/StartWithWindows.h"

#include <string>

std::string ProgramRunCommand()
{
    // Windows starts Run entries in a directory of its own choosing, so the
    // entry names the program by its full path, never by the start-up directory.
    std::string path(MAX_PATH, '\0');
    for (;;) {
        const DWORD length = GetModuleFileNameA(nullptr, &path[0], static_cast<DWORD>(path.size()));
        if (length == 0)
            return std::string();
        if (length < path.size()) {
            path.resize(length);
            return "\"" + path + "\"";
        }
        path.resize(path.size() * 2);
    }
}

void CSkyletDlg::ToggleStartWithWindows()
{
    CRegKey run;
    if (run.Open(HKEY_CURRENT_USER, RUN_KEY, KEY_SET_VALUE) != ERROR_SUCCESS) {
        const std::string text = std::string("Could not open to the registry !\r\n")
                                 + "Please send an e-mail to " + PRODUCT_SUPPORT_EMAIL_ADDRESS
                                 + " to report this error.\r\nThanks.";
        MessageBox(text.c_str(), "Error", MB_OK);
        return;
    }
    m_bStartWithWindows = !m_bStartWithWindows;
    if (m_bStartWithWindows) {
        // Without the program's path there is nothing to start: no entry then.
        const std::string command = ProgramRunCommand();
        if (!command.empty())
            run.SetString(RUN_VALUE_NAME, command);
    } else {
        run.DeleteValue(RUN_VALUE_NAME);
    }
    Settings::DefaultSection().Write(Settings::Default::StartWithWindows, m_bStartWithWindows);
}
