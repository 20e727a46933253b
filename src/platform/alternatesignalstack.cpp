#include "alternatesignalstack.h"

#include <csignal>

namespace {

// Large enough for the crash handler and backtrace() after a stack overflow,
// with room for a sanitizer's own signal wrapper.
constexpr std::size_t StackSize = 128 * 1024;

void useStack(char *memory, int flags)
{
    stack_t stack = {};
    stack.ss_sp = memory;
    stack.ss_size = StackSize;
    stack.ss_flags = flags;
    sigaltstack(&stack, nullptr);
}

} // namespace

AlternateSignalStack::AlternateSignalStack()
    : m_memory(new char[StackSize])
{
    useStack(m_memory.get(), 0);
}

// The thread must not be left pointing at freed memory.
AlternateSignalStack::~AlternateSignalStack()
{
    useStack(m_memory.get(), SS_DISABLE);
}
