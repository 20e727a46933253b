#include "configurationsenders.h"
#include "devicelinktest.h"
#include "hubprobe.h"
#include "postmsg.h"
#include "testenvironment.h"

#include <QLoggingCategory>
#include <QThread>

using namespace DeviceLinkTest;

// The device link against the simulated devices with no latency: what the
// program itself adds between the user's choice and the pages, and between
// a control and the device.
class bench_DeviceLink : public QObject
{
    Q_OBJECT

private:
    HubProbe *m_probe = nullptr;
    Worker *m_worker = nullptr;

    void waitForRecords(int count)
    {
        while (m_probe->count("SigForm") < count) {
            QCoreApplication::processEvents();
            QThread::yieldCurrentThread();
        }
    }

private slots:
    void initTestCase()
    {
        resetAll();
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
        m_probe = new HubProbe;
        m_worker = new Worker(nullptr);
        g_workerThread = m_worker;
    }

    void cleanupTestCase()
    {
        delete m_worker;
    }

    // A new run opens the link, reads the whole configuration and hands
    // each page its copy.
    void choosingTheDeviceUntilItsRecordReachesThePages()
    {
        int expected = m_probe->count("SigForm");
        QBENCHMARK {
            emit PostMsg::instance()->SigMainPageChange();
            emit PostMsg::instance()->SigSelectMouseInfo(chosenReceiver());
            m_worker->requestRun();
            waitForRecords(++expected);
        }
        QTRY_VERIFY(HidUsbSim::isIdle());
    }

    // Online check, record patch and the whole record to the device.
    void oneSenderCallEndToEnd()
    {
        QVERIFY(g_deviceRecordLoaded);
        int rate = 1;
        QBENCHMARK {
            rate = rate == 1 ? 2 : 1;
            setReportRate(rate);
        }
    }
};

TALVO_TEST_GUILESS_MAIN(bench_DeviceLink)
#include "bench_devicelink.moc"
