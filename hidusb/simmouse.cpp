#include "simmouse.h"

#include "simrecord.h"

#include <QtGlobal>

SimMouse SimMouse::fromSetup(const MouseSetup &setup, const QByteArray &cablePath, int idReadsLeft)
{
    SimMouse mouse;
    mouse.setup = setup;
    mouse.cablePath = cablePath;
    mouse.storePath = SimStore::filePath(setup.name, setup.cid, setup.mid);
    mouse.idReadsLeft = idReadsLeft;
    if (!SimStore::load(mouse.storePath, &mouse.stored)) {
        for (int index = 0; index < SimStore::ConfigCount; ++index)
            mouse.stored.configs[index] = SimRecord::defaultDump(setup.mid, index);
    }
    if (mouse.stored.upgradedVersion != 0)
        mouse.setup.version = mouse.stored.upgradedVersion;
    if (!mouse.stored.receiverId.isEmpty())
        mouse.setup.receiverId = mouse.stored.receiverId;
    return mouse;
}

QByteArray &SimMouse::activeDump()
{
    return stored.configs[stored.activeConfig];
}

const QByteArray &SimMouse::activeDump() const
{
    return stored.configs[stored.activeConfig];
}

void SimMouse::save() const
{
    SimStore::save(storePath, stored);
}

bool SimMouse::switchConfiguration(int index)
{
    if (index < 0 || index >= SimStore::ConfigCount)
        return false;
    stored.activeConfig = index;
    save();
    return true;
}

void SimMouse::restoreDefaults()
{
    activeDump() = SimRecord::defaultDump(setup.mid, stored.activeConfig);
    save();
}

void SimMouse::writeRecord(const std::uint8_t *record)
{
    activeDump() = SimRecord::dumpFromRecord(record, stored.activeConfig);
    save();
}

void SimMouse::nextDpiLevel()
{
    QByteArray &dump = activeDump();
    const int count = qBound(1, int(SimRecord::dumpByte(dump, SimRecord::DpiLevelCount)), 8);
    const int level = (SimRecord::dumpByte(dump, SimRecord::CurrentDpiLevel) + 1) % count;
    SimRecord::setDumpByte(dump, SimRecord::CurrentDpiLevel, quint8(level));
    save();
}

void SimMouse::setReportRate(int code)
{
    SimRecord::setDumpByte(activeDump(), SimRecord::ReportRate, quint8(code));
    save();
}

QByteArray SimMouse::storedRecord(int index) const
{
    if (index < 0 || index >= SimStore::ConfigCount)
        return QByteArray();
    QByteArray record(SimRecord::RecordSize, '\0');
    SimRecord::recordFromDump(reinterpret_cast<const std::uint8_t *>(stored.configs[index].constData()),
                              reinterpret_cast<std::uint8_t *>(record.data()));
    return record;
}

void SimMouse::pairWith(const QByteArray &receiverId)
{
    setup.receiverId = receiverId;
    stored.receiverId = receiverId;
    save();
}

void SimMouse::setBootMode(bool on)
{
    stored.bootMode = on;
    save();
}

void SimMouse::installFirmware(int version)
{
    setup.version = version;
    stored.upgradedVersion = version;
    stored.bootMode = false;
    save();
}
