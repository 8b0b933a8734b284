#include "core/ContactRecord.h"

// The one arrow up from core: a record owns its window, which it makes and
// deletes, and the window is the home of the contact's settings.
#include "contactwnd/ContactWnd.h"
#include "core/DisplayRule.h"
#include "settings/ProfileSection.h"

#include <new>

ContactRecord::ContactRecord(const std::string& strSigninName, const std::string& strFriendlyName,
                             ContactStatus nStatus)
    : m_strSigninName(strSigninName), m_strFriendlyName(strFriendlyName), m_nStatus(nStatus)
{
    const Settings::ProfileSection section(m_strSigninName);
    m_strPicFileName = section.Read(Settings::Contact::PicFileName);
    m_strCustomName = section.Read(Settings::Contact::CustomName);
    m_pWnd = new (std::nothrow) CContactWnd(this);
    NotifyStatus(true);
}

ContactRecord::~ContactRecord()
{
    delete m_pWnd;
}

std::string ContactRecord::GetDisplayName() const
{
    return m_strCustomName.empty() ? m_strFriendlyName : m_strCustomName;
}

bool AlertsConsidered(bool onlyIfShown, int nDisplayRule, int nStatus)
{
    return !onlyIfShown || DisplayRuleVisibility(nDisplayRule, nStatus) == RuleVisibility::Shown;
}
