// Feeds arbitrary text to the DPI range parser (its first line, as a model's
// "DPIRange" list) and to the capability reader (the rest, as the capability
// file), then snaps, steps, stores and reads back DPI values at and around
// every bound the text gives, for an arithmetic, a wide and a named sensor.

#include "dpicodec.h"
#include "dpirange.h"
#include "fuzzenvironment.h"
#include "sensorcapabilities.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>

namespace {

void addAround(QVector<int> *probes, int bound)
{
    for (qint64 delta : {-1, 0, 1}) {
        const qint64 value = qint64(bound) + delta;
        if (value >= std::numeric_limits<int>::min() && value <= std::numeric_limits<int>::max())
            probes->append(int(value));
    }
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    prepareFuzzEnvironment(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), int(size));
    const int lineEnd = bytes.indexOf('\n');
    const QString rangeLine = QString::fromUtf8(lineEnd < 0 ? bytes : bytes.left(lineEnd));
    QByteArray header = lineEnd < 0 ? QByteArray() : bytes.mid(lineEnd + 1);
    QBuffer file(&header);
    file.open(QIODevice::ReadOnly | QIODevice::Text);
    const SensorCapabilities capabilities = SensorCapabilities::read(&file);
    const DpiRange range = DpiRange::fromItems(rangeLine.split(QLatin1Char(',')));
    check(range.segments().size() <= DpiRange::MostSegments);

    QVector<int> probes = {std::numeric_limits<int>::min(), 0, 50, 800, 26000, std::numeric_limits<int>::max()};
    for (const DpiRange::Segment &segment : range.segments()) {
        addAround(&probes, segment.minimum);
        addAround(&probes, segment.maximum);
    }
    const QString namedSensor = capabilities.rowNames().value(0).section(QLatin1Char('_'), 1, 1);
    for (const QString &sensor : {QStringLiteral("3370"), QStringLiteral("3395"), namedSensor}) {
        const DpiCodec codec(sensor, range, capabilities);
        for (int value : probes) {
            check(range.snap(value).pageStep >= 0);
            range.stepUp(value);
            range.stepDown(value);
            const DpiCodec::Encoded stored = codec.encode(value, value & 0xFF);
            // Only the wide sensors' arithmetic values have bits beyond the value byte.
            check(stored.value >= 0 && stored.value <= (codec.isTableSensor() ? 255 : 1023));
            check(codec.decode(std::uint8_t(stored.value), std::uint8_t(stored.flags)) >= 0);
        }
    }
    return 0;
}
