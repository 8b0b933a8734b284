#include "tools/msgrsim/ContactFile.h"

#include "framework/AnsiText.h"
#include "framework/RegKey.h"
#include "tools/msgrsim/NameEscapes.h"

#include <windows.h>

#include <cstdint>

const StatusWord kStatusWords[8] = {
    {"online", 2}, {"offline", 1}, {"busy", 10},  {"brb", 14},
    {"idle", 18},  {"away", 34},   {"phone", 50}, {"lunch", 66},
};

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string ToLower(std::string strText)
{
    for (char& c : strText) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return strText;
}

// The next blank-separated word from position pos on; pos moves past it.
std::string NextWord(const std::string& strLine, size_t& pos)
{
    while (pos < strLine.size() && IsBlank(strLine[pos]))
        ++pos;
    size_t start = pos;
    while (pos < strLine.size() && !IsBlank(strLine[pos]))
        ++pos;
    return strLine.substr(start, pos - start);
}

// What is left from position pos on, without the blanks around it.
std::string Rest(const std::string& strLine, size_t pos)
{
    while (pos < strLine.size() && IsBlank(strLine[pos]))
        ++pos;
    size_t end = strLine.size();
    while (end > pos && IsBlank(strLine[end - 1]))
        --end;
    return strLine.substr(pos, end - pos);
}

bool ParseStatus(const std::string& strWord, long& nCode)
{
    std::string strLower = ToLower(strWord);
    for (const StatusWord& status : kStatusWords) {
        if (strLower == status.pszWord) {
            nCode = status.nCode;
            return true;
        }
    }
    return ParseNumber(strWord, nCode);
}

// The forms a directive takes: "!<verb> [<target> [<index>]]". A form sets
// a flag of the plan or adds its index to one of the plan's sets.
struct DirectiveForm {
    const char* pszVerb;
    const char* pszTarget; // nullptr: the verb stands alone
    bool FailurePlan::*pFlag;
    std::set<long> FailurePlan::*pIndexes;
};

const DirectiveForm kDirectiveForms[] = {
    {"fail", "create", &FailurePlan::m_bFailCreate, nullptr},
    {"fail", "contacts", &FailurePlan::m_bFailContacts, nullptr},
    {"fail", "count", &FailurePlan::m_bFailCount, nullptr},
    {"fail", "im", &FailurePlan::m_bFailIm, nullptr},
    {"fail", "item", nullptr, &FailurePlan::m_failItem},
    {"fail", "signin", nullptr, &FailurePlan::m_failSignin},
    {"null", "contacts", &FailurePlan::m_bNullContacts, nullptr},
    {"null", "im", &FailurePlan::m_bNullIm, nullptr},
    {"null", "item", nullptr, &FailurePlan::m_nullItem},
    {"nocollection", nullptr, &FailurePlan::m_bNoCollection, nullptr},
    {"nocontact", "item", nullptr, &FailurePlan::m_noContactItem},
    {"exit", "item", nullptr, &FailurePlan::m_exitItem},
    {"hang", "create", &FailurePlan::m_bHangCreate, nullptr},
    {"hang", "im", &FailurePlan::m_bHangIm, nullptr},
    {"hang", "item", nullptr, &FailurePlan::m_hangItem},
};

// Reads the directive after its "!"; an empty result means it was applied.
std::string ApplyDirective(const std::string& strLine, size_t pos, FailurePlan& plan)
{
    std::string strVerb = ToLower(NextWord(strLine, pos));
    const DirectiveForm* pVerbForm = nullptr;
    for (const DirectiveForm& form : kDirectiveForms) {
        if (strVerb == form.pszVerb) {
            pVerbForm = &form;
            break;
        }
    }
    if (!pVerbForm)
        return "unknown directive '!" + strVerb + "'";

    const DirectiveForm* pForm = pVerbForm;
    if (pVerbForm->pszTarget) {
        std::string strTarget = ToLower(NextWord(strLine, pos));
        if (strTarget.empty())
            return "directive '!" + strVerb + "' needs what to act on";
        pForm = nullptr;
        for (const DirectiveForm& form : kDirectiveForms) {
            if (strVerb == form.pszVerb && form.pszTarget && strTarget == form.pszTarget) {
                pForm = &form;
                break;
            }
        }
        if (!pForm)
            return "unknown directive '!" + strVerb + " " + strTarget + "'";
    }

    long nIndex = 0;
    if (pForm->pIndexes) {
        std::string strIndex = NextWord(strLine, pos);
        if (strIndex.empty())
            return "directive '!" + strVerb + " " + pForm->pszTarget + "' needs an index";
        if (!ParseNumber(strIndex, nIndex) || nIndex < 0 || strIndex[0] == '-')
            return "bad index '" + strIndex + "'";
    }
    std::string strExtra = Rest(strLine, pos);
    if (!strExtra.empty())
        return "unexpected '" + strExtra + "' after the directive";

    if (pForm->pFlag)
        plan.*(pForm->pFlag) = true;
    else
        (plan.*(pForm->pIndexes)).insert(nIndex);
    return std::string();
}

// Owns a file handle.
class CFileHandle {
public:
    explicit CFileHandle(HANDLE hFile) : m_hFile(hFile) {}
    ~CFileHandle()
    {
        if (m_hFile != INVALID_HANDLE_VALUE)
            CloseHandle(m_hFile);
    }
    CFileHandle(const CFileHandle&) = delete;
    CFileHandle& operator=(const CFileHandle&) = delete;

    HANDLE Get() const { return m_hFile; }
    bool IsValid() const { return m_hFile != INVALID_HANDLE_VALUE; }
    // Closes now, for a caller that needs the file closed before it goes on.
    bool Close()
    {
        HANDLE hFile = m_hFile;
        m_hFile = INVALID_HANDLE_VALUE;
        return CloseHandle(hFile) != FALSE;
    }

private:
    HANDLE m_hFile;
};

} // namespace

bool IsDirectiveVerb(const std::string& strWord)
{
    std::string strLower = ToLower(strWord);
    for (const DirectiveForm& form : kDirectiveForms) {
        if (strLower == form.pszVerb)
            return true;
    }
    return false;
}

bool ParseNumber(const std::string& strText, long& nValue)
{
    if (strText.size() > 2 && strText[0] == '0' && (strText[1] == 'x' || strText[1] == 'X')) {
        if (strText.size() > 10)
            return false;
        uint32_t bits = 0;
        for (size_t i = 2; i < strText.size(); ++i) {
            char c = strText[i];
            int digit;
            if (c >= '0' && c <= '9')
                digit = c - '0';
            else if (c >= 'a' && c <= 'f')
                digit = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                digit = c - 'A' + 10;
            else
                return false;
            bits = bits * 16 + static_cast<uint32_t>(digit);
        }
        nValue = static_cast<long>(static_cast<int32_t>(bits));
        return true;
    }

    size_t pos = (!strText.empty() && strText[0] == '-') ? 1 : 0;
    if (pos == strText.size())
        return false;
    int64_t magnitude = 0;
    for (; pos < strText.size(); ++pos) {
        char c = strText[pos];
        if (c < '0' || c > '9')
            return false;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > int64_t(INT32_MAX) + 1)
            return false;
    }
    int64_t value = strText[0] == '-' ? -magnitude : magnitude;
    if (value > INT32_MAX)
        return false;
    nValue = static_cast<long>(value);
    return true;
}

ContactLine ParseContactLine(const std::string& strLine, FailurePlan& plan)
{
    ContactLine line;
    size_t pos = 0;
    std::string strFirst = NextWord(strLine, pos);
    if (strFirst.empty())
        return line;
    if (strFirst[0] == '#') {
        line.m_kind = ContactLine::Comment;
        return line;
    }
    if (strFirst[0] == '!') {
        line.m_strError = ApplyDirective(strLine, strLine.find('!') + 1, plan);
        line.m_kind = line.m_strError.empty() ? ContactLine::Directive : ContactLine::Invalid;
        return line;
    }

    std::string strStatus = NextWord(strLine, pos);
    if (strStatus.empty()) {
        line.m_kind = ContactLine::Invalid;
        line.m_strError = "missing status after '" + strFirst + "'";
        return line;
    }
    long nCode = 0;
    if (!ParseStatus(strStatus, nCode)) {
        line.m_kind = ContactLine::Invalid;
        line.m_strError = "unknown status '" + strStatus + "'";
        return line;
    }
    line.m_strNameText = Rest(strLine, pos);
    std::wstring strName;
    std::string strError;
    if (!UnescapeName(line.m_strNameText, strName, strError)) {
        line.m_kind = ContactLine::Invalid;
        line.m_strError = strError + " in the friendly name";
        return line;
    }
    line.m_kind = ContactLine::Contact;
    line.m_contact.m_strSigninName = strFirst;
    line.m_contact.m_nStatus = nCode;
    line.m_contact.m_strFriendlyName = strName.empty() ? AnsiToWide(strFirst) : strName;
    return line;
}

std::vector<std::string> SplitLines(const std::string& strText)
{
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < strText.size()) {
        size_t end = strText.find('\n', start);
        if (end == std::string::npos)
            end = strText.size();
        size_t length = end - start;
        if (length > 0 && strText[end - 1] == '\r')
            --length;
        lines.push_back(strText.substr(start, length));
        start = end + 1;
    }
    return lines;
}

std::string JoinLines(const std::vector<std::string>& lines)
{
    std::string strText;
    for (const std::string& strLine : lines)
        strText += strLine + "\r\n";
    return strText;
}

ParsedContactFile ParseContactText(const std::string& strText)
{
    ParsedContactFile parsed;
    int nLine = 0;
    for (const std::string& strLine : SplitLines(strText)) {
        ++nLine;
        if (nLine == 1 && !strLine.empty() && strLine[0] == '#')
            parsed.m_list.m_strMark = strLine;
        ContactLine line = ParseContactLine(strLine, parsed.m_list.m_failures);
        if (line.m_kind == ContactLine::Contact)
            parsed.m_list.m_contacts.push_back(line.m_contact);
        else if (line.m_kind == ContactLine::Invalid)
            parsed.m_errors.push_back({nLine, line.m_strError});
    }
    return parsed;
}

std::string FormatLineErrors(const std::string& strPath, const std::vector<LineError>& errors)
{
    std::string strMessage;
    for (const LineError& error : errors)
        strMessage +=
            strPath + "(" + std::to_string(error.m_nLine) + "): " + error.m_strReason + "\n";
    return strMessage;
}

std::string ContactFilePath()
{
    CRegKey key;
    std::string strPath;
    if (key.Open(HKEY_CURRENT_USER, kSettingsKey) == ERROR_SUCCESS
        && key.QueryString(kContactFileValue, strPath) && !strPath.empty())
        return strPath;

    std::string strFolder = ThisProgramPath();
    size_t slash = strFolder.find_last_of("\\/");
    strFolder.erase(slash == std::string::npos ? 0 : slash + 1);
    return strFolder + "contacts.txt";
}

std::string ThisProgramPath()
{
    char szModule[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, szModule, MAX_PATH);
    return std::string(szModule, length < MAX_PATH ? length : 0);
}

bool ReadTextFile(const std::string& strPath, std::string& strText)
{
    // Shared for writing and deleting too: the front end may replace the
    // file while a server reads it.
    CFileHandle file(CreateFileA(strPath.c_str(), GENERIC_READ,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid())
        return false;
    strText.clear();
    for (;;) {
        char buffer[4096];
        DWORD read = 0;
        if (!ReadFile(file.Get(), buffer, sizeof(buffer), &read, nullptr))
            return false;
        if (read == 0)
            return true;
        strText.append(buffer, read);
    }
}

bool WriteTextFile(const std::string& strPath, const std::string& strText)
{
    std::string strTemporary = strPath + ".tmp";
    CFileHandle file(CreateFileA(strTemporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid())
        return false;
    DWORD written = 0;
    bool bWritten =
        WriteFile(file.Get(), strText.data(), static_cast<DWORD>(strText.size()), &written, nullptr)
        && written == strText.size();
    if (!file.Close() || !bWritten
        || !MoveFileExA(strTemporary.c_str(), strPath.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        DeleteFileA(strTemporary.c_str());
        return false;
    }
    return true;
}

bool AppendLineToFile(const std::string& strPath, const std::string& strLine)
{
    CFileHandle file(CreateFileA(strPath.c_str(), FILE_APPEND_DATA,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.IsValid())
        return false;
    std::string strText = strLine + "\r\n";
    DWORD written = 0;
    return WriteFile(file.Get(), strText.data(), static_cast<DWORD>(strText.size()), &written,
                     nullptr)
           && written == strText.size();
}

std::shared_ptr<const ContactList> ContactSource::Load(const std::string& strPath,
                                                       std::string& strErrors)
{
    strErrors.clear();
    std::string strText;
    if (!ReadTextFile(strPath, strText)) {
        strErrors = strPath + ": cannot read the file (error " + std::to_string(GetLastError())
                    + "); serving the last good list\n";
        return m_pLastGood;
    }
    ParsedContactFile parsed = ParseContactText(strText);
    if (!parsed.m_errors.empty()) {
        strErrors =
            FormatLineErrors(strPath, parsed.m_errors) + strPath + ": serving the last good list\n";
        return m_pLastGood;
    }
    m_pLastGood = std::make_shared<const ContactList>(std::move(parsed.m_list));
    return m_pLastGood;
}
