#pragma once

#include <wtypes.h>

#include <string>

// Conversions between the system's ANSI code page and UTF-16.
std::string WideToAnsi(const wchar_t* pszText, int nLength);
std::wstring AnsiToWide(const std::string& text);
// A BSTR in the ANSI code page; a null BSTR is the empty string.
std::string BstrToAnsi(BSTR bstrText);
// The text without its leading and trailing white space, walked character by
// character in the ANSI code page, so that no part of a double-byte
// character is taken for a blank.
std::string TrimWhiteSpace(const std::string& text);
