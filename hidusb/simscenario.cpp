#include "simscenario.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

#include <limits>

namespace {

// Bounds a person is unlikely to want past: a longer wait reads as a hang.
constexpr int MaxCount = 1000;
constexpr int MaxWindowMs = 60000;

int parseNumber(const QString &text, int fallback)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 0);
    return ok ? value : fallback;
}

int parseNumber(const QVariant &value, int fallback)
{
    return value.isValid() ? parseNumber(value.toString(), fallback) : fallback;
}

bool parseBool(const QVariant &value, bool fallback)
{
    if (!value.isValid())
        return fallback;
    const QString text = value.toString().trimmed().toLower();
    return text == QLatin1String("true") || text == QLatin1String("1") || text == QLatin1String("on")
           || text == QLatin1String("yes");
}

QByteArray parseId(const QVariant &value, const QByteArray &fallback)
{
    if (!value.isValid())
        return fallback;
    QByteArray id;
    for (const QString &item : value.toStringList())
        id.append(static_cast<char>(parseNumber(item, 0)));
    id = id.left(3);
    return id.size() == 3 ? id : fallback;
}

QString programConfigPath()
{
    return QCoreApplication::instance()
               ? QCoreApplication::applicationDirPath() + QStringLiteral("/usersetting/Config.ini")
               : QString();
}

QString decodedText(const QString &encoded)
{
    return QString::fromUtf8(QByteArray::fromBase64(encoded.toUtf8())).trimmed();
}

// The first model, the ids and the product ids of the program's Config.ini,
// so that the default devices are the ones the program looks for.
struct ProgramIds
{
    int vid = 0x3F1A;
    int cid = 35;
    int mid = 1;
    int cablePid = 0x5A02;
    int receiverPid = 0x5A18;
};

ProgramIds programIds()
{
    ProgramIds ids;
    const QString path = programConfigPath();
    if (path.isEmpty() || !QFileInfo::exists(path))
        return ids;
    const QSettings ini(path, QSettings::IniFormat);
    const auto decoded = [&ini](const QString &key) { return decodedText(ini.value(key).toString()); };
    const auto firstDecoded = [&ini](const QString &key) {
        const QStringList items = ini.value(key).toStringList();
        return items.isEmpty() ? QString() : decodedText(items.first());
    };
    ids.vid = parseNumber(decoded(QStringLiteral("Option/VID")), ids.vid);
    ids.cid = parseNumber(decoded(QStringLiteral("Option/CID")), ids.cid);
    ids.mid = parseNumber(ini.value(QStringLiteral("Drive1/MID")), ids.mid);
    const QStringList cablePids = ini.value(QStringLiteral("Option/USB_PID")).toStringList();
    if (!cablePids.isEmpty())
        ids.cablePid = parseNumber(decodedText(cablePids.last()), ids.cablePid);
    ids.receiverPid = parseNumber(firstDecoded(QStringLiteral("Option/Wireless8_PID")), ids.receiverPid);
    return ids;
}

QString receiverFirmwareKey(int kind)
{
    switch (kind) {
    case 0: return QStringLiteral("DM");
    case 1: return QStringLiteral("D4M");
    case 4: return QStringLiteral("D2M");
    case 5: return QStringLiteral("D8M");
    default: return QString();
    }
}

// Each device runs the firmware Config.ini names for its model: the first
// "Drive" group with its model id.
void assignFirmware(Scenario &scenario)
{
    const QString path = programConfigPath();
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    const QSettings ini(path, QSettings::IniFormat);
    const auto identifier = [&ini](int mid, const QString &key) {
        for (const QString &group : ini.childGroups()) {
            if (group.startsWith(QLatin1String("Drive"))
                && parseNumber(ini.value(group + QStringLiteral("/MID")), -1) == mid)
                return decodedText(ini.value(group + QLatin1Char('/') + key).toString());
        }
        return QString();
    };
    for (MouseSetup &mouse : scenario.mice)
        mouse.firmware = identifier(mouse.mid, QStringLiteral("MM"));
    for (ReceiverSetup &receiver : scenario.receivers) {
        const QString key = receiverFirmwareKey(receiver.kind);
        receiver.firmware = key.isEmpty() ? QString() : identifier(receiver.mid, key);
    }
}

// Reads the numbers of a scenario file's current section. A value out of
// its range is clamped, a text that is no number gives the default, and
// either is told on stderr with the file and the key, so that a mistyped
// file does not silently give other devices than the one meant.
class ScenarioReader
{
public:
    ScenarioReader(const QSettings &ini, const QString &path)
        : m_ini(ini)
        , m_path(path)
    {
    }

    int number(const char *key, int fallback, int low, int high) const
    {
        const QVariant value = m_ini.value(QLatin1String(key));
        if (!value.isValid())
            return fallback;
        bool ok = false;
        const qlonglong number = value.toString().trimmed().toLongLong(&ok, 0);
        if (!ok) {
            tell(key, value, QStringLiteral("is no number, %1 is used").arg(fallback));
            return fallback;
        }
        const int used = int(qBound<qlonglong>(low, number, high));
        if (used != number)
            tell(key, value, QStringLiteral("is out of range %1 to %2, %3 is used").arg(low).arg(high).arg(used));
        return used;
    }

    // A receiver's kind is one of four classes, not a range.
    int kind(int fallback) const
    {
        const int kind = number("Kind", fallback, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
        if (kind == 0 || kind == 1 || kind == 4 || kind == 5)
            return kind;
        tell("Kind", m_ini.value(QStringLiteral("Kind")), QStringLiteral("is not 0, 1, 4 or 5, %1 is used").arg(fallback));
        return fallback;
    }

private:
    void tell(const char *key, const QVariant &value, const QString &what) const
    {
        qWarning("Device scenario %s: %s/%s=%s %s", qPrintable(m_path), qPrintable(m_ini.group()), key,
                 qPrintable(value.toString()), qPrintable(what));
    }

    const QSettings &m_ini;
    const QString m_path;
};

} // namespace

Scenario Scenario::defaults()
{
    const ProgramIds ids = programIds();
    Scenario scenario;
    scenario.vid = ids.vid;

    MouseSetup mouse;
    mouse.name = QStringLiteral("Mouse1");
    mouse.cid = ids.cid;
    mouse.mid = ids.mid;
    mouse.version = 0x0213;
    mouse.cablePid = ids.cablePid;

    ReceiverSetup receiver;
    receiver.name = QStringLiteral("Receiver1");
    receiver.pid = ids.receiverPid;
    receiver.kind = 5;
    receiver.cid = ids.cid;
    receiver.mid = ids.mid;
    receiver.version = 0x0105;
    receiver.id = QByteArray("\x12\x34\x56", 3);
    receiver.mouse = mouse.name;
    mouse.receiverId = receiver.id;

    scenario.receivers.append(receiver);
    scenario.mice.append(mouse);
    assignFirmware(scenario);
    return scenario;
}

Scenario Scenario::fromFile(const QString &path, bool *ok)
{
    const Scenario base = defaults();
    Scenario scenario;
    scenario.vid = base.vid;
    const MouseSetup mouseBase = base.mice.first();
    const ReceiverSetup receiverBase = base.receivers.first();

    QSettings ini(path, QSettings::IniFormat);
    *ok = QFileInfo(path).isReadable() && ini.status() == QSettings::NoError;
    if (!*ok)
        return scenario;
    const ScenarioReader read(ini, path);

    ini.beginGroup(QStringLiteral("Bus"));
    scenario.vid = read.number("Vid", scenario.vid, 0, 0xFFFF);
    scenario.latencyMs = read.number("Latency", scenario.latencyMs, 0, MaxLatencyMs);
    scenario.idsReadyAfter = read.number("IdsReadyAfter", scenario.idsReadyAfter, -1, MaxCount);
    scenario.pairingWindowMs = read.number("PairingWindow", 0, 0, MaxWindowMs);
    ini.endGroup();

    for (const QString &group : ini.childGroups()) {
        ini.beginGroup(group);
        if (group.startsWith(QLatin1String("Mouse"))) {
            MouseSetup mouse;
            mouse.name = group;
            mouse.cid = read.number("Cid", mouseBase.cid, 0, 0xFF);
            mouse.mid = read.number("Mid", mouseBase.mid, 0, 0xFF);
            // The library hands a mouse's version out whole, as an int.
            mouse.version = read.number("Version", mouseBase.version, 0, std::numeric_limits<int>::max());
            mouse.battery = read.number("Battery", mouseBase.battery, 0, 100);
            mouse.charging = parseBool(ini.value(QStringLiteral("Charging")), false);
            mouse.powered = parseBool(ini.value(QStringLiteral("Power")), true);
            mouse.cabled = parseBool(ini.value(QStringLiteral("Cable")), false);
            mouse.cablePid = read.number("CablePid", mouseBase.cablePid, 0, 0xFFFF);
            mouse.cableKind = read.number("CableKind", mouseBase.cableKind, 2, 3);
            mouse.receiverId = parseId(ini.value(QStringLiteral("ReceiverId")), QByteArray());
            mouse.waitsForPairing = parseBool(ini.value(QStringLiteral("Pairing")), false);
            scenario.mice.append(mouse);
        } else if (group.startsWith(QLatin1String("Receiver"))) {
            ReceiverSetup receiver;
            receiver.name = group;
            receiver.pid = read.number("Pid", receiverBase.pid, 0, 0xFFFF);
            receiver.kind = read.kind(receiverBase.kind);
            // Without ids of its own a receiver reports those of its mouse.
            receiver.cid = read.number("Cid", -1, 0, 0xFF);
            receiver.mid = read.number("Mid", -1, 0, 0xFF);
            receiver.version = read.number("Version", receiverBase.version, 0, 0xFFFF);
            receiver.id = parseId(ini.value(QStringLiteral("Id")), receiverBase.id);
            receiver.plugged = parseBool(ini.value(QStringLiteral("Plugged")), true);
            receiver.mouse = ini.value(QStringLiteral("Mouse")).toString();
            receiver.longRange = read.number("LongRange", receiverBase.longRange, -1, 1);
            receiver.lightMode = read.number("LightMode", receiverBase.lightMode, 0, 0xFF);
            scenario.receivers.append(receiver);
        }
        ini.endGroup();
    }
    if (scenario.receivers.isEmpty() && scenario.mice.isEmpty())
        qWarning("Device scenario %s defines no device: no section is named Receiver... or Mouse...",
                 qPrintable(path));
    // A receiver names its paired mouse; the mouse then holds its id.
    for (ReceiverSetup &receiver : scenario.receivers) {
        const MouseSetup *paired = nullptr;
        for (MouseSetup &mouse : scenario.mice) {
            if (mouse.name != receiver.mouse)
                continue;
            paired = &mouse;
            if (mouse.receiverId.isEmpty())
                mouse.receiverId = receiver.id;
        }
        if (receiver.cid < 0)
            receiver.cid = paired ? paired->cid : receiverBase.cid;
        if (receiver.mid < 0)
            receiver.mid = paired ? paired->mid : receiverBase.mid;
    }
    assignFirmware(scenario);
    return scenario;
}
