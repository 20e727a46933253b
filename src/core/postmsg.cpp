#include "postmsg.h"

#include <QCoreApplication>
#include <QThread>

#include <condition_variable>
#include <memory>
#include <mutex>

#if defined(__SANITIZE_THREAD__)
#define TALVO_THREAD_SANITIZER 1
#elif defined(__has_feature)
#if __has_feature(thread_sanitizer)
#define TALVO_THREAD_SANITIZER 1
#endif
#endif

PostMsg *PostMsg::instance()
{
    static PostMsg *const hub = new PostMsg;
    return hub;
}

PostMsg::PostMsg()
{
    qRegisterMetaType<FlashDataMap>("FlashDataMap");
    qRegisterMetaType<DeviceAllInfo>("DeviceAllInfo");
    qRegisterMetaType<DongleRGB *>("DongleRGB*");
    // Slots of objects that connect with the default connection type run
    // where the hub lives: that must be the GUI thread, whoever asks first.
    if (QCoreApplication *app = QCoreApplication::instance(); app && thread() != app->thread())
        moveToThread(app->thread());
}

void PostMsg::handOver()
{
#ifdef TALVO_THREAD_SANITIZER
    PostMsg *hub = instance();
    if (QThread::currentThread() == hub->thread())
        return;
    struct Baton
    {
        std::mutex mutex;
        std::condition_variable passed;
        bool done = false;
    };
    const auto baton = std::make_shared<Baton>();
    { std::lock_guard<std::mutex> lock(baton->mutex); }
    QMetaObject::invokeMethod(hub, [baton] {
        std::lock_guard<std::mutex> lock(baton->mutex);
        baton->done = true;
        baton->passed.notify_one();
    }, Qt::QueuedConnection);
    std::unique_lock<std::mutex> lock(baton->mutex);
    baton->passed.wait(lock, [&] { return baton->done; });
#endif
}
