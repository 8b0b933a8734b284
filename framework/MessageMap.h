#pragma once

#include <windows.h>
#include <shellapi.h>

#include <initializer_list>
#include <type_traits>
#include <vector>

class CWnd;

// One row of a message map: a window message, or a range of command ids,
// and the thunk that cracks the message for its member handler.
struct MessageMapEntry {
    UINT nMessage; // WM_COMMAND for command rows
    UINT nIdFirst; // command rows: the ids they take
    UINT nIdLast;
    LRESULT (*pfnThunk)(CWnd* pWnd, WPARAM wParam, LPARAM lParam);
};

// A class's own rows, searched before those of its base class.
class MessageMap {
public:
    MessageMap(const MessageMap* pBase, std::initializer_list<MessageMapEntry> entries)
        : m_pBase(pBase), m_entries(entries)
    {
    }

    const MessageMapEntry* FindMessage(UINT nMessage) const;
    const MessageMapEntry* FindCommand(UINT nId) const;

private:
    const MessageMap* m_pBase;
    std::vector<MessageMapEntry> m_entries;
};

namespace message_map_detail {

template <typename T>
struct Handler;

template <typename C, typename R, typename... A>
struct Handler<R (C::*)(A...)> {
    using Class = C;
    using Signature = R(A...);
};

template <typename>
inline constexpr bool kNoCracker = false;

// Signed coordinates: points left of or above the origin are negative.
inline POINT PointFrom(LPARAM lParam)
{
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

// Calls a member handler with the arguments its shape asks for.
template <auto pfnHandler>
LRESULT MemberThunk(CWnd* pWnd, WPARAM wParam, LPARAM lParam)
{
    using H = Handler<decltype(pfnHandler)>;
    using Signature = typename H::Signature;
    auto* p = static_cast<typename H::Class*>(pWnd);

    if constexpr (std::is_same_v<Signature, void()>) {
        (p->*pfnHandler)();
        return 0;
    } else if constexpr (std::is_same_v<Signature, void(UINT)>) { // commands that need their id
        (p->*pfnHandler)(LOWORD(wParam));
        return 0;
    } else if constexpr (std::is_same_v<Signature, void(UINT, POINT)>) { // mouse messages
        (p->*pfnHandler)(static_cast<UINT>(wParam), PointFrom(lParam));
        return 0;
    } else if constexpr (std::is_same_v<Signature, void(UINT, int, int)>) { // WM_SIZE
        (p->*pfnHandler)(static_cast<UINT>(wParam), LOWORD(lParam), HIWORD(lParam));
        return 0;
    } else if constexpr (std::is_same_v<Signature, int(CREATESTRUCTA*)>) { // WM_CREATE
        return (p->*pfnHandler)(reinterpret_cast<CREATESTRUCTA*>(lParam));
    } else if constexpr (std::is_same_v<Signature, void(WINDOWPOS*)>) { // WM_WINDOWPOSCHANGED
        (p->*pfnHandler)(reinterpret_cast<WINDOWPOS*>(lParam));
        return 0;
    } else if constexpr (std::is_same_v<Signature, void(HDROP)>) { // WM_DROPFILES
        (p->*pfnHandler)(reinterpret_cast<HDROP>(wParam));
        return 0;
    } else if constexpr (std::is_same_v<Signature, void(UINT, LPARAM)>) { // WM_SYSCOMMAND
        (p->*pfnHandler)(static_cast<UINT>(wParam), lParam);
        return 0;
    } else if constexpr (std::is_same_v<Signature, LRESULT(WPARAM, LPARAM)>) {
        return (p->*pfnHandler)(wParam, lParam);
    } else {
        static_assert(kNoCracker<Signature>, "no message cracker for this handler shape");
    }
}

// Calls a handler with the arguments its shape asks for.
template <auto pfnHandler>
LRESULT Thunk(CWnd* pWnd, WPARAM wParam, LPARAM lParam)
{
    if constexpr (std::is_same_v<decltype(pfnHandler), void (*)()>) {
        // A command carried out by a free function, whatever window it reaches.
        pfnHandler();
        return 0;
    } else {
        return MemberThunk<pfnHandler>(pWnd, wParam, lParam);
    }
}

} // namespace message_map_detail

// Rows of a message map, for example MapMessage<&CMyWnd::OnPaint>(WM_PAINT);
// a command's handler may also be a free function taking nothing.
template <auto pfnHandler>
MessageMapEntry MapMessage(UINT nMessage)
{
    return {nMessage, 0, 0, &message_map_detail::Thunk<pfnHandler>};
}

template <auto pfnHandler>
MessageMapEntry MapCommand(UINT nId)
{
    return {WM_COMMAND, nId, nId, &message_map_detail::Thunk<pfnHandler>};
}
