#include "tools/msgrsim/NameEscapes.h"

#include "framework/AnsiText.h"

#include <windows.h>

#include <cstdio>

namespace {

constexpr unsigned long kLastCharacter = 0x10FFFF;

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads the hex digits from pos on, at most nMax of them; pos moves past them.
int ReadHex(const std::string& strText, size_t& pos, int nMax, unsigned long& value)
{
    int nDigits = 0;
    value = 0;
    for (; nDigits < nMax && pos < strText.size(); ++nDigits, ++pos) {
        const int digit = HexDigit(strText[pos]);
        if (digit < 0)
            break;
        value = value * 16 + static_cast<unsigned long>(digit);
    }
    return nDigits;
}

void AppendCharacter(std::wstring& strName, unsigned long character)
{
    if (character <= 0xFFFF) {
        strName += static_cast<wchar_t>(character);
        return;
    }
    character -= 0x10000;
    strName += static_cast<wchar_t>(0xD800 + (character >> 10));
    strName += static_cast<wchar_t>(0xDC00 + (character & 0x3FF));
}

// Reads the escape whose backslash is at pos; pos moves past it. An empty
// result means it was read.
std::string ReadEscape(const std::string& strText, size_t& pos, std::wstring& strName)
{
    const size_t start = pos++;
    const char kind = pos < strText.size() ? strText[pos++] : '\0';
    unsigned long value = 0;
    switch (kind) {
    case '\\': strName += L'\\'; return std::string();
    case 'r': strName += L'\r'; return std::string();
    case 'n': strName += L'\n'; return std::string();
    case 't': strName += L'\t'; return std::string();
    case 'x':
        if (ReadHex(strText, pos, 2, value) != 2)
            return "'\\x' needs two hex digits";
        strName += static_cast<wchar_t>(value);
        return std::string();
    case 'u': {
        const bool bOpen = pos < strText.size() && strText[pos] == '{';
        if (bOpen)
            ++pos;
        const int nDigits = bOpen ? ReadHex(strText, pos, 6, value) : 0;
        if (nDigits == 0 || pos >= strText.size() || strText[pos] != '}' || value > kLastCharacter)
            return "'\\u' needs {1 to 6 hex digits} up to 10FFFF";
        ++pos;
        AppendCharacter(strName, value);
        return std::string();
    }
    case '\0':
        if (start + 1 == strText.size())
            return "a lone '\\' at the end of the name";
        [[fallthrough]];
    default: return "unknown escape '" + strText.substr(start, 2) + "'";
    }
}

} // namespace

bool UnescapeName(const std::string& strEscaped, std::wstring& strName, std::string& strError)
{
    strName.clear();
    std::string strPlain; // text waiting for its conversion
    size_t pos = 0;
    while (pos < strEscaped.size()) {
        const char c = strEscaped[pos];
        if (c != '\\') {
            // Whole characters: the trail byte of a double-byte character
            // may look like a backslash.
            const size_t length = IsDBCSLeadByte(static_cast<BYTE>(c)) ? 2 : 1;
            strPlain += strEscaped.substr(pos, length);
            pos += length;
            continue;
        }
        strName += AnsiToWide(strPlain);
        strPlain.clear();
        strError = ReadEscape(strEscaped, pos, strName);
        if (!strError.empty())
            return false;
    }
    strName += AnsiToWide(strPlain);
    return true;
}

std::string EscapeName(const std::wstring& strName)
{
    std::string strText;
    char escape[16];
    for (const wchar_t unit : strName) {
        const auto code = static_cast<unsigned>(unit);
        if (code == '\\')
            strText += "\\\\";
        else if (code == '\r')
            strText += "\\r";
        else if (code == '\n')
            strText += "\\n";
        else if (code == '\t')
            strText += "\\t";
        else if (code >= 0x20 && code < 0x7F)
            strText += static_cast<char>(code);
        else {
            std::snprintf(escape, sizeof(escape), code < 0x80 ? "\\x%02X" : "\\u{%04X}", code);
            strText += escape;
        }
    }
    return strText;
}
