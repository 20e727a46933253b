#include "simrecord.h"

#include <cstring>

namespace SimRecord {

namespace {

// Stretches of the record the dump carries, in dump order: the settings
// header, the key entries, the key sequences and the macros of keys 0 to 9
// (the device has room for ten). The two alignment bytes and the macros of
// keys 10 to 15 are not stored.
struct Stretch
{
    int recordOffset;
    int dumpOffset;
    int length;
};

constexpr Stretch Stretches[] = {
    {0, 16, 74},       // settings, DPI levels, lights
    {74, 90, 48},      // sixteen key entries
    {124, 138, 832},   // sixteen key sequences
    {956, 970, 5920},  // ten macros
};
static_assert(970 + 5920 + 22 == DumpSize, "dump stretches and padding fill 6,912 bytes");

const char Magic[4] = {'T', 'L', 'C', 'D'};
constexpr std::uint8_t FormatVersion = 1;

int dumpOffsetOf(int recordOffset)
{
    for (const Stretch &stretch : Stretches) {
        if (recordOffset >= stretch.recordOffset && recordOffset < stretch.recordOffset + stretch.length)
            return stretch.dumpOffset + recordOffset - stretch.recordOffset;
    }
    return -1;
}

void putKey(std::uint8_t *record, int key, std::uint8_t type, std::uint8_t code, std::uint8_t param)
{
    record[74 + 3 * key] = type;
    record[75 + 3 * key] = code;
    record[76 + 3 * key] = param;
}

void putDpiLevel(std::uint8_t *record, int level, std::uint8_t code, std::uint8_t flags,
                 std::uint8_t red, std::uint8_t green, std::uint8_t blue)
{
    std::uint8_t *entry = record + 15 + 6 * level;
    entry[0] = code;
    entry[1] = code;
    entry[2] = flags;
    entry[3] = red;
    entry[4] = green;
    entry[5] = blue;
}

// The DPI levels a model leaves the factory with, in the encoding of its
// sensor (the models of the program's Config.ini, by MID).
struct DpiDefaults
{
    std::uint8_t levels;
    std::uint8_t codes[8];
    std::uint8_t flags[8];
};

const DpiDefaults &dpiDefaults(int mid)
{
    // A value counts its steps less one. 400, 800, 1600, 3200, 6400 at 50 per
    // step; 12800 at 100; 19200, 30000 at 200.
    static const DpiDefaults first = {8, {7, 15, 31, 63, 127, 127, 95, 149}, {0, 0, 0, 0, 0, 0x22, 0x33, 0x33}};
    static const DpiDefaults second = {6, {7, 15, 31, 63, 127, 127, 95, 149}, {0, 0, 0, 0, 0, 0x22, 0x33, 0x33}};
    // 400 to 6400 at 50 per step; 12800 at 100; 25600 at 50 doubled; 42000 at 200.
    static const DpiDefaults fourSegments = {8, {7, 15, 31, 63, 127, 127, 255, 209},
                                             {0, 0, 0, 0, 0, 0x22, 0x11, 0x33}};
    // Rows of the sensor's DPI table: 400, 800, 1200, 1600, 2400, 3200.
    static const DpiDefaults table = {6, {4, 8, 12, 16, 24, 32, 1, 2}, {0, 0, 0, 0, 0, 0, 0, 0}};
    switch (mid) {
    case 2:
        return second;
    case 3:
        return fourSegments;
    case 4:
        return table;
    default:
        return first;
    }
}

} // namespace

QByteArray dumpFromRecord(const std::uint8_t *record, int configIndex)
{
    QByteArray dump(DumpSize, '\0');
    auto *out = reinterpret_cast<std::uint8_t *>(dump.data());
    std::memcpy(out, Magic, sizeof Magic);
    out[4] = FormatVersion;
    out[5] = static_cast<std::uint8_t>(configIndex);
    for (const Stretch &stretch : Stretches)
        std::memcpy(out + stretch.dumpOffset, record + stretch.recordOffset, stretch.length);
    return dump;
}

void recordFromDump(const std::uint8_t *dump, std::uint8_t *record)
{
    for (const Stretch &stretch : Stretches)
        std::memcpy(record + stretch.recordOffset, dump + stretch.dumpOffset, stretch.length);
}

QByteArray defaultDump(int mid, int configIndex)
{
    std::uint8_t record[RecordSize] = {};
    record[ReportRate] = 1; // 1000 Hz
    record[5] = 1;          // lift-off 1 mm
    record[6] = 8;          // debounce
    record[8] = 6;          // sleep after a minute
    record[DpiLed] = 1;
    record[DpiLed + 1] = 128;
    record[DpiLed + 2] = 2;
    record[DpiLed + 3] = 1;
    record[LedBar] = 1;
    record[LedBar + 1] = 255;
    record[LedBar + 4] = 4;
    record[LedBar + 5] = 9;
    record[LedBar + 6] = 1;

    const DpiDefaults &dpi = dpiDefaults(mid);
    const std::uint8_t colours[8][3] = {{255, 64, 64}, {255, 160, 0}, {255, 230, 0}, {64, 220, 64},
                                        {0, 200, 255}, {64, 96, 255}, {176, 64, 255}, {255, 255, 255}};
    record[DpiLevelCount] = dpi.levels;
    record[CurrentDpiLevel] = 1;
    for (int level = 0; level < 8; ++level)
        putDpiLevel(record, level, dpi.codes[level], dpi.flags[level], colours[level][0], colours[level][1],
                    colours[level][2]);

    putKey(record, 0, 1, 0x01, 0); // left
    putKey(record, 1, 1, 0x02, 0); // right
    putKey(record, 2, 1, 0x04, 0); // middle
    putKey(record, 3, 1, 0x08, 0); // back
    putKey(record, 4, 1, 0x10, 0); // forward
    if (mid == 2) {
        // Volume up: press and release of the consumer usage 0xE9.
        putKey(record, 5, 5, 0, 0);
        std::uint8_t *sequence = record + 124 + 52 * 5;
        sequence[0] = 2;
        const std::uint8_t steps[2][8] = {{0, 2, 0xE9, 0, 10, 0, 0, 0}, {1, 2, 0xE9, 0, 10, 0, 0, 0}};
        std::memcpy(sequence + 4, steps, sizeof steps);
    } else {
        putKey(record, 5, 2, 0x01, 0); // next DPI level
    }
    return dumpFromRecord(record, configIndex);
}

std::uint8_t dumpByte(const QByteArray &dump, int recordOffset)
{
    const int offset = dumpOffsetOf(recordOffset);
    return offset >= 0 && offset < dump.size() ? static_cast<std::uint8_t>(dump.at(offset)) : 0;
}

void setDumpByte(QByteArray &dump, int recordOffset, std::uint8_t value)
{
    const int offset = dumpOffsetOf(recordOffset);
    if (offset >= 0 && offset < dump.size())
        dump[offset] = static_cast<char>(value);
}

} // namespace SimRecord
