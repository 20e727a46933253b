#pragma once

#include <QBuffer>

#include <cstddef>
#include <cstdint>
#include <memory>

// A Qt application object and a home folder of the fuzzer's own, so that
// what the code under test writes (caches, registry values, the simulated
// mouse's settings) stays out of the user's folders.
void prepareFuzzEnvironment(int *argc, char ***argv);

// The fuzzer's input as an open read-only device holding its own copy,
// opened with the extra `mode` (text mode for line readers).
std::unique_ptr<QBuffer> openFuzzInput(const std::uint8_t *data, std::size_t size,
                                       QIODevice::OpenMode mode = QIODevice::NotOpen);
