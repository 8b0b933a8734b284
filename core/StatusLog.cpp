#include "core/StatusLog.h"

#include "core/ContactRecord.h"

#include <climits>
#include <cstdio>

std::string FormatLogEntry(const std::string& strDisplayName, int nStatus, const SYSTEMTIME& time)
{
    char clock[8];
    std::snprintf(clock, sizeof(clock), "%02u:%02u", time.wHour % 100u, time.wMinute % 100u);
    std::string name = strDisplayName;
    if (name.size() < 25)
        name.resize(25, ' ');
    const char* pszStatus = nStatus >= 0 && nStatus < STATUS_COUNT ? StatusNames[nStatus] : "";
    return std::string("    \r\n\r") + clock + "   " + name + "   " + pszStatus;
}

namespace {

StatusLogSink g_sink = nullptr;

} // namespace

void SetStatusLogSink(StatusLogSink sink)
{
    g_sink = sink;
}

void AppendLogLine(const ContactRecord* pRecord)
{
    if (!g_sink)
        return;
    SYSTEMTIME now;
    GetLocalTime(&now);
    g_sink(FormatLogEntry(pRecord->GetDisplayName(), pRecord->m_nStatus, now));
}

void AppendToLog(HWND hLog, const std::string& strText)
{
    SendMessageA(hLog, WM_SETREDRAW, FALSE, 0);
    // Typed-in text is limited to 32,767 characters unless the box is told otherwise.
    SendMessageA(hLog, EM_SETLIMITTEXT, 0, 0);
    // A position past the end stands for the end: no need to measure the text.
    SendMessageA(hLog, EM_SETSEL, INT_MAX, INT_MAX);
    SendMessageA(hLog, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(strText.c_str()));
    SendMessageA(hLog, EM_SETSEL, 0, 0);
    SendMessageA(hLog, EM_SCROLLCARET, 0, 0);
    SendMessageA(hLog, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hLog, nullptr, TRUE);
}
