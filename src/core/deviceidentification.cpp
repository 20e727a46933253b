#include "deviceidentification.h"

#include "configinistore.h"
#include "deviceallinfo.h"

#include <QtEndian>

namespace {

constexpr int IdQueries = 10;

} // namespace

HidDeviceIds queryDeviceIds(const QByteArray &path)
{
    HidDeviceIds ids = {0, 0, 0};
    for (int query = 0; query < IdQueries; ++query) {
        ids = UsbFinderC_GetDeviceInfo(path.constData());
        if (ids.cid != 0 || ids.mid != 0)
            break;
    }
    return ids;
}

int configuredModelCount()
{
    return ConfigIniStore::instance()->value(QStringLiteral("Option"), QStringLiteral("DeviceTotal")).toInt();
}

int matchConfiguredModel(int cid, int mid)
{
    ConfigIniStore *config = ConfigIniStore::instance();
    bool cidOk = false;
    const int configuredCid = config->value(QStringLiteral("Option"), QStringLiteral("CID")).toInt(&cidOk);
    if (!cidOk || configuredCid != cid)
        return -1;
    const int models = configuredModelCount();
    for (int model = 1; model <= models; ++model) {
        bool midOk = false;
        const int configuredMid = config->value(QStringLiteral("Drive%1").arg(model), QStringLiteral("MID")).toInt(&midOk);
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
