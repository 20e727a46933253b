#pragma once

#include <QByteArray>

#include <cstdint>

// The simulated mouse keeps each configuration as a 6,912-byte dump, the
// block the full read delivers. These functions translate between a dump and
// the program's 10,428-byte record; the two directions are exact inverses for
// every byte the dump carries (see docs/simulator.md for the layout).
namespace SimRecord {

constexpr int RecordSize = 10428;
constexpr int DumpSize = 6912;

// Record byte offsets the simulated device itself reads or changes.
enum : int {
    ReportRate = 0,
    DpiLevelCount = 1,
    CurrentDpiLevel = 2,
    DpiLed = 63,
    LedBar = 67,
};

QByteArray dumpFromRecord(const std::uint8_t *record, int configIndex);
// Writes the record bytes the dump carries; the others are left alone.
void recordFromDump(const std::uint8_t *dump, std::uint8_t *record);

// The stored configuration a new mouse of model `mid` comes with.
QByteArray defaultDump(int mid, int configIndex);

// Reads and writes of single record bytes inside a dump.
std::uint8_t dumpByte(const QByteArray &dump, int recordOffset);
void setDumpByte(QByteArray &dump, int recordOffset, std::uint8_t value);

} // namespace SimRecord
