#pragma once

#include <functional>

// Starts a detached thread of the library. Each gets a signal stack of its
// own, so that the program's crash handler can still write its report when
// the thread, or a program callback running on it, overflows its stack.
void startLibraryThread(std::function<void()> body);
