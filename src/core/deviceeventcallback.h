#pragma once

#include "guarded.h"

#include <QString>

#include <atomic>

// The device server's event callback: replies to read requests, the full
// configuration dump, battery and status changes, a device reset, the
// version and receiver events. The library calls it on its own thread.
void deviceEventCallback(const unsigned char *header, int headerLength, const unsigned char *payload,
                         int payloadLength);

// Forced re-reads asked for by the device come at most once per 3000 ms,
// counted from the last one or from the worker's construction.
void restartReReadClock();

// The cache file name of the device of the last full read.
extern Guarded<QString> deviceCacheName;

// Set by a device reset, consumed by the full read that answers it.
extern std::atomic<bool> g_skipReceiverReadAfterReset;
extern std::atomic<bool> g_clearKeySlotsAfterReset;
