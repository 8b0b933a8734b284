#pragma once

#include <string>

// The escapes of a friendly name in the contact file, with which a name can
// hold any UTF-16 text although the file is ANSI text, one contact a line:
//   \\         a backslash
//   \r \n \t   a carriage return, a line feed, a tab
//   \xNN       the character U+00NN (two hex digits)
//   \u{N}      the character U+N (1 to 6 hex digits, at most 10FFFF); one
//              above FFFF becomes its two surrogates, and a surrogate
//              written alone stays alone
// Everything else is text in the ANSI code page. The stand-in voice's record
// writes what it is asked to say with the same escapes.

// Reads an escaped name; false, with the reason, for an unknown or
// malformed escape.
bool UnescapeName(const std::string& strEscaped, std::wstring& strName, std::string& strError);

// The name in printable ASCII, read back by UnescapeName as it was in any
// code page: backslashes, control characters and every unit from 0x80 on
// are escaped.
std::string EscapeName(const std::wstring& strName);
