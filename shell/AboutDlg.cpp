#include "shell/AboutDlg.h"

#include "res/resource.h"
#include "shell/ProductInfo.h"
#include "shell/SkyletDlg.h"

#include <string>

CAboutDlg::CAboutDlg(CWnd* pParentWnd) : CDialog(IDD_ABOUTBOX, pParentWnd)
{
}

BOOL CAboutDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const std::string addresses = std::string("Web   : ") + PRODUCT_WEB_ADDRESS + "\r\n"
                                  + "E-mail : " + PRODUCT_EMAIL_ADDRESS;
    SetDlgItemTextA(m_hWnd, IDC_ABOUT_ADDRESSES, addresses.c_str());
    return TRUE;
}

void CSkyletDlg::OnAbout()
{
    CAboutDlg about(this);
    about.DoModal();
}
