#include "simscenario.h"

#include "regularfile.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryFile>

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

// A number of more digits than 64 bits hold is still a number: out of
// every range, not a mistyped word.
bool readNumber(const QString &text, qlonglong *number)
{
    static const QRegularExpression digits(QStringLiteral("^([+-]?)(0[xX][0-9A-Fa-f]+|0[0-7]*|[1-9][0-9]*)$"));
    const QString trimmed = text.trimmed();
    bool ok = false;
    *number = trimmed.toLongLong(&ok, 0);
    if (ok)
        return true;
    const QRegularExpressionMatch match = digits.match(trimmed);
    if (!match.hasMatch())
        return false;
    *number = match.captured(1) == QLatin1String("-") ? std::numeric_limits<qlonglong>::min()
                                                      : std::numeric_limits<qlonglong>::max();
    return true;
}

QString idText(const QByteArray &id)
{
    if (id.isEmpty())
        return QStringLiteral("the id of the receiver that names it");
    QStringList bytes;
    for (const char byte : id)
        bytes.append(QStringLiteral("0x%1").arg(quint8(byte), 2, 16, QLatin1Char('0')));
    return bytes.join(QLatin1Char(','));
}

// Reads the values of a scenario file's current section. A number out of
// its range is clamped, any other value the key cannot take gives the
// default, and either is told on stderr with the file and the key, so that
// a mistyped file does not silently give other devices than the one meant.
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
        qlonglong number = 0;
        if (!readNumber(value.toString(), &number)) {
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

    bool flag(const char *key, bool fallback) const
    {
        static const QStringList yes{QStringLiteral("true"), QStringLiteral("1"), QStringLiteral("on"),
                                     QStringLiteral("yes")};
        static const QStringList no{QStringLiteral("false"), QStringLiteral("0"), QStringLiteral("off"),
                                    QStringLiteral("no")};
        const QVariant value = m_ini.value(QLatin1String(key));
        if (!value.isValid())
            return fallback;
        const QString text = value.toString().trimmed().toLower();
        if (yes.contains(text))
            return true;
        if (no.contains(text))
            return false;
        tell(key, value,
             QStringLiteral("is neither true nor false, %1 is used").arg(QLatin1String(fallback ? "true" : "false")));
        return fallback;
    }

    // A pairing id: three bytes.
    QByteArray id(const char *key, const QByteArray &fallback) const
    {
        const QVariant value = m_ini.value(QLatin1String(key));
        if (!value.isValid())
            return fallback;
        const QStringList items = value.toStringList();
        QByteArray id;
        for (const QString &item : items) {
            qlonglong byte = -1;
            if (readNumber(item, &byte) && byte >= 0 && byte <= 0xFF)
                id.append(char(byte));
        }
        if (items.size() == 3 && id.size() == 3)
            return id;
        tell(key, value, QStringLiteral("is not three numbers from 0 to 255, %1 is used").arg(idText(fallback)));
        return fallback;
    }

private:
    void tell(const char *key, const QVariant &value, const QString &what) const
    {
        // QSettings reads a value with commas as a list, which toString() leaves empty.
        qWarning("Device scenario %s: %s/%s=%s %s", qPrintable(m_path), qPrintable(m_ini.group()), key,
                 qPrintable(value.toStringList().join(QLatin1Char(','))), qPrintable(what));
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

    QFile file;
    if (!openRegularFile(&file, path, QIODevice::ReadOnly, SymbolicLinks::Follow)) {
        // A pipe, a device or a folder in the file's place describes no
        // device; a file that is missing or may not be read is unreadable.
        const QFileInfo info(path);
        *ok = info.exists() && !info.isFile();
        if (*ok)
            qWarning("Device scenario %s is not a regular file: it defines no device", qPrintable(path));
        return scenario;
    }
    // QSettings reads only by name, and the name opened again could meet a
    // pipe put in the file's place meanwhile: it reads a copy of what was opened.
    QTemporaryFile copy;
    *ok = copy.open() && copy.write(file.readAll()) >= 0 && copy.flush();
    if (!*ok)
        return scenario;
    QSettings ini(copy.fileName(), QSettings::IniFormat);
    *ok = ini.status() == QSettings::NoError;
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
            mouse.charging = read.flag("Charging", false);
            mouse.powered = read.flag("Power", true);
            mouse.cabled = read.flag("Cable", false);
            mouse.cablePid = read.number("CablePid", mouseBase.cablePid, 0, 0xFFFF);
            mouse.cableKind = read.number("CableKind", mouseBase.cableKind, 2, 3);
            mouse.receiverId = read.id("ReceiverId", QByteArray());
            mouse.waitsForPairing = read.flag("Pairing", false);
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
            receiver.id = read.id("Id", receiverBase.id);
            receiver.plugged = read.flag("Plugged", true);
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
