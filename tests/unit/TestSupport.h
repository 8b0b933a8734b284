#pragma once

#include "tests/support/ProcessCounts.h"
#include "tests/unit/TestApp.h"

#include <windows.h>

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
};

// Dispatches the messages waiting for this thread.
void PumpMessages();

// Windows of this thread, top-level and child, of a class or of any.
int ThreadWindowCount(const char* pszClassName = nullptr);

// A test of records and contact windows: a registry profile of its own, the
// defaults of a fresh installation, a fresh placement, COM for the thread,
// an empty contact list at the end.
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
};
