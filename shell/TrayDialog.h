#pragma once

#include "framework/Dialog.h"

#include <shellapi.h>

// A dialog that owns one icon in the notification area and turns the icon's
// mouse notifications into the five OnTray* calls.
class CTrayDialog : public CDialog {
public:
    explicit CTrayDialog(UINT nIdTemplate, CWnd* pParentWnd = nullptr);

    // The message the notification area sends the dialog about its icon.
    static constexpr UINT WM_TRAY_NOTIFY = WM_USER + 1;
    static constexpr UINT TRAY_ICON_ID = 1;

    // A failed load leaves the record without an icon.
    void SetTrayIcon(UINT nIdResource);
    // At most 63 characters; a longer text is cut.
    void SetTrayTip(const char* pszTip);
    // Adds the icon once; TRUE when the shell took it now.
    BOOL ShowTrayIcon();

    BOOL m_bIconShown = FALSE;
    // The first-version record, which every shell since the first knows.
    NOTIFYICONDATAA m_nid = {};

protected:
    const MessageMap* GetMessageMap() const override;

    // The cursor position, in screen coordinates.
    virtual void OnTrayLButtonDown(int, int) {}
    virtual void OnTrayLButtonDblClk(int, int) {}
    virtual void OnTrayRButtonDown(int, int) {}
    virtual void OnTrayRButtonDblClk(int, int) {}
    virtual void OnTrayMouseMove(int, int) {}

private:
    int OnCreate(CREATESTRUCTA* pCreate);
    void OnDestroy();
    LRESULT OnTrayNotify(WPARAM wParam, LPARAM lParam);
    LRESULT OnTaskbarCreated(WPARAM wParam, LPARAM lParam);
};
