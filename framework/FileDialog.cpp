#include "framework/FileDialog.h"

#include "framework/Seam.h"
#include "framework/Wnd.h"

#include <algorithm>

namespace {

// Room for paths longer than MAX_PATH, which the system's dialog can return.
constexpr size_t kFileBufferSize = 4096;

CSeam<OpenFileHandler> g_handler([](OPENFILENAMEA* pofn) { return GetOpenFileNameA(pofn); });

} // namespace

CFileOpenDialog::CFileOpenDialog(const char* pszFilter, DWORD dwFlags, CWnd* pParentWnd)
    : m_strFilter(pszFilter), m_file(kFileBufferSize, '\0')
{
    std::replace(m_strFilter.begin(), m_strFilter.end(), '|', '\0');
    m_ofn.lStructSize = sizeof(m_ofn);
    m_ofn.hwndOwner = pParentWnd ? pParentWnd->m_hWnd : nullptr;
    m_ofn.lpstrFilter = m_strFilter.c_str();
    m_ofn.lpstrFile = m_file.data();
    m_ofn.nMaxFile = static_cast<DWORD>(m_file.size());
    m_ofn.Flags = dwFlags | OFN_EXPLORER;
}

INT_PTR CFileOpenDialog::DoModal()
{
    return g_handler(&m_ofn) ? IDOK : IDCANCEL;
}

OpenFileHandler SetOpenFileHandler(OpenFileHandler handler)
{
    return g_handler.Set(handler);
}
