#pragma once

#include <QByteArray>
#include <QString>

// A simulated mouse keeps its four configurations across runs, as a real
// mouse keeps its settings when unplugged: one file per mouse under the
// user's state folder ($XDG_STATE_HOME, else ~/.local/state).
namespace SimStore {

constexpr int ConfigCount = 4;

struct StoredMouse
{
    QByteArray configs[ConfigCount]; // dumps
    int activeConfig = 0;
};

QString filePath(const QString &mouseName, int cid, int mid);
// False when the file is missing or not whole; `mouse` is then untouched.
bool load(const QString &path, StoredMouse *mouse);
void save(const QString &path, const StoredMouse &mouse);

} // namespace SimStore
