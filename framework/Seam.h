#pragma once

// A system function that a test may replace, so that it can answer or
// observe the platform instead of blocking on it: calls go to the handler,
// which is the system's function until one is set.
template <typename Handler>
class CSeam {
public:
    constexpr explicit CSeam(Handler system) : m_system(system), m_handler(system) {}

    template <typename... Args>
    auto operator()(Args... args) const
    {
        return m_handler(args...);
    }

    // Returns the previous handler; a null one restores the system's.
    Handler Set(Handler handler)
    {
        const Handler previous = m_handler;
        m_handler = handler ? handler : m_system;
        return previous;
    }

private:
    Handler m_system;
    Handler m_handler;
};
