#pragma once

#include <functional>
#include <memory>
#include <utility>

// The shared instance of one window: created the first time it is referred to, then kept
// for the life of the program. The factory's pointer carries the window's own deleter, so the
// holder of a reference needs no more than the window's name.
template <class Window> class WindowRef
{
public:
    using Factory = std::function<std::shared_ptr<Window>()>;

    void setFactory(Factory factory) { m_factory = std::move(factory); }
    bool exists() const { return m_window != nullptr; }
    Window* get()
    {
        if (!m_window && m_factory)
            m_window = m_factory();
        return m_window.get();
    }
    Window* operator->() { return get(); }
    Window& operator*() { return *get(); }

private:
    Factory m_factory;
    std::shared_ptr<Window> m_window;
};
