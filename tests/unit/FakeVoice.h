#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

// A voice in the test process. While one exists it is registered as the
// voice's class object on this thread, so that creating a voice gives a fake
// one, which keeps the texts it is asked to speak.
class FakeVoice {
public:
    FakeVoice();
    ~FakeVoice();

    FakeVoice(const FakeVoice&) = delete;
    FakeVoice& operator=(const FakeVoice&) = delete;

    std::vector<std::wstring> spoken;
    DWORD dwLastFlags = ~0u;
    int nLiveVoices = 0;           // created and not yet released
    std::function<void()> onSpeak; // runs as each text is spoken

private:
    class Factory;
    Factory* m_pFactory;
    DWORD m_dwRegister = 0;
};
