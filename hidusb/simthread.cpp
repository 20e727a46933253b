#include "simthread.h"

#include <csignal>
#include <memory>
#include <thread>

namespace {

constexpr std::size_t SignalStackSize = 128 * 1024;

} // namespace

void startLibraryThread(std::function<void()> body)
{
    std::thread([body = std::move(body)] {
        const std::unique_ptr<char[]> memory(new char[SignalStackSize]);
        stack_t stack = {};
        stack.ss_sp = memory.get();
        stack.ss_size = SignalStackSize;
        sigaltstack(&stack, nullptr);
        body();
        stack.ss_flags = SS_DISABLE;
        sigaltstack(&stack, nullptr);
    }).detach();
}
