// Help: what the program does, in one message box.
#include "shell/SkyletDlg.h"

#include "shell/HelpText.h"

const char HELP_TEXT[] =
    " Skylet allows you to always keep an eye on your MSN Messenger contacts.\r\n"
    "              MSN Messenger must be running when you use Skylet.\r\n"
    "\r\n"
    "                  You can have your contact's photos on the desktop.\r\n"
    "             Just drag and drop a jpeg, gif or bmp file on a contact window.\r\n"
    "\r\n"
    "          Right clic on a contact window to apply commands to only this contact.\r\n"
    "              Right clic on the tray icon to apply commands to all contacts.\r\n"
    "\r\n"
    "          Here are some of the functions that Skylet offers :\r\n"
    "\r\n"
    "      . You can have your contact's photos on the desktop.\r\n"
    "        Just drag and drop a jpeg, gif or bmp file on a contact window.\r\n"
    "      . You can choose the transparency Level of contact's windows.\r\n"
    "      . You can make contact's window \"clic-through\" which means that you can clic\r\n"
    "        on a window which is under the contact's window.\r\n"
    "      . You can hear speech synthesis alerts when the status of your contacts changes.\r\n"
    "        The speech synthesis voice says the name and the new status of your contact.\r\n"
    "      . You can choose sounds alerts when the status of your contacts changes.\r\n"
    "      . You can easly choose display rules for contacts, for instance you\r\n"
    "        can choose to display them only when they are online, or always, etc.\r\n"
    "      . You can position and resize your contact's window as you like.\r\n"
    "      . You can define custome names for your contacts.\r\n"
    "      . You can log your contact's status\r\n"
    "      . The border colors of your contact's windows changes depending on the contact's "
    "status.";

void CSkyletDlg::OnHelp()
{
    MessageBox(HELP_TEXT, "Help", MB_OK | MB_ICONINFORMATION);
}
