// Feeds the key page's macro file reader arbitrary files: whatever a file
// holds, the block keeps to its 30 name bytes and 70 steps, and every step
// beyond its count stays zero.

#include "fuzzenvironment.h"
#include "macrofile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    prepareFuzzEnvironment(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const auto file = openFuzzInput(data, size, QIODevice::Text);
    const KeyMacro block = macroBlockFromText(QStringLiteral("Fuzz"), file.get());
    if (block.stepCountByte < 1 || block.stepCountByte > KeyMacro::MaxSteps || block.nameLengthByte != 4)
        std::abort();
    for (int step = block.stepCountByte; step < KeyMacro::MaxSteps; ++step) {
        const auto *raw = reinterpret_cast<const std::uint8_t *>(&block.steps[step]);
        for (int index = 0; index < 8; ++index) {
            if (raw[index] != 0)
                std::abort();
        }
    }
    return 0;
}
