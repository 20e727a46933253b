#pragma once

#include <mutex>

// A value that the GUI thread, the device worker and the library's threads
// share. Every access copies under a short lock; callers work on their copy
// and never hold the lock while they emit a signal, nor while they call the
// library, except through `use`.
template<typename T>
class Guarded
{
public:
    Guarded() = default;
    explicit Guarded(const T &value)
        : m_value(value)
    {
    }

    T get() const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        return m_value;
    }

    void set(const T &value)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_value = value;
    }

    // Runs `change` on the value under the lock and returns the result.
    template<typename Change>
    T update(Change &&change)
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        change(m_value);
        return m_value;
    }

    // Runs `reader` on the value under the lock, for a hand-over that must
    // not be overtaken by a newer value.
    template<typename Reader>
    void use(Reader &&reader) const
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        reader(m_value);
    }

private:
    mutable std::mutex m_mutex;
    T m_value{};
};
