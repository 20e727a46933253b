#pragma once

#include "deviceallinfo.h"
#include "guarded.h"

#include <QString>
#include <QThread>

#include <atomic>

class QTimer;

// The device worker: each run opens the link to the chosen device (server
// start, driver active, full read) and, while the device does not answer,
// gives the pages the configuration cached for it. A 1300 ms check watches
// for the device's return. The object and its timer live in the GUI thread;
// run() is the only code on the worker thread.
class Worker : public QThread
{
    Q_OBJECT

public:
    explicit Worker(QObject *parent = nullptr);
    // Waits for a run in progress while still handling events, since the
    // run may be waiting for a page slot on this very thread.
    ~Worker() override;

    // Asks for a run and starts one unless one is in progress; a request
    // made during a run makes that run go again.
    void requestRun();
    static void clearRunRequest();

public slots:
    void SlotSelectMouseInfo(DeviceAllInfo SelectInfo);
    void SlotMainPageChange();
    void SlotCheckOnline();

protected:
    void run() override;

private:
    void runOnce();
    void showCachedConfiguration();
    void startAgainIfRequested();

    QString lastPath;
    int lastKind = 0;
    QTimer *m_onlineCheck;
    std::atomic<int> m_runsEnded{0};
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
