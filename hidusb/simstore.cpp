#include "simstore.h"

#include "HIDUsb.h"
#include "simrecord.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

namespace SimStore {

namespace {

// Format 1 held the configurations only; files of it are still read.
const QByteArray MouseMagicV1("TLSM\x01", 5);
const QByteArray MouseMagic("TLSM\x02", 5);
const QByteArray ReceiverMagic("TLSR\x01", 5);
constexpr int ReceiverFileSize = 5 + HIDUSB_DONGLE_RGB_SIZE + 1 + 2 + 1;

QString stateFolder()
{
    QString stateHome = qEnvironmentVariable("XDG_STATE_HOME");
    if (stateHome.isEmpty())
        stateHome = QDir::homePath() + QStringLiteral("/.local/state");
    return stateHome + QStringLiteral("/Talvo Lumerant 4K/");
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return;
    file.write(content);
    file.commit();
}

QByteArray versionBytes(int version)
{
    QByteArray bytes(2, '\0');
    qToLittleEndian<quint16>(quint16(version), bytes.data());
    return bytes;
}

int versionAt(const QByteArray &content, int offset)
{
    return qFromLittleEndian<quint16>(content.constData() + offset);
}

} // namespace

QString filePath(const QString &mouseName, int cid, int mid)
{
    return stateFolder() + QStringLiteral("simulated-mice/%1-%2-%3.bin").arg(mouseName).arg(cid).arg(mid);
}

QString receiverFilePath(const QString &receiverName, int cid, int mid, int kind)
{
    return stateFolder()
           + QStringLiteral("simulated-receivers/%1-%2-%3-%4.bin").arg(receiverName).arg(cid).arg(mid).arg(kind);
}

bool load(const QString &path, StoredMouse *mouse)
{
    const QByteArray content = readAll(path);
    const bool current = content.startsWith(MouseMagic);
    const int header = MouseMagic.size() + (current ? 4 : 1);
    if ((!current && !content.startsWith(MouseMagicV1)) || content.size() != header + ConfigCount * SimRecord::DumpSize)
        return false;
    mouse->activeConfig = qBound(0, int(content.at(MouseMagic.size())), ConfigCount - 1);
    mouse->upgradedVersion = current ? versionAt(content, MouseMagic.size() + 1) : 0;
    mouse->bootMode = current && content.at(MouseMagic.size() + 3) != 0;
    for (int index = 0; index < ConfigCount; ++index)
        mouse->configs[index] = content.mid(header + index * SimRecord::DumpSize, SimRecord::DumpSize);
    return true;
}

void save(const QString &path, const StoredMouse &mouse)
{
    QByteArray content = MouseMagic;
    content.append(static_cast<char>(mouse.activeConfig));
    content.append(versionBytes(mouse.upgradedVersion));
    content.append(static_cast<char>(mouse.bootMode ? 1 : 0));
    for (const QByteArray &config : mouse.configs)
        content.append(config);
    writeAll(path, content);
}

bool load(const QString &path, StoredReceiver *receiver)
{
    const QByteArray content = readAll(path);
    if (content.size() != ReceiverFileSize || !content.startsWith(ReceiverMagic))
        return false;
    int offset = ReceiverMagic.size();
    receiver->light = content.mid(offset, HIDUSB_DONGLE_RGB_SIZE);
    offset += HIDUSB_DONGLE_RGB_SIZE;
    receiver->longRange = qint8(content.at(offset++));
    receiver->upgradedVersion = versionAt(content, offset);
    receiver->bootMode = content.at(offset + 2) != 0;
    return true;
}

void save(const QString &path, const StoredReceiver &receiver)
{
    QByteArray content = ReceiverMagic;
    content.append(receiver.light.leftJustified(HIDUSB_DONGLE_RGB_SIZE, '\0', true));
    content.append(static_cast<char>(receiver.longRange));
    content.append(versionBytes(receiver.upgradedVersion));
    content.append(static_cast<char>(receiver.bootMode ? 1 : 0));
    writeAll(path, content);
}

} // namespace SimStore
