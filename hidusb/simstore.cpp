#include "simstore.h"

#include "simrecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace SimStore {

namespace {

const QByteArray Magic("TLSM\x01", 5);

} // namespace

QString filePath(const QString &mouseName, int cid, int mid)
{
    QString stateHome = qEnvironmentVariable("XDG_STATE_HOME");
    if (stateHome.isEmpty())
        stateHome = QDir::homePath() + QStringLiteral("/.local/state");
    return stateHome + QStringLiteral("/Talvo Lumerant 4K/simulated-mice/%1-%2-%3.bin")
                           .arg(mouseName)
                           .arg(cid)
                           .arg(mid);
}

bool load(const QString &path, StoredMouse *mouse)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray content = file.readAll();
    if (content.size() != Magic.size() + 1 + ConfigCount * SimRecord::DumpSize || !content.startsWith(Magic))
        return false;
    mouse->activeConfig = qBound(0, int(content.at(Magic.size())), ConfigCount - 1);
    for (int index = 0; index < ConfigCount; ++index)
        mouse->configs[index] = content.mid(Magic.size() + 1 + index * SimRecord::DumpSize, SimRecord::DumpSize);
    return true;
}

void save(const QString &path, const StoredMouse &mouse)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    QByteArray content = Magic;
    content.append(static_cast<char>(mouse.activeConfig));
    for (const QByteArray &config : mouse.configs)
        content.append(config);
    file.write(content);
    file.commit();
}

} // namespace SimStore
