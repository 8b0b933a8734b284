// "Contact List": the messenger's own list, read directly, for diagnosis.
#include "shell/SkyletDlg.h"

#include "core/ContactStatus.h"
#include "core/MessengerExchange.h"
#include "framework/MessageBox.h"

#include <string>

namespace {

// How long the listing waits for the messenger before it shows what it has.
constexpr UINT CONTACT_LIST_LIMIT_MS = 10000;

} // namespace

void CSkyletDlg::OnContactList()
{
    // One listing at a time: a messenger that hangs is asked nothing more.
    static bool s_bListingOut = false;
    if (s_bListingOut)
        return;
    s_bListingOut = true;
    const auto show = [](const MessengerContactList& list) {
        s_bListingOut = false;
        std::string text;
        for (const MessengerContactInfo& contact : list.contacts) {
            const bool bOnline = MapMessengerStatus(contact.nStatusCode) == STATUS_ONLINE;
            text += contact.strSigninName + (bOnline ? "\t\t INLINE\n" : "\t OFFLINE\n");
        }
        AfxMessageBox(text.c_str(), MB_OK);
    };
    // A messenger that does not answer in time lists nothing, as an absent one.
    RunMessengerExchange<MessengerContactList>(ReadMessengerContacts, show, CONTACT_LIST_LIMIT_MS,
                                               [show] { show(MessengerContactList()); });
}
