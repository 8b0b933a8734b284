#include "core/MessengerExchange.h"

#include <thread>
#include <utility>

MessengerContactList ReadMessengerContacts()
{
    MessengerContactList list;
    MessengerSession messenger;
    if (!messenger.OpenContacts() || !messenger.GetCount(list.nCount))
        return list;
    list.bRead = true;
    for (long i = 0; i < list.nCount; ++i) {
        MessengerContactInfo contact;
        if (messenger.GetContact(i, contact))
            list.contacts.push_back(std::move(contact));
    }
    return list;
}

InstantMessageResult RequestInstantMessage(const std::string& strSigninName,
                                           std::atomic<bool>& bHadMessenger)
{
    MessengerSession messenger;
    if (!messenger.HasMessenger())
        return InstantMessageResult::NoMessenger;
    bHadMessenger = true;
    return SUCCEEDED(messenger.InstantMessage(strSigninName)) ? InstantMessageResult::Accepted
                                                              : InstantMessageResult::Refused;
}

namespace {

const char kReplyClass[] = "SkyletMessengerReplies";
// lParam: a heap-held reference to the exchange, which the window takes over.
constexpr UINT kReplyMessage = WM_APP + 1;

HWND g_hReplies = nullptr;

} // namespace

// What the exchange's thread and the taking share; whichever lets go last
// frees it, so the thread never touches what the program's exit takes down.
struct CMessengerExchanges::Exchange {
    std::function<void()> exchange;
    std::function<void()> take;
    std::function<void()> onLimit;
    std::atomic<bool> bDone{false};
    HWND hReplies = nullptr;
    // User-interface thread only: taken, or given up at the limit.
    bool bSettled = false;
};

namespace {

using ExchangePtr = std::shared_ptr<CMessengerExchanges::Exchange>;

void RunAway(ExchangePtr pExchange)
{
    try {
        pExchange->exchange();
    } catch (...) {
        // Nothing may leave the thread: the result stays as it was made,
        // empty, as that of an exchange that failed.
    }
    pExchange->bDone.store(true, std::memory_order_release);
    // Posted, never sent: a thread that waited on the window could hold the
    // program's exit.
    auto* pHeld = new ExchangePtr(pExchange);
    if (!PostMessageA(pExchange->hReplies, kReplyMessage, 0, reinterpret_cast<LPARAM>(pHeld)))
        delete pHeld;
}

void Settle(CMessengerExchanges::Exchange& exchange, const std::function<void()>& outcome)
{
    if (exchange.bSettled)
        return;
    exchange.bSettled = true;
    try {
        outcome();
    } catch (...) {
        // Nothing may unwind into the message loop.
    }
}

// The exchanges waiting for their limit, by timer id.
struct Limit {
    UINT_PTR nTimer;
    ExchangePtr pExchange;
};
std::vector<Limit> g_limits;
UINT_PTR g_nLastTimer = 0;

// The exchange's limit, which no longer runs; null when it had none.
ExchangePtr EndLimit(HWND hWnd, const std::function<bool(const Limit&)>& isIt)
{
    for (auto it = g_limits.begin(); it != g_limits.end(); ++it) {
        if (!isIt(*it))
            continue;
        KillTimer(hWnd, it->nTimer);
        ExchangePtr pExchange = std::move(it->pExchange);
        g_limits.erase(it);
        return pExchange;
    }
    return nullptr;
}

} // namespace

CMessengerExchanges::CMessengerExchanges()
{
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.lpszClassName = kReplyClass;
    RegisterClassA(&windowClass);
    m_hWnd = CreateWindowExA(0, kReplyClass, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                             windowClass.hInstance, nullptr);
    g_hReplies = m_hWnd;
}

CMessengerExchanges::~CMessengerExchanges()
{
    g_hReplies = nullptr;
    g_limits.clear();
    if (!m_hWnd)
        return;
    // Results already posted are dropped with the references they carry.
    MSG msg;
    while (PeekMessageA(&msg, m_hWnd, kReplyMessage, kReplyMessage, PM_REMOVE))
        delete reinterpret_cast<ExchangePtr*>(msg.lParam);
    DestroyWindow(m_hWnd);
}

void CMessengerExchanges::Run(std::function<void()> exchange, std::function<void()> take,
                              UINT nLimitMs, std::function<void()> onLimit)
{
    auto pExchange = std::make_shared<Exchange>();
    pExchange->exchange = std::move(exchange);
    pExchange->take = std::move(take);
    pExchange->onLimit = std::move(onLimit);
    pExchange->hReplies = g_hReplies;
    if (!g_hReplies) {
        pExchange->exchange();
        Settle(*pExchange, pExchange->take);
        return;
    }
    try {
        // Detached at once: never joined, so an exit never waits on a
        // messenger that hangs.
        std::thread(RunAway, pExchange).detach();
    } catch (...) {
        // No thread to be had: taken as an exchange that brought nothing.
        Settle(*pExchange, pExchange->take);
        return;
    }
    if (nLimitMs && pExchange->onLimit) {
        const UINT_PTR nTimer = ++g_nLastTimer;
        if (SetTimer(g_hReplies, nTimer, nLimitMs, nullptr))
            g_limits.push_back({nTimer, pExchange});
    }
}

LRESULT CALLBACK CMessengerExchanges::WindowProc(HWND hWnd, UINT nMessage, WPARAM wParam,
                                                 LPARAM lParam)
{
    if (nMessage == kReplyMessage) {
        const std::unique_ptr<ExchangePtr> pHeld(reinterpret_cast<ExchangePtr*>(lParam));
        Exchange* pExchange = pHeld->get();
        EndLimit(hWnd,
                 [pExchange](const Limit& limit) { return limit.pExchange.get() == pExchange; });
        if (pExchange->bDone.load(std::memory_order_acquire))
            Settle(*pExchange, pExchange->take);
        return 0;
    }
    if (nMessage == WM_TIMER) {
        KillTimer(hWnd, wParam);
        if (const ExchangePtr pExchange =
                EndLimit(hWnd, [wParam](const Limit& limit) { return limit.nTimer == wParam; }))
            Settle(*pExchange, pExchange->onLimit);
        return 0;
    }
    return DefWindowProcA(hWnd, nMessage, wParam, lParam);
}
