#pragma once

#include "core/ContactStatus.h"

#include <string>

class CContactWnd;

// One contact of the messenger's contact list, keyed by its sign-in name.
// It owns the contact's desktop window; the window points back to it.
class ContactRecord {
public:
    // Reads the contact's picture file and custom name, creates its window
    // and alerts as for a newly discovered contact.
    ContactRecord(const std::string& strSigninName, const std::string& strFriendlyName,
                  ContactStatus nStatus);
    virtual ~ContactRecord();

    ContactRecord(const ContactRecord&) = delete;
    ContactRecord& operator=(const ContactRecord&) = delete;

    // The custom name when set, else the friendly name.
    std::string GetDisplayName() const;

    // Called after the status changed (false) or the record was created
    // (true: alerts only when the display rule shows the window). Raises the
    // alerts, then repaints the window, which shows or hides it by its rule.
    // Defined with the alerts (alerts/NotifyStatus.cpp).
    void NotifyStatus(bool onlyIfShown);

    std::string m_strCustomName;
    std::string m_strPicFileName;
    CContactWnd* m_pWnd = nullptr;
    std::string m_strSigninName;   // never changes after construction
    std::string m_strFriendlyName; // as reported when the record was created
    ContactStatus m_nStatus;       // changed only by the poll cycle
};

// Whether a status change or a first sighting raises alerts.
bool AlertsConsidered(bool onlyIfShown, int nDisplayRule, int nStatus);
