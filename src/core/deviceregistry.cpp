#include "deviceregistry.h"

#include "appinfo.h"
#include "configinistore.h"
#include "registrystore.h"

namespace {

const QLatin1String FailureRecordName("UpdateFailInfo");

QString softwareKey()
{
    return QStringLiteral("HKEY_CURRENT_USER\\Software\\") + appName + QLatin1Char('\\') + appName;
}

QString mouseVersionName(const QString &cidText, const QString &midText)
{
    return QStringLiteral("MouseVer") + cidText + midText;
}

} // namespace

QString mouseDriveTestKey()
{
    return softwareKey() + QStringLiteral("\\Mouse Drive Test");
}

QString recordedMouseVersion(const QString &cidText, const QString &midText)
{
    return RegistryStore::instance()->value(mouseDriveTestKey(), mouseVersionName(cidText, midText)).toString();
}

QString recordedMouseVersion(const DeviceAllInfo &device)
{
    ConfigIniStore *config = ConfigIniStore::instance();
    return recordedMouseVersion(config->value(QStringLiteral("Option"), QStringLiteral("CID")),
                                config->value(device.driveGroup(), QStringLiteral("MID")));
}

void recordMouseVersion(const QString &cidText, const QString &midText, const QString &version)
{
    RegistryStore::instance()->setValue(mouseDriveTestKey(), mouseVersionName(cidText, midText), version);
}

QString firmwareFailureRecord()
{
    return RegistryStore::instance()->value(mouseDriveTestKey(), FailureRecordName).toString();
}

void recordFirmwareFailure(int kind, int receiverClass, int cid, int mid)
{
    setFirmwareFailureRecord(QStringLiteral("%1,%2,%3,%4").arg(kind).arg(receiverClass).arg(cid).arg(mid));
}

void clearFirmwareFailure()
{
    RegistryStore::instance()->remove(mouseDriveTestKey(), FailureRecordName);
}

QString recordFirmwareWrite(int kind, int receiverClass, int cid, int mid)
{
    const QString replaced = firmwareFailureRecord();
    recordFirmwareFailure(kind, receiverClass, cid, mid);
    return replaced;
}

void setFirmwareFailureRecord(const QString &record)
{
    if (record.isEmpty())
        clearFirmwareFailure();
    else
        RegistryStore::instance()->setValue(mouseDriveTestKey(), FailureRecordName, record);
}

QString legacyLanguageKey()
{
    return softwareKey() + QLatin1Char('\\') + appName;
}
