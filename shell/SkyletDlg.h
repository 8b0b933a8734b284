#pragma once

#include "shell/FullScreenWatch.h"
#include "shell/TrayDialog.h"

#include <string>
#include <vector>

class ContactRecord;
class CSkyletDlgAutoProxy;

// Whether the main window has yet to be painted: its first paint sends it
// into the tray.
extern BOOL g_bFirstPaint;

// The record a "Contacts Properties" item stood for when the menu was built,
// with its sign-in name.
struct ContactMenuItem {
    const ContactRecord* pRecord;
    std::string strSigninName;
};

// The main window: the status log, kept hidden in the tray, and owner of the
// tray icon and of the General Settings menu that a right click on it opens.
class CSkyletDlg : public CTrayDialog {
public:
    // Loads the "_Default" settings and brings the Run entry in line with
    // the Start With Windows setting.
    CSkyletDlg();
    ~CSkyletDlg() override;

    void HideToTray();
    // Shows the hidden window, or hides the shown one; on showing, can put
    // the log's caret and view at its start.
    void ToggleLogWindow(bool bScrollToStart);
    // Registers the program to start with Windows, or stops it, as the
    // setting flips; shows an error when the Run key cannot be opened.
    void ToggleStartWithWindows();

    // The automation object attached to this window, if a client holds one.
    CSkyletDlgAutoProxy* m_pAutoProxy = nullptr;
    HICON m_hIcon = nullptr;
    bool m_bHidden = false;
    BOOL m_bStartWithWindows = FALSE;
    // The "Contacts Properties" items of the last tray menu, by index.
    std::vector<ContactMenuItem> m_contactItems;

protected:
    const MessageMap* GetMessageMap() const override;
    BOOL OnInitDialog() override;
    void OnOK() override;
    void OnCancel() override;
    void OnTrayLButtonDblClk(int x, int y) override;
    void OnTrayRButtonDown(int x, int y) override;
    // Sees every command first, for the "Contacts Properties" items.
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;

    // False while an automation client holds the program: the window only hides.
    bool CanExit();

private:
    void AddAboutToSystemMenu();
    void OnPaint();
    void PaintMinimizedIcon();
    void OnClose();
    void OnSysCommand(UINT nId, LPARAM lParam);
    LRESULT OnQueryDragIcon(WPARAM wParam, LPARAM lParam);
    void OnOpenCloseLog();
    void OnQuit();
    void OnContactList();
    LRESULT OnShowLogWindow(WPARAM wParam, LPARAM lParam);
    LRESULT OnDisplayChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnSettingChange(WPARAM wParam, LPARAM lParam);
    LRESULT OnTimer(WPARAM wParam, LPARAM lParam);

    // Tray menu commands.
    void OnClickThrough();
    void OnReorganize();
    void OnAbout();
    void OnHelp();

    CFullScreenWatch m_fullScreen;
};
