#pragma once

#include <windows.h>

#include <string>

class ContactRecord;

// The poll timer's period.
inline constexpr UINT POLL_INTERVAL_MS = 5000;

// Reads the messenger's contact list, creates a record for every sign-in
// name not seen before and alerts and logs every known contact whose status
// changed. The reading is an exchange with the messenger (core/MessengerExchange.h)
// and the rest its taking, with the list's cursor kept. A timer procedure; it
// ignores its arguments, and does nothing while another poll is out.
void CALLBACK PollCycle(HWND hWnd, UINT nMessage, UINT_PTR nIdEvent, DWORD dwTime);

// Start-up's poll, before the main window exists: waits for it, dispatching
// messages, at most that long. A result that comes later still counts as
// this poll's: once the main window has filled its log, its contacts get
// the lines that the fill would have given them.
void FirstPoll(DWORD dwLimitMs);

// The record with exactly this sign-in name (case-sensitive), or null. Leaves
// the list's cursor on it, or off the list when there is none.
ContactRecord* FindContact(const std::string& strSigninName);
