#pragma once

#include <memory>
#include <set>
#include <string>
#include <vector>

// The contact file: one line per contact, "<signin> <status> [friendly name]",
// plus "!" directives that make steps of the exchange fail, "#" comments and
// blank lines. Its text is in the ANSI code page; the friendly name may hold
// escapes (tools/msgrsim/NameEscapes.h) for any other character.

// A status word of the file and the messenger code it stands for.
struct StatusWord {
    const char* pszWord;
    long nCode;
};
extern const StatusWord kStatusWords[8];

struct SimContact {
    std::string m_strSigninName;
    long m_nStatus = 0;
    std::wstring m_strFriendlyName; // served as it is, whatever the code page
};

// Which steps of the exchange the server makes fail. Indexes count from 0,
// as the collection's Item does.
struct FailurePlan {
    bool m_bFailCreate = false;     // !fail create
    bool m_bFailContacts = false;   // !fail contacts
    bool m_bNullContacts = false;   // !null contacts
    bool m_bNoCollection = false;   // !nocollection
    bool m_bFailCount = false;      // !fail count
    bool m_bFailIm = false;         // !fail im
    bool m_bNullIm = false;         // !null im
    bool m_bHangCreate = false;     // !hang create
    bool m_bHangIm = false;         // !hang im
    std::set<long> m_failItem;      // !fail item N
    std::set<long> m_nullItem;      // !null item N
    std::set<long> m_noContactItem; // !nocontact item N
    std::set<long> m_failSignin;    // !fail signin N
    std::set<long> m_exitItem;      // !exit item N
    std::set<long> m_hangItem;      // !hang item N
};

// What one messenger object serves: a snapshot of the file.
struct ContactList {
    std::vector<SimContact> m_contacts;
    FailurePlan m_failures;
    std::string m_strMark; // the file's first line when it is a comment
};

// How one line of the file reads.
struct ContactLine {
    enum Kind { Blank, Comment, Contact, Directive, Invalid };
    Kind m_kind = Blank;
    SimContact m_contact;      // for Contact
    std::string m_strNameText; // for Contact: the friendly name as written, "" for none
    std::string m_strError;    // for Invalid: why the line is wrong
};

// Reads one line (without its line end); a valid directive is applied to
// the plan.
ContactLine ParseContactLine(const std::string& strLine, FailurePlan& plan);

// Whether the word (in any case) is the first word of some directive, as
// "fail" or "exit" is.
bool IsDirectiveVerb(const std::string& strWord);

struct LineError {
    int m_nLine; // from 1
    std::string m_strReason;
};

struct ParsedContactFile {
    ContactList m_list;
    std::vector<LineError> m_errors; // the list is not to be served unless empty
};

ParsedContactFile ParseContactText(const std::string& strText);

// The text's lines without their line ends ("\n" or "\r\n").
std::vector<std::string> SplitLines(const std::string& strText);
// The lines, each ended by "\r\n".
std::string JoinLines(const std::vector<std::string>& lines);

// "<path>(<line>): <reason>", one line each.
std::string FormatLineErrors(const std::string& strPath, const std::vector<LineError>& errors);

// A decimal number, or hex after "0x" (taken as the 32 bits of a long).
bool ParseNumber(const std::string& strText, long& nValue);

// The REG_SZ "ContactFile" under HKCU\Software\msgrsim when set, else
// contacts.txt beside msgrsim.exe.
std::string ContactFilePath();
inline constexpr char kSettingsKey[] = "Software\\msgrsim";
inline constexpr char kContactFileValue[] = "ContactFile";

// The full path of the running program.
std::string ThisProgramPath();

// Where the server notes every conversation asked for, one sign-in name a
// line: beside the contact file, so that a test finds it with the file.
inline std::string ConversationLogPath(const std::string& strContactFile)
{
    return strContactFile + ".im.log";
}

// Where the server notes every exchange of a client, from the messenger
// object asked for (made or refused) to its last object's release: a line
// "read <mark>" once it has read the contact file, and "done <mark>" at its
// end, the mark being the file's first line when that is a comment. A test
// that marks what it writes knows when a whole exchange has seen it.
inline std::string ExchangeLogPath(const std::string& strContactFile)
{
    return strContactFile + ".exchanges.log";
}

// Whole-file reads and writes. The write goes through a temporary file and a
// rename so that a server reading at the same moment sees the old text or
// the new one, never half of it.
bool ReadTextFile(const std::string& strPath, std::string& strText);
bool WriteTextFile(const std::string& strPath, const std::string& strText);
// Adds the line and "\r\n" at the end of the file, making the file if needed.
bool AppendLineToFile(const std::string& strPath, const std::string& strLine);

// The lists a server hands out. Every new messenger object asks for the
// file's current list; a file that cannot be read or has errors leaves the
// last good list in place (an empty one at first), and the reasons go to
// strErrors.
class ContactSource {
public:
    std::shared_ptr<const ContactList> Load(const std::string& strPath, std::string& strErrors);

private:
    std::shared_ptr<const ContactList> m_pLastGood = std::make_shared<const ContactList>();
};
