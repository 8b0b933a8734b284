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

std::string BstrToAnsi(BSTR bstrText)
{
    return WideToAnsi(bstrText, static_cast<int>(SysStringLen(bstrText)));
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
