#include "upgradereport.h"

#include <QCoreApplication>

void postUpgradeReport(const unsigned char *report, void (*handle)(const QByteArray &report))
{
    QCoreApplication *application = QCoreApplication::instance();
    if (!application)
        return;
    const QByteArray bytes(reinterpret_cast<const char *>(report), 3);
    QMetaObject::invokeMethod(application, [bytes, handle] { handle(bytes); }, Qt::QueuedConnection);
}
