#include "upgradereport.h"

#include <QCoreApplication>

#include <mutex>

void postUpgradeReport(const unsigned char *report, void (*handle)(const QByteArray &report))
{
    QCoreApplication *application = QCoreApplication::instance();
    if (!report || !application)
        return;
    // Qt hands the posted call over inside its own code, where a thread
    // sanitizer cannot see it. The lock, held while the call is posted and
    // taken where it runs before anything else, shows the hand-over.
    static std::mutex posting;
    const std::lock_guard<std::mutex> lock(posting);
    const QByteArray bytes(reinterpret_cast<const char *>(report), 3);
    QMetaObject::invokeMethod(application, [bytes, handle] {
        { const std::lock_guard<std::mutex> posted(posting); }
        handle(bytes);
    }, Qt::QueuedConnection);
}
