#pragma once

#include <windows.h>

#include <string>

class ContactRecord;

// The poll timer's period.
inline constexpr UINT POLL_INTERVAL_MS = 5000;

// Reads the messenger's contact list, creates a record for every sign-in
// name not seen before and alerts and logs every known contact whose status
// changed. A timer procedure; it ignores its arguments.
void CALLBACK PollCycle(HWND hWnd, UINT nMessage, UINT_PTR nIdEvent, DWORD dwTime);

// The record with exactly this sign-in name (case-sensitive), or null. Leaves
// the list's cursor on it, or off the list when there is none.
ContactRecord* FindContact(const std::string& strSigninName);
