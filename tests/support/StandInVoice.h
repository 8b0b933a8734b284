#pragma once

#include <windows.h>

#include <string>
#include <vector>

// The stand-in voice that the test and benchmark prefixes register over the
// system's voice (StandInVoice.dll): every Skylet.exe run there speaks
// through it. Its settings, under HKCU\Software\SkyletStandInVoice:
//   "Record"  (REG_SZ): a file to which each Speak adds one record line;
//   "SpeakMs" (REG_DWORD): how long each Speak takes before it returns;
//   "HeldBy"  (REG_DWORD): a process id; each Speak returns only once that
//             process sets its event (StandInVoiceLetGoEvent) or ends.
// Without them a Speak returns at once and is not recorded.
inline constexpr char kStandInVoiceKey[] = "Software\\SkyletStandInVoice";
inline constexpr char kStandInVoiceRecord[] = "Record";
inline constexpr char kStandInVoiceSpeakMs[] = "SpeakMs";
inline constexpr char kStandInVoiceHeldBy[] = "HeldBy";

// The name of the event by which the process that holds the voice lets its
// Speaks end.
std::string StandInVoiceLetGoEvent(DWORD dwHolder);

// One Speak as the record line keeps it: "<flags>\t<text>\r\n", the flags
// in decimal, the text in printable ASCII with the escapes of the
// simulator's friendly names (EscapeName, tools/msgrsim/NameEscapes.h), so
// that a test expects what it gave the simulator.
struct SpokenText {
    DWORD dwFlags = 0;
    std::string strText; // escaped as in the record
};

std::string SpokenRecordLine(const wchar_t* pszText, DWORD dwFlags);
// The records of a file, oldest first; none when it cannot be read.
std::vector<SpokenText> ReadSpokenRecords(const std::string& strPath);
