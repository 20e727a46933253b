#include "deviceregistry.h"

#include "appinfo.h"
#include "registrystore.h"

namespace {

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

void recordMouseVersion(const QString &cidText, const QString &midText, const QString &version)
{
    RegistryStore::instance()->setValue(mouseDriveTestKey(), mouseVersionName(cidText, midText), version);
}

QString firmwareFailureRecord()
{
    return RegistryStore::instance()->value(mouseDriveTestKey(), QStringLiteral("UpdateFailInfo")).toString();
}

QString legacyLanguageKey()
{
    return softwareKey() + QLatin1Char('\\') + appName;
}
