#pragma once

#include <windows.h>

// Keeps the server process alive while it has objects. COM never ends a
// local server by itself: the server counts its live objects and server
// locks and, when the last one goes, withdraws its class object (so that
// the next client starts a fresh server instead of reaching this one) and
// leaves its message loop. All calls arrive on the server's one
// single-threaded apartment, so plain counters do.
class CServerLifetime {
public:
    static CServerLifetime& Instance();

    void ObjectCreated();
    void ObjectDestroyed();
    // IClassFactory::LockServer.
    void Lock();
    void Unlock();

    // The cookie of CoRegisterClassObject, to withdraw the class object.
    void SetClassRegistration(DWORD dwRegister) { m_dwRegister = dwRegister; }
    // Ends the server unless it has made an object since it started: a
    // server that COM started for nothing must not stay forever.
    void EndIfNeverUsed();
    // Withdraws the class object if it is still registered.
    void RevokeClassObject();

private:
    CServerLifetime() = default;
    void Drop();
    void End();

    long m_nHolds = 0; // live objects and locks
    bool m_bUsed = false;
    bool m_bEnded = false;
    DWORD m_dwRegister = 0;
};
