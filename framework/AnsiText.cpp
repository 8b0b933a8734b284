#include "framework/AnsiText.h"

#include <windows.h>
#include <oleauto.h>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

std::string WideToAnsi(const wchar_t* pszText, int nLength)
{
    if (!pszText || nLength <= 0)
        return std::string();
    int size = WideCharToMultiByte(CP_ACP, 0, pszText, nLength, nullptr, 0, nullptr, nullptr);
    std::string text(size > 0 ? size : 0, '\0');
    if (size > 0)
        WideCharToMultiByte(CP_ACP, 0, pszText, nLength, &text[0], size, nullptr, nullptr);
    return text;
}

std::wstring AnsiToWide(const std::string& text)
{
    if (text.empty())
        return std::wstring();
    int length = static_cast<int>(text.size());
    int size = MultiByteToWideChar(CP_ACP, 0, text.data(), length, nullptr, 0);
    std::wstring wide(size > 0 ? size : 0, L'\0');
    if (size > 0)
        MultiByteToWideChar(CP_ACP, 0, text.data(), length, &wide[0], size);
    return wide;
}

std::wstring CutWideText(const std::wstring& text, size_t nMaxUnits)
{
    if (text.size() <= nMaxUnits)
        return text;
    size_t length = nMaxUnits;
    if (length > 0 && IS_HIGH_SURROGATE(text[length - 1]))
        --length;
    return text.substr(0, length);
}

std::string BstrToPlainAnsi(BSTR bstrText)
{
    std::string text = WideToAnsi(bstrText, static_cast<int>(SysStringLen(bstrText)));
    // Done on the converted text, so that nothing the conversion makes of a
    // character slips through; no trail byte of a double-byte character is
    // below 0x40 or 0x7F in any ANSI code page.
    for (char& c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            c = ' ';
    }
    return text;
}

std::string TrimWhiteSpace(const std::string& text)
{
    const char* pszBegin = text.c_str();
    while (IsBlank(*pszBegin))
        ++pszBegin;
    const char* pszEnd = pszBegin; // just past the last character that is no blank
    for (const char* psz = pszBegin; *psz; psz = CharNextA(psz))
        if (!IsBlank(*psz))
            pszEnd = CharNextA(psz);
    return std::string(pszBegin, pszEnd);
}
