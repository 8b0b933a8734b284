#pragma once

#include "dialogs/SettingsDialog.h"
#include "framework/Controls.h"

// The custom-colour row of every colour chooser of the run: a colour defined
// in one chooser is offered again by the next. Not saved.
extern COLORREF CustomColors[16];

// A colour settings dialog: its colour buttons run the system's chooser on
// one colour each, and it paints a preview of its colours itself.
class CColorSettingsDlg : public CSettingsDialog {
public:
    using CSettingsDialog::CSettingsDialog;

protected:
    const MessageMap* GetMessageMap() const override;
    void OnValuesShown() override { RedrawPreview(); }

    // Runs the chooser from the colour; the chosen one replaces it. The
    // preview is redrawn either way.
    void PickColor(COLORREF& crColor);
    void RedrawPreview() const;
    virtual void DrawPreview(HDC hDC) = 0;

private:
    void OnPaint();
};

// "Set Status Border Color": the frame colour of each status class, and
// whether offline contacts have a frame at all.
class CBorderColorDlg : public CColorSettingsDlg {
public:
    CBorderColorDlg();

    COLORREF m_crOnline = 0;
    COLORREF m_crOffline = 0;
    COLORREF m_crAway = 0;
    COLORREF m_crBusy = 0;
    CButton m_checkHideBorder;
    CButton m_btnOfflineColor;
    BOOL m_bHideOfflineBorder = FALSE;

protected:
    const MessageMap* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    void ResetValues() override;
    void DrawPreview(HDC hDC) override;

private:
    void OnOnlineColor() { PickColor(m_crOnline); }
    void OnBusyColor() { PickColor(m_crBusy); }
    void OnAwayColor() { PickColor(m_crAway); }
    void OnOfflineColor() { PickColor(m_crOffline); }
    void OnHideBorder();

    // Draws a frame of the pen round the sample picture with that id.
    void OutlinePicture(HDC hDC, int nIdPicture, HPEN hPen) const;
};

// "Set Name Color": the colours of the contacts' names.
class CNameColorDlg : public CColorSettingsDlg {
public:
    CNameColorDlg();

    COLORREF m_crForeground = 0;
    COLORREF m_crBackground = 0;
    CButton m_checkTransparent;
    CButton m_btnBackgroundColor;
    BOOL m_bTransparentBackground = FALSE;

protected:
    const MessageMap* GetMessageMap() const override;
    void DoDataExchange(CDataExchange* pDX) override;
    void ResetValues() override;
    void DrawPreview(HDC hDC) override;

private:
    void OnForegroundColor() { PickColor(m_crForeground); }
    void OnBackgroundColor() { PickColor(m_crBackground); }
    void OnTransparent();
};
