#pragma once

#include <string>

// Conversions between the system's ANSI code page and UTF-16.
std::string WideToAnsi(const wchar_t* pszText, int nLength);
std::wstring AnsiToWide(const std::string& text);
