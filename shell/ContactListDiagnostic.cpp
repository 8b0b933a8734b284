// "Contact List": the messenger's own list, read directly, for diagnosis.
#include "shell/SkyletDlg.h"

#include "core/ContactStatus.h"
#include "core/Messenger.h"
#include "framework/MessageBox.h"

#include <string>

void CSkyletDlg::OnContactList()
{
    std::string text;
    {
        MessengerSession messenger;
        long nCount = 0;
        if (messenger.OpenContacts() && messenger.GetCount(nCount))
            for (long i = 0; i < nCount; ++i) {
                MessengerContactInfo contact;
                if (!messenger.GetContact(i, contact))
                    continue;
                const bool bOnline = MapMessengerStatus(contact.nStatusCode) == STATUS_ONLINE;
                text += contact.strSigninName + (bOnline ? "\t\t INLINE\n" : "\t OFFLINE\n");
            }
    }
    AfxMessageBox(text.c_str(), MB_OK);
}
