#include "tools/msgrsim/ContactEditor.h"

#include "framework/AnsiText.h"
#include "tools/msgrsim/ContactFile.h"
#include "tools/msgrsim/NameEscapes.h"

#include <algorithm>

namespace {

bool IsDirectiveLine(const std::string& strLine)
{
    size_t first = strLine.find_first_not_of(" \t");
    return first != std::string::npos && strLine[first] == '!';
}

ContactLine ReadLine(const std::string& strLine)
{
    FailurePlan ignored;
    return ParseContactLine(strLine, ignored);
}

bool IsContactOf(const std::string& strLine, const std::string& strSigninName)
{
    ContactLine line = ReadLine(strLine);
    return line.m_kind == ContactLine::Contact && line.m_contact.m_strSigninName == strSigninName;
}

std::string JoinWords(const std::vector<std::string>& words)
{
    std::string strText;
    for (const std::string& strWord : words)
        strText += (strText.empty() ? "" : " ") + strWord;
    return strText;
}

// A directive's words in lower case, one space apart: two lines that say
// the same thing compare equal.
std::string NormalDirective(const std::string& strLine)
{
    std::string strNormal;
    bool bInWord = false;
    for (char c : strLine) {
        if (c == ' ' || c == '\t') {
            bInWord = false;
            continue;
        }
        if (!bInWord && !strNormal.empty() && strNormal.back() != '!')
            strNormal += ' ';
        bInWord = true;
        strNormal += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return strNormal;
}

bool IsOneWord(const std::string& strText)
{
    return !strText.empty() && strText.find_first_of(" \t") == std::string::npos;
}

bool HasLineBreak(const std::string& strText)
{
    return strText.find_first_of("\r\n") != std::string::npos;
}

} // namespace

bool ContactEditor::Set(const std::string& strSigninName, const std::string& strStatus,
                        const std::string& strFriendlyName, std::string& strError)
{
    if (HasLineBreak(strSigninName + strStatus)) {
        strError = "a contact must fit on one line";
        return false;
    }
    if (!IsOneWord(strSigninName) || strSigninName[0] == '#' || strSigninName[0] == '!') {
        strError = "the sign-in name '" + strSigninName
                   + "' must be one word that does not start with # or !";
        return false;
    }
    if (!IsOneWord(strStatus)) {
        strError = "the status '" + strStatus + "' must be one word or number";
        return false;
    }
    ContactLine probe = ReadLine(strSigninName + " " + strStatus);
    if (probe.m_kind != ContactLine::Contact) {
        strError = probe.m_strError;
        return false;
    }

    auto existing = std::find_if(m_lines.begin(), m_lines.end(), [&](const std::string& strLine) {
        return IsContactOf(strLine, strSigninName);
    });
    // The name given is literal text, written so that it reads back as given.
    std::string strName = EscapeName(AnsiToWide(strFriendlyName));
    // Blanks around it would be taken for the line's own.
    if (!strName.empty() && strName.front() == ' ')
        strName.replace(0, 1, "\\x20");
    if (!strName.empty() && strName.back() == ' ')
        strName.replace(strName.size() - 1, 1, "\\x20");
    if (strName.empty() && existing != m_lines.end())
        strName = ReadLine(*existing).m_strNameText;
    std::string strLine = strSigninName + " " + strStatus;
    if (!strName.empty())
        strLine += " " + strName;

    if (existing != m_lines.end())
        *existing = strLine;
    else
        m_lines.push_back(strLine);
    return true;
}

bool ContactEditor::Remove(const std::string& strSigninName, std::string& strError)
{
    auto removed = std::remove_if(m_lines.begin(), m_lines.end(), [&](const std::string& strLine) {
        return IsContactOf(strLine, strSigninName);
    });
    if (removed == m_lines.end()) {
        strError = "no contact '" + strSigninName + "' in the file";
        return false;
    }
    m_lines.erase(removed, m_lines.end());
    return true;
}

void ContactEditor::Clear()
{
    // Malformed contact lines go too: they are contacts, just wrong ones.
    m_lines.erase(std::remove_if(m_lines.begin(), m_lines.end(),
                                 [](const std::string& strLine) {
                                     ContactLine::Kind kind = ReadLine(strLine).m_kind;
                                     return kind == ContactLine::Contact
                                            || (kind == ContactLine::Invalid
                                                && !IsDirectiveLine(strLine));
                                 }),
                  m_lines.end());
}

bool ContactEditor::AddDirective(const std::vector<std::string>& words, std::string& strError)
{
    if (words.empty()) {
        strError = "which step should fail? e.g. 'msgrsim fail item 2'";
        return false;
    }
    std::string strWords = JoinWords(words);
    if (HasLineBreak(strWords)) {
        strError = "a directive must fit on one line";
        return false;
    }
    std::string strLine;
    if (words[0][0] == '!')
        strLine = strWords;
    else if (IsDirectiveVerb(words[0]))
        strLine = "!" + strWords;
    else
        strLine = "!fail " + strWords;
    ContactLine directive = ReadLine(strLine);
    if (directive.m_kind != ContactLine::Directive) {
        strError = directive.m_strError;
        return false;
    }

    std::string strNormal = NormalDirective(strLine);
    bool bPresent = std::any_of(m_lines.begin(), m_lines.end(), [&](const std::string& strOld) {
        return IsDirectiveLine(strOld) && NormalDirective(strOld) == strNormal;
    });
    if (!bPresent)
        m_lines.push_back(strLine);
    return true;
}

void ContactEditor::Heal()
{
    m_lines.erase(std::remove_if(m_lines.begin(), m_lines.end(), IsDirectiveLine), m_lines.end());
}

std::string ContactEditor::Check(const std::string& strPath) const
{
    return FormatLineErrors(strPath, ParseContactText(JoinLines(m_lines)).m_errors);
}
