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

// Format 1 held the configurations only, format 2 no pairing; files of
// both are still read.
const QByteArray MouseMagicV1("TLSM\x01", 5);
const QByteArray MouseMagicV2("TLSM\x02", 5);
const QByteArray MouseMagic("TLSM\x03", 5);
constexpr int ReceiverIdSize = 3;
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

// The bytes between a mouse file's magic and its configurations, -1 for
// no mouse file.
int mouseFieldsSize(const QByteArray &content)
{
    if (content.startsWith(MouseMagic))
        return 4 + ReceiverIdSize;
    if (content.startsWith(MouseMagicV2))
        return 4;
    return content.startsWith(MouseMagicV1) ? 1 : -1;
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
    const int fields = mouseFieldsSize(content);
    const int header = MouseMagic.size() + fields;
    if (fields < 0 || content.size() != header + ConfigCount * SimRecord::DumpSize)
        return false;
    const int at = MouseMagic.size();
    mouse->activeConfig = qBound(0, int(content.at(at)), ConfigCount - 1);
    mouse->upgradedVersion = fields > 1 ? versionAt(content, at + 1) : 0;
    mouse->bootMode = fields > 1 && content.at(at + 3) != 0;
    const QByteArray id = content.mid(at + 4, fields > 4 ? ReceiverIdSize : 0);
    mouse->receiverId = id.count('\0') == id.size() ? QByteArray() : id;
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
    content.append(mouse.receiverId.leftJustified(ReceiverIdSize, '\0', true));
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
