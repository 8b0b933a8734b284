#pragma once

#include "framework/Dialog.h"

#include <string>

// "Contact Properties": what the messenger tells of one contact, its
// custom name and its display rule.
class CContactPropertiesDlg : public CDialog {
public:
    CContactPropertiesDlg();

    std::string m_strEmail;        // read-only
    std::string m_strFriendlyName; // read-only
    std::string m_strCustomName;   // exactly as typed
    // The index of the selected rule radio, 0 to 3 as the display rules; -1 for none.
    int m_nDisplayRule = -1;
    BOOL m_bUseDefaultRule = FALSE;
    std::string m_strStatus; // read-only

protected:
    const MessageMap* GetMessageMap() const override;
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;

private:
    void OnUseDefaultRule();
    // The rule radios can be chosen only while the default rule is not followed.
    void EnableRuleRadios() const;
};

// "Set Custom Name": a contact's custom name alone.
class CCustomNameDlg : public CDialog {
public:
    CCustomNameDlg();

    std::string m_strName;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
