#pragma once

#include <wtypes.h>

#include <string>

// Conversions between the system's ANSI code page and UTF-16.
std::string WideToAnsi(const wchar_t* pszText, int nLength);
std::wstring AnsiToWide(const std::string& text);
// At most the first nMaxUnits UTF-16 units of the text, one fewer where the
// cut would leave the first half of a surrogate pair alone.
std::wstring CutWideText(const std::wstring& text, size_t nMaxUnits);
// A BSTR from outside the program in the ANSI code page, as plain text on
// one line: every control character (0x00 to 0x1F and 0x7F) becomes a
// blank, so that the text can neither break a line nor end early. A null
// BSTR is the empty string.
std::string BstrToPlainAnsi(BSTR bstrText);
// The text without its leading and trailing white space, walked character by
// character in the ANSI code page, so that no part of a double-byte
// character is taken for a blank.
std::string TrimWhiteSpace(const std::string& text);
