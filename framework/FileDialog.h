#pragma once

#include <windows.h>
#include <commdlg.h>

#include <string>
#include <vector>

class CWnd;

// The system's dialog that asks for an existing file to open, run modally.
// The filter is a list of "description|pattern|" pairs.
class CFileOpenDialog {
public:
    CFileOpenDialog(const char* pszFilter, DWORD dwFlags, CWnd* pParentWnd = nullptr);

    CFileOpenDialog(const CFileOpenDialog&) = delete;
    CFileOpenDialog& operator=(const CFileOpenDialog&) = delete;

    // IDOK when a file was chosen, else IDCANCEL.
    INT_PTR DoModal();
    // The full path of the chosen file.
    std::string GetPathName() const { return m_file.data(); }

    OPENFILENAMEA m_ofn = {};

private:
    std::string m_strFilter; // the pairs, '\0'-separated as the system takes them
    std::vector<char> m_file;
};

// Every open-file dialog of the program runs through here, so that a test
// can answer it instead of blocking on it. Same argument and result as the
// system's GetOpenFileNameA.
using OpenFileHandler = BOOL (*)(OPENFILENAMEA* pofn);

// Replaces how open-file dialogs are run; returns the previous handler. A
// null handler restores the system's dialog.
OpenFileHandler SetOpenFileHandler(OpenFileHandler handler);
