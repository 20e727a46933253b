#include "simscenario.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace {

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

    ini.beginGroup(QStringLiteral("Bus"));
    scenario.vid = parseNumber(ini.value(QStringLiteral("Vid")), scenario.vid);
    scenario.latencyMs = qMax(0, parseNumber(ini.value(QStringLiteral("Latency")), scenario.latencyMs));
    scenario.idsReadyAfter = parseNumber(ini.value(QStringLiteral("IdsReadyAfter")), scenario.idsReadyAfter);
    scenario.pairingWindowMs = qMax(0, parseNumber(ini.value(QStringLiteral("PairingWindow")), 0));
    ini.endGroup();

    for (const QString &group : ini.childGroups()) {
        ini.beginGroup(group);
        if (group.startsWith(QLatin1String("Mouse"))) {
            MouseSetup mouse;
            mouse.name = group;
            mouse.cid = parseNumber(ini.value(QStringLiteral("Cid")), mouseBase.cid);
            mouse.mid = parseNumber(ini.value(QStringLiteral("Mid")), mouseBase.mid);
            mouse.version = parseNumber(ini.value(QStringLiteral("Version")), mouseBase.version);
            mouse.battery = qBound(0, parseNumber(ini.value(QStringLiteral("Battery")), mouseBase.battery), 100);
            mouse.charging = parseBool(ini.value(QStringLiteral("Charging")), false);
            mouse.powered = parseBool(ini.value(QStringLiteral("Power")), true);
            mouse.cabled = parseBool(ini.value(QStringLiteral("Cable")), false);
            mouse.cablePid = parseNumber(ini.value(QStringLiteral("CablePid")), mouseBase.cablePid);
            mouse.cableKind = parseNumber(ini.value(QStringLiteral("CableKind")), mouseBase.cableKind);
            mouse.receiverId = parseId(ini.value(QStringLiteral("ReceiverId")), QByteArray());
            mouse.waitsForPairing = parseBool(ini.value(QStringLiteral("Pairing")), false);
            scenario.mice.append(mouse);
        } else if (group.startsWith(QLatin1String("Receiver"))) {
            ReceiverSetup receiver;
            receiver.name = group;
            receiver.pid = parseNumber(ini.value(QStringLiteral("Pid")), receiverBase.pid);
            receiver.kind = parseNumber(ini.value(QStringLiteral("Kind")), receiverBase.kind);
            // Without ids of its own a receiver reports those of its mouse.
            receiver.cid = parseNumber(ini.value(QStringLiteral("Cid")), -1);
            receiver.mid = parseNumber(ini.value(QStringLiteral("Mid")), -1);
            receiver.version = parseNumber(ini.value(QStringLiteral("Version")), receiverBase.version);
            receiver.id = parseId(ini.value(QStringLiteral("Id")), receiverBase.id);
            receiver.plugged = parseBool(ini.value(QStringLiteral("Plugged")), true);
            receiver.mouse = ini.value(QStringLiteral("Mouse")).toString();
            receiver.longRange = parseNumber(ini.value(QStringLiteral("LongRange")), receiverBase.longRange);
            receiver.lightMode = parseNumber(ini.value(QStringLiteral("LightMode")), receiverBase.lightMode);
            scenario.receivers.append(receiver);
        }
        ini.endGroup();
    }
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
