#include "deviceidentification.h"

#include "configinistore.h"
#include "deviceallinfo.h"

#include <QFileInfo>
#include <QSet>
#include <QtEndian>

HidDeviceIds queryDeviceIds(const QByteArray &path, int *queries)
{
    HidDeviceIds ids = {0, 0, 0};
    int query = 0;
    while (query < MaxIdQueries) {
        ids = UsbFinderC_GetDeviceInfo(path.constData());
        ++query;
        if (ids.cid != 0 || ids.mid != 0)
            break;
    }
    if (queries)
        *queries = query;
    return ids;
}

namespace {

QString deviceTotalText(const ConfigIniStore &config)
{
    return config.value(QStringLiteral("Option"), QStringLiteral("DeviceTotal"));
}

int modelGroupCount(const ConfigIniStore &config)
{
    const QStringList names = config.groups();
    const QSet<QString> groups(names.cbegin(), names.cend());
    int count = 0;
    while (groups.contains(QStringLiteral("Drive%1").arg(count + 1)))
        ++count;
    return count;
}

} // namespace

int configuredModelCount(const ConfigIniStore &config)
{
    const int groups = modelGroupCount(config);
    // Wider than the count itself, so that a number past the integers
    // counts as too many rather than as none.
    const qint64 total = deviceTotalText(config).toLongLong();
    return total < 0 || total > groups ? groups : int(total);
}

QStringList programSettingsProblems(const ConfigIniStore &config)
{
    QStringList problems;
    if (!QFileInfo(config.path()).isReadable())
        return problems;
    const QString file = QStringLiteral("The program settings ") + config.path();
    const QString total = deviceTotalText(config);
    const int groups = modelGroupCount(config);
    const int models = configuredModelCount(config);
    if (groups == 0)
        problems << file + QStringLiteral(" describe no device model (no group Drive1): no device is recognised");
    else if (models == 0)
        problems << file + QStringLiteral(" give Option/DeviceTotal \"%1\": no device model is used").arg(total);
    else if (models != total.toLongLong())
        problems << file + QStringLiteral(" give Option/DeviceTotal \"%1\" but describe %2 device models: %2 are used")
                               .arg(total, QString::number(groups));
    if (config.value(QStringLiteral("Option"), QStringLiteral("VID")).isEmpty())
        problems << file + QStringLiteral(" name no vendor id (Option/VID): no device is searched for");
    if (productIdsToEnumerate(configuredProductIdLists(config)).isEmpty())
        problems << file + QStringLiteral(" name no product id (Option/USB_PID, Wireless_PID, ...): no device is searched for");
    return problems;
}

int matchConfiguredModel(int cid, int mid, const ConfigIniStore &config)
{
    bool cidOk = false;
    const int configuredCid = config.value(QStringLiteral("Option"), QStringLiteral("CID")).toInt(&cidOk);
    if (!cidOk || configuredCid != cid)
        return -1;
    const int models = configuredModelCount(config);
    for (int model = 1; model <= models; ++model) {
        bool midOk = false;
        const int configuredMid = config.value(QStringLiteral("Drive%1").arg(model), QStringLiteral("MID")).toInt(&midOk);
        if (midOk && configuredMid == mid)
            return model - 1;
    }
    return -1;
}

bool currentDeviceAnswers()
{
    const QByteArray path = CurrentDevicePath.get();
    return (UsbFinderC_GetDeviceOnLine(path.constData()) & 0xFF) != 0;
}

QString readDeviceVersion(const QByteArray &path)
{
    unsigned char attribute[HIDUSB_ATTRIBUTE_SIZE] = {};
    UsbFinderC_GetUsbDeviceAttribute(path.constData(), attribute);
    return DeviceAllInfo::versionText(qFromLittleEndian<quint16>(attribute + 8));
}

void readOnlineState(DeviceAllInfo &device)
{
    unsigned char address[HIDUSB_ADDRESS_INFO_SIZE] = {};
    UsbFinderC_GetDeviceOnLineWithUsbAddress(device.path.toLatin1().constData(), address);
    device.online = address[6] == 1;
    device.receiverId = QByteArray(reinterpret_cast<const char *>(address + 7), 3);
}

QList<QByteArray> foundPaths(const char *const *paths, int count)
{
    QList<QByteArray> found;
    for (int index = 0; paths && index < count; ++index) {
        if (paths[index])
            found.append(QByteArray(paths[index]));
    }
    return found;
}

DeviceAllInfo describeFoundDevice(const QByteArray &path, const QString &vendorId, const QString &productId)
{
    DeviceAllInfo device;
    device.path = QString::fromLatin1(path);
    device.vid = vendorId;
    device.pid = productId;
    device.version = readDeviceVersion(path);
    return device;
}

QList<QStringList> configuredProductIdLists(const ConfigIniStore &config)
{
    QList<QStringList> lists;
    for (const char *key : {"USB_PID", "Wireless_PID", "Wireless2_PID", "Wireless4_PID", "Wireless8_PID"})
        lists.append(config.valueList(QStringLiteral("Option"), QLatin1String(key)));
    return lists;
}

QStringList productIdsToEnumerate(const QList<QStringList> &lists)
{
    QStringList ids;
    for (const QStringList &list : lists) {
        for (const QString &id : list) {
            if (!id.isEmpty())
                ids.append(id);
        }
    }
    return ids;
}

QString receiverFirmwareKey(std::uint8_t kind)
{
    return receiverClassFirmwareKey(DeviceAllInfo::receiverClass(kind));
}

QString receiverClassFirmwareKey(int receiverClass)
{
    switch (receiverClass) {
    case 1: return QStringLiteral("DM");
    case 2: return QStringLiteral("D2M");
    case 4: return QStringLiteral("D4M");
    case 8: return QStringLiteral("D8M");
    default: return QString();
    }
}
