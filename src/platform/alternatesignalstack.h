#pragma once

#include <memory>

// A stack of its own for the signal handlers of the thread that makes it, so
// that the crash handler can still write its report after the thread ran
// out of its own stack. Made and destroyed on that thread, and kept for as
// long as the thread runs code that may crash.
class AlternateSignalStack
{
public:
    AlternateSignalStack();
    ~AlternateSignalStack();

    AlternateSignalStack(const AlternateSignalStack &) = delete;
    AlternateSignalStack &operator=(const AlternateSignalStack &) = delete;

private:
    std::unique_ptr<char[]> m_memory;
};
