#include "tools/msgrsim/FrontEnd.h"

#include "tools/msgrsim/ContactEditor.h"
#include "tools/msgrsim/ContactFile.h"

#include <windows.h>

namespace {

bool FileExists(const std::string& strPath)
{
    return GetFileAttributesA(strPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string JoinArgs(const std::vector<std::string>& args, size_t first)
{
    std::string strText;
    for (size_t i = first; i < args.size(); ++i)
        strText += (i > first ? " " : "") + args[i];
    return strText;
}

int InvalidInput(std::ostream& err, const std::string& strReason)
{
    err << "msgrsim: " << strReason << "\n";
    return kExitInvalidInput;
}

int ListFile(const std::string& strPath, std::ostream& out, std::ostream& err)
{
    std::string strText;
    if (!ReadTextFile(strPath, strText)) {
        if (!FileExists(strPath)) {
            err << "msgrsim: no contact file yet at " << strPath << "\n";
            return kExitOk;
        }
        err << "msgrsim: cannot read " << strPath << "\n";
        return kExitFailed;
    }
    out << strText;
    if (!strText.empty() && strText.back() != '\n')
        out << "\n";
    std::string strErrors = FormatLineErrors(strPath, ParseContactText(strText).m_errors);
    if (!strErrors.empty()) {
        err << strErrors;
        return kExitFailed;
    }
    return kExitOk;
}

// Applies the edit command to the file's lines; false with the reason for
// invalid input.
bool EditLines(const std::vector<std::string>& args, ContactEditor& editor, std::string& strError)
{
    const std::string& strCommand = args[0];
    size_t nArgs = args.size() - 1;
    if (strCommand == "set") {
        if (nArgs < 2) {
            strError = "usage: msgrsim set <signin> <status> [friendly name...]";
            return false;
        }
        return editor.Set(args[1], args[2], JoinArgs(args, 3), strError);
    }
    if (strCommand == "remove") {
        if (nArgs != 1) {
            strError = "usage: msgrsim remove <signin>";
            return false;
        }
        return editor.Remove(args[1], strError);
    }
    if (strCommand == "clear" || strCommand == "heal") {
        if (nArgs != 0) {
            strError = "usage: msgrsim " + strCommand;
            return false;
        }
        if (strCommand == "clear")
            editor.Clear();
        else
            editor.Heal();
        return true;
    }
    if (strCommand == "fail")
        return editor.AddDirective(std::vector<std::string>(args.begin() + 1, args.end()),
                                   strError);
    strError = "unknown command '" + strCommand + "' (try 'msgrsim help')";
    return false;
}

int EditFile(const std::vector<std::string>& args, const std::string& strPath, std::ostream& err)
{
    std::string strText;
    if (!ReadTextFile(strPath, strText) && FileExists(strPath)) {
        err << "msgrsim: cannot read " << strPath << "\n";
        return kExitFailed;
    }
    ContactEditor editor(SplitLines(strText));
    std::string strError;
    if (!EditLines(args, editor, strError))
        return InvalidInput(err, strError);
    std::string strErrors = editor.Check(strPath);
    if (!strErrors.empty()) {
        err << strErrors;
        return InvalidInput(err, "not written: fix the lines above first");
    }
    if (!WriteTextFile(strPath, JoinLines(editor.Lines()))) {
        err << "msgrsim: cannot write " << strPath << " (error " << GetLastError() << ")\n";
        return kExitFailed;
    }
    return kExitOk;
}

} // namespace

void PrintUsage(std::ostream& out, const std::string& strPath)
{
    out << "msgrsim: a stand-in messenger that serves a contact list over COM.\n"
           "\n"
           "  msgrsim set <signin> <status> [friendly name...]  add a contact or update it\n"
           "  msgrsim remove <signin>                           remove a contact\n"
           "  msgrsim clear                                     remove every contact\n"
           "  msgrsim fail <directive...>                       make a step fail\n"
           "  msgrsim heal                                      remove every directive\n"
           "  msgrsim list                                      print the contact file\n"
           "  msgrsim help                                      print this text\n"
           "  msgrsim /regserver | /unregserver                 (un)register the server\n"
           "  msgrsim /serve [ready file]                       run the server until 'stop'\n"
           "  msgrsim stop                                      end the server of /serve\n"
           "\n"
           "Statuses: online offline busy brb idle away phone lunch, or a code (12, 0x22).\n"
           "Without a friendly name, set keeps the contact's name (new contacts use the\n"
           "sign-in name). A friendly name in the file may hold escapes: \\\\ \\r \\n \\t,\n"
           "\\xNN for U+00NN and \\u{N} for U+N (1 to 6 hex digits); set takes the name\n"
           "as literal text and writes it escaped, so that it reads back as given.\n"
           "Directives: create, contacts, count, im, item N, signin N (all after 'fail'),\n"
           "null contacts, null im, null item N, nocollection, nocontact item N, exit item N.\n"
           "Item indexes count from 0.\n"
           "\n"
           "Contact file: "
        << strPath << "\n";
}

int RunFrontEnd(const std::vector<std::string>& args, const std::string& strPath, std::ostream& out,
                std::ostream& err)
{
    if (args.empty()) {
        PrintUsage(err, strPath);
        return kExitInvalidInput;
    }
    const std::string& strCommand = args[0];
    if (strCommand == "help" || strCommand == "/?" || strCommand == "-h"
        || strCommand == "--help") {
        PrintUsage(out, strPath);
        return kExitOk;
    }
    if (strCommand == "list") {
        if (args.size() != 1)
            return InvalidInput(err, "usage: msgrsim list");
        return ListFile(strPath, out, err);
    }
    if (strCommand == "set" || strCommand == "remove" || strCommand == "clear"
        || strCommand == "fail" || strCommand == "heal")
        return EditFile(args, strPath, err);
    return InvalidInput(err, "unknown command '" + strCommand + "' (try 'msgrsim help')");
}
