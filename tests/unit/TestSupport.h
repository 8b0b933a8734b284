#pragma once

#include "tests/support/ProcessCounts.h"
#include "tests/unit/TestApp.h"

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class ContactRecord;

// Answers every message box with IDOK instead of showing it, and keeps what
// it would have shown.
class MessageBoxRecorder {
public:
    struct Box {
        HWND hOwner;
        std::string strText;
        std::string strCaption;
        UINT nType;
    };

    MessageBoxRecorder();
    ~MessageBoxRecorder();

    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    std::vector<Box> boxes;
    std::function<void()> onShow; // runs as each box would be shown
};

// Keeps the sounds the program plays instead of playing them.
class SoundRecorder {
public:
    struct Sound {
        std::string strName; // a file's name, or "#<number>" for a resource
        HMODULE hModule;
        DWORD dwFlags;
    };

    SoundRecorder();
    ~SoundRecorder();

    SoundRecorder(const SoundRecorder&) = delete;
    SoundRecorder& operator=(const SoundRecorder&) = delete;

    std::vector<Sound> sounds;
    std::function<void()> onPlay; // runs as each sound would play
};

// Dispatches the messages waiting for this thread.
void PumpMessages();

// Windows of this thread, top-level and child, of a class or of any.
int ThreadWindowCount(const char* pszClassName = nullptr);

// A test of records and contact windows: a registry profile of its own, the
// defaults of a fresh installation, a fresh placement, COM for the thread,
// sounds recorded rather than played, an empty contact list at the end.
class ContactTest : public RegistryTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // A record with its window, outside the contact list.
    std::unique_ptr<ContactRecord> MakeRecord(const std::string& strSigninName, int nStatus,
                                              const std::string& strFriendlyName = "Friend");
    void WriteContactInt(const std::string& strSigninName, const char* pszName, int nValue);
    int ReadContactInt(const std::string& strSigninName, const char* pszName, int nDefault = -999);

    RECT WorkArea() const;

    SoundRecorder m_sounds;
};
