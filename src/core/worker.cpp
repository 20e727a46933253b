#include "worker.h"

#include "alternatesignalstack.h"
#include "configinistore.h"
#include "configurationsenders.h"
#include "devicecache.h"
#include "deviceeventcallback.h"
#include "deviceidentification.h"
#include "flashdatamap.h"
#include "pagestate.h"
#include "postmsg.h"

#include <HIDUsb.h>

#include <QCoreApplication>
#include <QTimer>

Worker *g_workerThread = nullptr;
std::atomic<int> g_workerRunRequest{0};
std::atomic<bool> g_workerConnected{false};
std::atomic<bool> g_lastRunOnline{false};
std::atomic<bool> g_deviceDataReady{false};
std::atomic<bool> g_offlineSeen{false};
std::atomic<bool> g_offlineDialogShown{false};
std::atomic<bool> g_forceFullRead{false};
std::atomic<bool> g_batteryAsText{false};
Guarded<QString> g_selectedDeviceCacheName;

namespace {

constexpr int OnlineCheckInterval = 1300;

} // namespace

// The parent is not taken: the worker lives as long as the program.
Worker::Worker(QObject *)
    : QThread(nullptr)
    , m_onlineCheck(new QTimer(this))
{
    ++g_workerRunRequest;
    restartReReadClock();
    CurrentDevicePath.set(QByteArrayLiteral("a"));
    g_workerConnected = false;
    connect(m_onlineCheck, &QTimer::timeout, this, &Worker::SlotCheckOnline);
    m_onlineCheck->setInterval(OnlineCheckInterval);
    m_onlineCheck->start();
    connect(PostMsg::instance(), SIGNAL(SigSelectMouseInfo(DeviceAllInfo)), this,
            SLOT(SlotSelectMouseInfo(DeviceAllInfo)));
    connect(PostMsg::instance(), SIGNAL(SigMainPageChange()), this, SLOT(SlotMainPageChange()));
    g_batteryAsText = ConfigIniStore::instance()->value(QStringLiteral("Option"),
                                                        QStringLiteral("ShowBatteryValue")).toInt() == 1;
}

Worker::~Worker()
{
    clearRunRequest();
    stop();
    if (g_workerThread == this)
        g_workerThread = nullptr;
}

// The thread starts with the first request: the worker is made long before
// a device is chosen.
void Worker::requestRun()
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        if (m_stopping)
            return;
        ++g_workerRunRequest;
    }
    m_wake.notify_one();
    start(QThread::InheritPriority);
}

void Worker::requestReopen()
{
    m_reopen = true;
    requestRun();
}

void Worker::stop()
{
    m_onlineCheck->stop();
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_stopping = true;
    }
    m_wake.notify_one();
    while (!wait(10))
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    // Qt ends the thread in its own, uninstrumented code; taking the lock the
    // thread released last shows the hand-over to a thread sanitizer.
    std::lock_guard<std::mutex> lock(m_mutex);
}

bool Worker::isIdle() const
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return !m_busy && g_workerRunRequest <= 0;
}

void Worker::clearRunRequest()
{
    g_workerRunRequest = 0;
}

void Worker::pauseOnlineCheck()
{
    m_onlineCheck->stop();
}

void Worker::resumeOnlineCheck()
{
    if (!m_stopping)
        m_onlineCheck->start();
}

void Worker::run()
{
    const AlternateSignalStack signalStack;
    serveRequests();
}

void Worker::serveRequests()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_stopping || g_workerRunRequest > 0; });
        if (m_stopping)
            return;
        m_busy = true;
        lock.unlock();
        runWhileRequested();
        lock.lock();
        m_busy = false;
    }
}

void Worker::runWhileRequested()
{
    for (;;) {
        int requests = g_workerRunRequest;
        if (requests <= 0 || m_stopping)
            return;
        runOnce();
        // Requests made during the run ask for another one.
        if (g_workerRunRequest.compare_exchange_strong(requests, 0))
            return;
    }
}

void Worker::runOnce()
{
    if (!g_workerConnected)
        g_workerConnected = currentDeviceAnswers();

    const DeviceAllInfo device = CurrentDevice.get();
    const bool reopen = m_reopen.exchange(false);
    const bool unchanged = !reopen && device.path == lastPath && device.kind == lastKind
                           && g_lastRunOnline == g_workerConnected && !g_forceFullRead;
    if (!unchanged && g_devicePageState == 1) {
        if (currentDeviceAnswers()) {
            CurrentDevice.update([](DeviceAllInfo &current) { current.online = true; });
            if (g_forceFullRead.exchange(false))
                emit PostMsg::instance()->SigUpDataParam(1);
            else if (!g_importActive)
                emit PostMsg::instance()->SigUpDataParam(0);
        } else {
            g_offlineSeen = true;
            CurrentDevice.update([](DeviceAllInfo &current) { current.online = false; });
            showCachedConfiguration();
        }
        lastPath = device.path;
        lastKind = device.kind;

        // The link opens whether or not the device answered: the full read
        // arrives through the event callback when it does.
        const QByteArray path = CurrentDevicePath.get();
        resetRecordRequests();
        UsbServerC_Start(path.constData(), path.constData(), deviceEventCallback);
        qDebug("OnlinA");
        UsbServer_SetPCDriverStatus(1);
        UsbServer_ReadAllFlashData();
        g_lastRunOnline = g_workerConnected.load();
        qDebug("OnlinB");
    }
    g_deviceDataReady = g_workerConnected.load();
}

// The process-wide record is left alone: the pages get copies of the cache.
void Worker::showCachedConfiguration()
{
    FlashDataMap cached;
    if (loadDeviceConfigCache(g_selectedDeviceCacheName.get(), &cached)) {
        PostMsg::emitBlocking(&PostMsg::SigUpDataLightUIButton, cached);
        PostMsg::emitBlocking(&PostMsg::SigUpDataLightLight, cached);
        PostMsg::emitBlocking(&PostMsg::SigUpDataLightSensor, cached);
        PostMsg::emitBlocking(&PostMsg::SigForm);
    } else {
        PostMsg::emitBlocking(&PostMsg::SigFormReset);
    }
}

void Worker::SlotSelectMouseInfo(DeviceAllInfo SelectInfo)
{
    const DeviceAllInfo previous = CurrentDevice.get();
    if (previous.path != SelectInfo.path || previous.cid != SelectInfo.cid || previous.mid != SelectInfo.mid)
        g_deviceRecordLoaded = false;
    CurrentDevice.set(SelectInfo);
    // Name the chosen device to the library at once: a run started before
    // the device page's discovery has seen it would otherwise open the link
    // with the placeholder path and report a device that answers as offline.
    if (!SelectInfo.path.isEmpty())
        CurrentDevicePath.set(SelectInfo.path.toLatin1());
    g_selectedDeviceCacheName.set(DeviceAllInfo::cacheFileName(SelectInfo.cid, SelectInfo.mid));
}

void Worker::SlotMainPageChange()
{
    g_lastRunOnline = false;
}

void Worker::SlotCheckOnline()
{
    bool returned = false;
    if (g_offlineSeen) {
        if (g_devicePageState == 0) {
            if (CurrentDevice.get().kind != 0)
                g_offlineSeen = false;
        } else if (g_hotplugEnabled) {
            g_workerConnected = currentDeviceAnswers();
            g_lastRunOnline = false;
            if (g_workerConnected) {
                emit PostMsg::instance()->SigCloseOffOnline();
                g_offlineSeen = false;
                returned = true;
            }
        }
    }
    // A device that came back is read again, whether or not the offline
    // dialog was shown.
    if ((g_workerConnected && g_offlineDialogShown) || returned) {
        g_offlineDialogShown = false;
        requestRun();
    }
}
