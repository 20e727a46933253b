#pragma once

#include <QByteArray>
#include <QDateTime>

#include <cstdint>

// The clock of the receiver's screen: one fixed-length packet with the
// computer's local date, time and weekday, sent to the first screen device
// found (screendevices.h), which echoes it.
//
//   byte 0-2   0x0A, 0x00, 0x10
//   byte 3-4   year, high byte first
//   byte 5-10  month, day, hour, minute, second, weekday (1 Monday .. 7 Sunday)
//   byte 11-38 zero
//   byte 39    checksum

constexpr int ScreenPacketLength = 40;

QByteArray screenClockPacket(const QDateTime &localTime);

// 0x55 minus the sum of every byte before the last, modulo 256.
std::uint8_t screenPacketChecksum(const QByteArray &packet);

// A reply of the packet's length whose last byte is its checksum.
bool verifyScreenReply(const QByteArray &reply);

// The reply echoes the request's first seven bytes and its checksum holds.
bool screenReplyAccepted(const QByteArray &request, const QByteArray &reply);

// Exchanges the packet with the opened device up to five times and stops at
// the first accepted reply; false when none came.
bool sendScreenPacket(const QByteArray &packet);

// Opens the first screen device found and sends it the clock of `localTime`;
// false when there is none, it does not open or it accepts nothing.
bool syncScreenClock(const QDateTime &localTime);
