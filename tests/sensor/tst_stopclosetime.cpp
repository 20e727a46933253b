// The sleep-time panel: what a choice sends to the device and when it sends
// nothing.

#include "devicelinktest.h"
#include "hubprobe.h"
#include "stopclosetime.h"
#include "stopclosetimeb.h"
#include "testenvironment.h"

#include <QApplication>
#include <QComboBox>
#include <QSlider>
#include <QSpinBox>

using namespace DeviceLinkTest;

class tst_StopCloseTime : public QObject
{
    Q_OBJECT

private:
    HubProbe *m_probe = nullptr;

private slots:
    void initTestCase()
    {
        m_probe = new HubProbe;
    }

    void init()
    {
        resetAll();
        openDefaultMouse();
        HidUsbSim::clearCallLog();
        m_probe->clear();
    }

    void aChoiceIsSentOnlyFromALiveUnfilledPage_data()
    {
        QTest::addColumn<bool>("live");
        QTest::addColumn<bool>("filling");
        QTest::addColumn<bool>("online");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("sent"); // the stored sleep time, -1 when nothing is written
        QTest::addColumn<int>("offlineReports");

        QTest::newRow("10 seconds") << true << false << true << 0 << 1 << 0;
        QTest::newRow("5 minutes") << true << false << true << 3 << 30 << 0;
        QTest::newRow("40 minutes") << true << false << true << 10 << 240 << 0;
        QTest::newRow("the device pages not live") << false << false << true << 4 << -1 << 0;
        QTest::newRow("the key page filling itself") << true << true << true << 4 << -1 << 0;
        QTest::newRow("the device offline") << true << false << false << 4 << -1 << 1;
        QTest::newRow("no entry") << true << false << true << -1 << -1 << 0;
    }

    void aChoiceIsSentOnlyFromALiveUnfilledPage()
    {
        QFETCH(bool, live);
        QFETCH(bool, filling);
        QFETCH(bool, online);
        QFETCH(int, index);
        QFETCH(int, sent);
        QFETCH(int, offlineReports);
        StopCloseTime panel;
        auto *list = panel.findChild<QComboBox *>("StopClose");
        g_deviceUiLive = live;
        g_buttonUiFilling = filling;
        HidUsbSim::setMousePower("Mouse1", online);
        // Twice: the entry already current is sent again.
        for (int choice = 0; choice < 2; ++choice) {
            list->setCurrentIndex(index);
            emit list->activated(index);
        }
        QCOMPARE(HidUsbSim::callCount("ProtocolDataUpdate"), sent < 0 ? 0 : 2);
        if (sent >= 0)
            QCOMPARE(int(DeviceProtocolData.get().SleepTime), sent);
        QCOMPARE(m_probe->count("SigMouseOffLineo(0)"), 2 * offlineReports);
    }

    void showingATimeSendsNothing()
    {
        StopCloseTime panel;
        auto *list = panel.findChild<QComboBox *>("StopClose");
        panel.setSleepIndex(StopCloseTime::indexOfSeconds(2400));
        panel.setItemText(10, "forty");
        QCOMPARE(list->currentIndex(), 10);
        QCOMPARE(list->currentText(), QString("forty"));
        QCOMPARE(StopCloseTime::indexOfSeconds(300), 3);
        QCOMPARE(StopCloseTime::indexOfSeconds(20), -1);
        QCOMPARE(HidUsbSim::callCount("ProtocolDataUpdate"), 0);
        QVERIFY(m_probe->seen.isEmpty());
    }

    // The slider twin sends by the list's rule. Its positions count from 1;
    // its box shows the time in the unit the list's texts give.
    void theSliderTwinCommitsTheListsTimes_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("sent");
        QTest::newRow("10 seconds") << 1 << "10 s" << 1;
        QTest::newRow("1 minute") << 3 << "1 min" << 6;
        QTest::newRow("40 minutes") << 11 << "40 min" << 240;
    }

    void theSliderTwinCommitsTheListsTimes()
    {
        QFETCH(int, position);
        QFETCH(QString, shown);
        QFETCH(int, sent);
        StopCloseTimeB panel;
        auto *box = panel.findChild<QSpinBox *>("spinBoxA");
        panel.setItemText(0, "10 s");
        panel.setItemText(5, "15 min");
        panel.setSleepIndex(5);
        QCOMPARE(box->text(), QString("15 min"));
        QCOMPARE(HidUsbSim::callCount("ProtocolDataUpdate"), 0);
        panel.findChild<QSlider *>("StopClose")->setValue(position);
        QCOMPARE(box->text(), shown);
        QCOMPARE(HidUsbSim::callCount("ProtocolDataUpdate"), 1);
        QCOMPARE(int(DeviceProtocolData.get().SleepTime), sent);
    }
};

TALVO_TEST_MAIN(tst_StopCloseTime)
#include "tst_stopclosetime.moc"
