// Feeds the sensor capability reader arbitrary text: it must keep its name
// and value rows in step and every switch text free of line ends.

#include "fuzzenvironment.h"
#include "sensorcapabilities.h"

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
    const SensorCapabilities capabilities = SensorCapabilities::read(file.get());
    if (capabilities.rowNames().size() != capabilities.rowValues().size())
        std::abort();
    for (const QString &name : SensorCapabilities::switchNames()) {
        if (capabilities.switchText(name).contains(QLatin1Char('\n')))
            std::abort();
    }
    int value = 0;
    int dpi = 0;
    if (!capabilities.rowNames().isEmpty()) {
        capabilities.tableValueOf(QStringLiteral("3327"), 800, &value);
        capabilities.tableDpiOf(QStringLiteral("3327"), capabilities.rowValues().first(), &dpi);
    }
    return 0;
}
