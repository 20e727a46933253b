#pragma once

#include <QByteArray>
#include <QString>

// Simulated devices keep what a real device keeps across runs: a mouse its
// four configurations and the receiver it was paired with, a receiver its
// light record and long-range mode, and both the firmware an upgrade wrote
// and whether a failed upgrade left them in boot mode. One file per device under the user's state folder
// ($XDG_STATE_HOME, else ~/.local/state).
namespace SimStore {

constexpr int ConfigCount = 4;

struct StoredMouse
{
    QByteArray configs[ConfigCount]; // dumps
    int activeConfig = 0;
    int upgradedVersion = 0; // 0: the scenario's version holds
    bool bootMode = false;
    QByteArray receiverId; // empty: the scenario's pairing holds
};

struct StoredReceiver
{
    QByteArray light; // the 10-byte light record
    int longRange = 0;
    int upgradedVersion = 0;
    bool bootMode = false;
};

QString filePath(const QString &mouseName, int cid, int mid);
// A receiver of another kind is another device.
QString receiverFilePath(const QString &receiverName, int cid, int mid, int kind);
// False when the file is missing or not whole; the record is then untouched.
bool load(const QString &path, StoredMouse *mouse);
bool load(const QString &path, StoredReceiver *receiver);
void save(const QString &path, const StoredMouse &mouse);
void save(const QString &path, const StoredReceiver &receiver);

} // namespace SimStore
