// Feeds the macro text reader arbitrary files: whatever a file holds, the
// key page's block keeps to its 30 name bytes and 70 steps with every step
// beyond its count zero, and the text the editor would write back reads
// back as the same macro.

#include "fuzzenvironment.h"
#include "macrofile.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

void checkBlock(const KeyMacro &block)
{
    if (block.stepCountByte < 1 || block.stepCountByte > KeyMacro::MaxSteps || block.nameLengthByte != 4)
        std::abort();
    for (int step = block.stepCountByte; step < KeyMacro::MaxSteps; ++step) {
        const auto *raw = reinterpret_cast<const std::uint8_t *>(&block.steps[step]);
        for (int index = 0; index < 8; ++index) {
            if (raw[index] != 0)
                std::abort();
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    prepareFuzzEnvironment(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    checkBlock(macroBlockFromText(QStringLiteral("Fuzz"), openFuzzInput(data, size, QIODevice::Text).get()));

    const MacroText macro = MacroText::read(openFuzzInput(data, size, QIODevice::Text).get());
    const QByteArray written = macro.bytes();
    const auto again = openFuzzInput(reinterpret_cast<const std::uint8_t *>(written.constData()),
                                     std::size_t(written.size()), QIODevice::Text);
    const MacroText reread = MacroText::read(again.get());
    if (reread.repeat != macro.repeat || reread.items != macro.items)
        std::abort();
    return 0;
}
