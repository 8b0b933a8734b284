#pragma once

#include <windows.h>

#include <string>

class ContactRecord;

// The status log is the text of the main window's log box, and nothing else.
inline constexpr char STATUS_LOG_WELCOME[] = "Welcome to Skylet 1.0 !\r\n";

// One entry: the separator that ends the previous line, the time, the name
// padded to 25 characters (a longer one whole) and the status name.
std::string FormatLogEntry(const std::string& strDisplayName, int nStatus, const SYSTEMTIME& time);

// Where the entries go: the main window, which owns the log box, hands the
// log this sink; none drops them.
using StatusLogSink = void (*)(const std::string& strEntry);
void SetStatusLogSink(StatusLogSink sink);

// Adds the record's entry, stamped with the local time, to the log.
void AppendLogLine(const ContactRecord* pRecord);

// Adds text at the end of an edit box at a cost that does not grow with the
// text, leaving the caret and the view where setting the whole text would.
void AppendToLog(HWND hLog, const std::string& strText);
