#pragma once

#include "deviceallinfo.h"
#include "guarded.h"

#include <QString>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <mutex>

class QTimer;

// The device worker: each run opens the link to the chosen device (server
// start, driver active, full read) and, while the device does not answer,
// gives the pages the configuration cached for it. A 1300 ms check watches
// for the device's return. The object and its timer live in the GUI thread;
// the worker's own thread, started by the first request, waits for requests
// and makes the runs, so the GUI thread never waits for one.
class Worker : public QThread
{
    Q_OBJECT

public:
    explicit Worker(QObject *parent = nullptr);
    ~Worker() override;

    // Asks for a run and returns at once; a request made during a run makes
    // that run go again.
    void requestRun();
    // As requestRun, and the run opens the link and reads the whole record
    // as for a newly chosen device, even when it is the one opened last.
    void requestReopen();
    // No run starts from now on. Waits for a run in progress while still
    // handling events, since the run may be waiting for a page slot on this
    // very thread.
    void stop();
    // No run is in progress and none is asked for.
    bool isIdle() const;
    static void clearRunRequest();
    // The online check waits while the device's settings are replaced as a
    // whole, so that it does not start a run of its own meanwhile.
    void pauseOnlineCheck();
    void resumeOnlineCheck();

public slots:
    void SlotSelectMouseInfo(DeviceAllInfo SelectInfo);
    void SlotMainPageChange();
    void SlotCheckOnline();

protected:
    void run() override;

private:
    void serveRequests();
    void runWhileRequested();
    void runOnce();
    void showCachedConfiguration();

    QString lastPath;
    int lastKind = 0;
    QTimer *m_onlineCheck;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::atomic<bool> m_stopping{false};
    std::atomic<bool> m_reopen{false};
    bool m_busy = false;
};

// The one worker, made by the key-assignment page.
extern Worker *g_workerThread;

// Pending run requests; a run works only while this is above zero.
extern std::atomic<int> g_workerRunRequest;
// The online answer last seen by the worker or the online check.
extern std::atomic<bool> g_workerConnected;
// That answer when the last run opened the link.
extern std::atomic<bool> g_lastRunOnline;
extern std::atomic<bool> g_deviceDataReady;
// The device was found offline; the online check watches for its return.
extern std::atomic<bool> g_offlineSeen;
// The offline dialog is shown or the device asked for a full re-read.
extern std::atomic<bool> g_offlineDialogShown;
// The next run opens the link even when nothing else changed.
extern std::atomic<bool> g_forceFullRead;
// Config.ini's Option/ShowBatteryValue is 1: the battery level shows as text.
extern std::atomic<bool> g_batteryAsText;
// The cache file name of the chosen device.
extern Guarded<QString> g_selectedDeviceCacheName;
