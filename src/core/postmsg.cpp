#include "postmsg.h"

#include <QCoreApplication>
#include <QThread>

#include <condition_variable>
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
    // Every hand-over the GUI thread serves after this one was asked for is
    // ordered after everything it did before, and the events it serves come
    // in the order they were posted. The posted call captures nothing: its
    // slot object may be freed here while the GUI thread has just run it.
    // It is posted with the lock held, so that the GUI thread, which frees
    // it, takes the lock only after this thread made it.
    static std::mutex mutex;
    static std::condition_variable served;
    static quint64 asked = 0;
    static quint64 done = 0;
    std::unique_lock<std::mutex> lock(mutex);
    const quint64 ticket = ++asked;
    QMetaObject::invokeMethod(hub, [] {
        std::lock_guard<std::mutex> guard(mutex);
        ++done;
        served.notify_all();
    }, Qt::QueuedConnection);
    served.wait(lock, [ticket] { return done >= ticket; });
#endif
}
