#pragma once

#include "framework/Wnd.h"

class CDataExchange;

// A dialog from a resource template, modal (DoModal) or modeless (Create);
// the two share everything but the way they are run.
class CDialog : public CWnd {
public:
    explicit CDialog(UINT nIdTemplate, CWnd* pParentWnd = nullptr);

    INT_PTR DoModal();
    BOOL Create();
    void EndDialog(int nResult);

    // Moves the dialog's values into its controls (false) or back (true).
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);

protected:
    const MessageMap* GetMessageMap() const override;

    virtual BOOL OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(CDataExchange* pDX);

    UINT m_nIdTemplate;
    CWnd* m_pParentWnd;

private:
    LRESULT HandleInitDialog(WPARAM wParam, LPARAM lParam);
    LRESULT OnReposition(WPARAM wParam, LPARAM lParam);
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
};
