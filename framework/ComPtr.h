#pragma once

#include <objbase.h>
#include <oleauto.h>

#include <string>

// Owns one reference to a COM interface.
template <typename T>
class CComPtr {
public:
    CComPtr() = default;
    ~CComPtr() { Release(); }

    CComPtr(const CComPtr&) = delete;
    CComPtr& operator=(const CComPtr&) = delete;
    CComPtr(CComPtr&& other) noexcept : m_p(other.m_p) { other.m_p = nullptr; }

    T* operator->() const { return m_p; }
    T* Get() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }

    // The out parameter of a call that hands over a new reference.
    T** Put()
    {
        Release();
        return &m_p;
    }
    void** PutVoid() { return reinterpret_cast<void**>(Put()); }
    // Holds a reference of its own to what another owner holds.
    void Share(T* p)
    {
        if (p)
            p->AddRef();
        Release();
        m_p = p;
    }

    void Release()
    {
        if (T* p = m_p) {
            m_p = nullptr;
            p->Release();
        }
    }

private:
    T* m_p = nullptr;
};

// COM for the calling thread for one scope; uninitialises only what it
// initialised.
class CComInit {
public:
    CComInit() : m_hr(CoInitialize(nullptr)) {}
    ~CComInit()
    {
        if (SUCCEEDED(m_hr))
            CoUninitialize();
    }

    CComInit(const CComInit&) = delete;
    CComInit& operator=(const CComInit&) = delete;

    bool Succeeded() const { return SUCCEEDED(m_hr); }

private:
    HRESULT m_hr;
};

// Owns one BSTR.
class CBstr {
public:
    CBstr() = default;
    explicit CBstr(const std::wstring& text)
        : m_bstr(SysAllocStringLen(text.data(), static_cast<UINT>(text.size())))
    {
    }
    ~CBstr() { SysFreeString(m_bstr); }

    CBstr(const CBstr&) = delete;
    CBstr& operator=(const CBstr&) = delete;

    BSTR Get() const { return m_bstr; }
    BSTR* Put()
    {
        SysFreeString(m_bstr);
        m_bstr = nullptr;
        return &m_bstr;
    }

private:
    BSTR m_bstr = nullptr;
};
