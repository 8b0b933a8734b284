#pragma once

#include "core/Messenger.h"

#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// The exchanges with the messenger as plain functions: strings and codes in,
// strings and codes out, every interface made and released inside.

// What one reading of the contact list brought, in the messenger's order.
struct MessengerContactList {
    bool bRead = false; // false: no object, no collection or no count
    long nCount = 0;
    std::vector<MessengerContactInfo> contacts; // the items that could be read
};
MessengerContactList ReadMessengerContacts();

enum class InstantMessageResult { NoMessenger, Accepted, Refused };
// Asks for a conversation; bHadMessenger is set once the object is had, so
// that a caller that stops waiting knows which step did not answer.
InstantMessageResult RequestInstantMessage(const std::string& strSigninName,
                                           std::atomic<bool>& bHadMessenger);

// Where the exchanges run. While the program holds one of these, each
// exchange runs on a thread of its own, which initialises COM for itself,
// and its result is taken on the thread that made this object, through a
// message-only window of its: a messenger that hangs holds no window. When
// this object goes, results still to come are dropped. Without one (the unit
// tests, whose stand-in messenger serves their own thread alone, and the
// benchmarks), an exchange and its taking run at once on the calling thread.
class CMessengerExchanges {
public:
    CMessengerExchanges();
    ~CMessengerExchanges();

    CMessengerExchanges(const CMessengerExchanges&) = delete;
    CMessengerExchanges& operator=(const CMessengerExchanges&) = delete;

    struct Exchange;
    // Runs the exchange away and takes it here; after the limit (0: none),
    // takes onLimit instead, and the late result is dropped.
    static void Run(std::function<void()> exchange, std::function<void()> take, UINT nLimitMs = 0,
                    std::function<void()> onLimit = nullptr);

private:
    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT nMessage, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd = nullptr;
};

// An exchange whose result is taken as a value.
template <typename Result>
void RunMessengerExchange(std::function<Result()> exchange, std::function<void(const Result&)> take,
                          UINT nLimitMs = 0, std::function<void()> onLimit = nullptr)
{
    auto pResult = std::make_shared<Result>();
    CMessengerExchanges::Run([pResult, exchange] { *pResult = exchange(); },
                             [pResult, take] { take(*pResult); }, nLimitMs, std::move(onLimit));
}
