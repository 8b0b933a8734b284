#pragma once

#include <windows.h>

// Every message box of the program goes through here, so that a test can
// answer it instead of blocking on it.
using MessageBoxHandler = int (*)(HWND hOwner, const char* pszText, const char* pszCaption,
                                  UINT nType);

// Shows a message box; a null caption means the application's display name.
int ShowMessageBox(HWND hOwner, const char* pszText, const char* pszCaption, UINT nType);

// Message box with the application's display name as caption.
int AfxMessageBox(const char* pszText, UINT nType = MB_OK);
// Same, with a text from the string table.
int AfxMessageBox(UINT nIDPrompt, UINT nType = MB_OK);

// Replaces how message boxes are shown; returns the previous handler.
// A null handler restores the system's message box.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);
