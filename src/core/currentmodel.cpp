#include "currentmodel.h"

#include "configinistore.h"
#include "deviceallinfo.h"

QString currentModelValue(const QString &key)
{
    return ConfigIniStore::instance()->value(CurrentDevice.get().driveGroup(), key);
}

int configuredCustomerId()
{
    return ConfigIniStore::instance()->value(QStringLiteral("Option"), QStringLiteral("CID")).toInt();
}
