#include "buttoninterface.h"
#include "devicecache.h"
#include "deviceeventcallback.h"
#include "devicelinktest.h"
#include "dialog.h"
#include "formsetting.h"
#include "hubprobe.h"
#include "macro.h"
#include "sensor.h"
#include "shelltest.h"
#include "testenvironment.h"
#include "updataparam.h"

#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QToolButton>

#include <memory>

using namespace DeviceLinkTest;
using namespace ShellTest;

namespace {

const QString CacheName = QStringLiteral("Device_CID23_MID01.bin");

} // namespace

class tst_ConfigurationFrame : public QObject
{
    Q_OBJECT

private:
    HubProbe *m_probe = nullptr;
    std::unique_ptr<Dialog> m_frame;

    template<typename Widget = QToolButton>
    Widget *bar(const QString &name) const
    {
        return m_frame->findChild<QWidget *>("frame_2")->findChild<Widget *>(name);
    }

    QWidget *currentPage() const { return m_frame->findChild<QStackedWidget *>("stackedWidgetDialog")->currentWidget(); }

    // The record of the chosen device as its full read left it.
    void loadChosenRecord()
    {
        FlashDataMap record = {};
        record.DebounceTime = 6;
        DeviceProtocolData.set(record);
        g_deviceRecordLoaded = true;
        deviceCacheName.set(CacheName);
        g_selectedDeviceCacheName.set(CacheName);
    }

private slots:
    void initTestCase()
    {
        loadShippedLanguages();
        m_probe = makeWindowProbe();
    }

    void init()
    {
        resetForWindows();
        g_devicePageState = 1;
        QFile::remove(deviceCachePath(CacheName));
        m_frame = std::make_unique<Dialog>();
        m_frame->show();
        m_probe->clear();
        HidUsbSim::clearCallLog();
    }

    void cleanup()
    {
        m_frame.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void theFourPagesStandInTheirOrderBehindTheKeyPage()
    {
        auto *stack = m_frame->findChild<QStackedWidget *>("stackedWidgetDialog");
        QCOMPARE(stack->count(), 4);
        QVERIFY(qobject_cast<Buttoninterface *>(stack->widget(0)));
        QVERIFY(qobject_cast<Sensor *>(stack->widget(1)));
        QVERIFY(qobject_cast<Macro *>(stack->widget(2)));
        QVERIFY(qobject_cast<FormSetting *>(stack->widget(3)));
        QCOMPARE(currentPage(), stack->widget(0));
        QVERIFY(bar("ButtonMain")->isChecked());
        QVERIFY(bar("LightsButton")->isHidden());
        QVERIFY(bar("SetButton")->isHidden());
        QVERIFY(bar<QLabel>("label")->isHidden());
        QCOMPARE(bar<QLabel>("label_2")->text(), QString("100%"));
        QCOMPARE(m_frame->size(), QSize(1020, 700));
        QVERIFY(g_workerThread);
    }

    void thePageButtonsShowTheirPages()
    {
        QSignalSpy macroButtons(PostMsg::instance(), SIGNAL(SigAddMacroButton()));
        QTest::mouseClick(bar("SensorButton"), Qt::LeftButton);
        QVERIFY(qobject_cast<Sensor *>(currentPage()));
        QVERIFY(bar("SensorButton")->isChecked());
        QVERIFY(m_frame->findChild<QFrame *>("frame_2")->styleSheet().contains("BackGround.png"));
        // The frame's page background stays on its own frame of that name.
        QCOMPARE(currentPage()->findChild<QFrame *>("frame_3")->frameWidth(), 0);
        QTest::mouseClick(bar("MacroButton"), Qt::LeftButton);
        QVERIFY(qobject_cast<Macro *>(currentPage()));
        QTest::mouseClick(bar("FormSetting"), Qt::LeftButton);
        QVERIFY(qobject_cast<FormSetting *>(currentPage()));
        QCOMPARE(macroButtons.count(), 0);
        QTest::mouseClick(bar("ButtonMain"), Qt::LeftButton);
        QVERIFY(qobject_cast<Buttoninterface *>(currentPage()));
        QVERIFY(m_frame->findChild<QFrame *>("frame_2")->styleSheet().contains("BGButtons.png"));
        QCOMPARE(macroButtons.count(), 1);

        QTest::mouseClick(bar("SensorButton"), Qt::LeftButton);
        emit PostMsg::instance()->SigSecondPageChange();
        QVERIFY(qobject_cast<Buttoninterface *>(currentPage()));
        QVERIFY(bar("ButtonMain")->isChecked());
    }

    void theBatteryShowsLevelChargingAndALowLevelInRed()
    {
        m_frame->SlotBattery(false, 15, true);
        QCOMPARE(bar<QLabel>("label_2")->text(), QString("15%"));
        QCOMPARE(bar<QProgressBar>("progressBar")->value(), 15);
        QVERIFY(bar<QProgressBar>("progressBar")->styleSheet().contains("rgb(239, 50, 64)"));
        QVERIFY(bar<QLabel>("label")->isHidden());

        m_frame->SlotBattery(true, 16, false);
        QCOMPARE(bar<QLabel>("label_2")->text(), QString("16"));
        QVERIFY(bar<QProgressBar>("progressBar")->styleSheet().contains("rgb(255, 255, 255)"));
        QVERIFY(!bar<QLabel>("label")->isHidden());
    }

    void recordingRestsThePageButtonsButNotTheWaysOut()
    {
        const QStringList pages = {"ButtonMain", "SensorButton", "LightsButton", "MacroButton", "FormSetting"};
        emit PostMsg::instance()->SigStartRecord(0);
        for (const QString &name : pages)
            QVERIFY2(!bar(name)->isEnabled(), qPrintable(name));
        for (const char *name : {"UpArrow", "MinButton", "CloseButton"})
            QVERIFY2(bar(name)->isEnabled(), name);
        emit PostMsg::instance()->SigStartRecord(2);
        QVERIFY(!bar("ButtonMain")->isEnabled());
        emit PostMsg::instance()->SigSetMacroPage(); // the macro page stops recording
        for (const QString &name : pages)
            QVERIFY2(bar(name)->isEnabled(), qPrintable(name));
    }

    void minimisingNeverSavesTheCache()
    {
        loadChosenRecord();
        QTest::mouseClick(bar("MinButton"), Qt::LeftButton);
        QCOMPARE(m_probe->seen, QStringList({"SigChangeSize(0)"}));
        QVERIFY(!QFile::exists(deviceCachePath(CacheName)));
    }

    void closingSavesTheChosenDevicesOwnRecordOnly()
    {
        // Nothing was read from the chosen device.
        deviceCacheName.set(CacheName);
        g_selectedDeviceCacheName.set(CacheName);
        QTest::mouseClick(bar("CloseButton"), Qt::LeftButton);
        QVERIFY(!QFile::exists(deviceCachePath(CacheName)));

        // The record is another model's.
        loadChosenRecord();
        g_selectedDeviceCacheName.set("Device_CID23_MID02.bin");
        QTest::mouseClick(bar("CloseButton"), Qt::LeftButton);
        QVERIFY(!QFile::exists(deviceCachePath(CacheName)));
        QVERIFY(!QFile::exists(deviceCachePath("Device_CID23_MID02.bin")));

        loadChosenRecord();
        QTest::mouseClick(bar("CloseButton"), Qt::LeftButton);
        FlashDataMap saved;
        QVERIFY(loadDeviceConfigCache(CacheName, &saved));
        QCOMPARE(int(saved.DebounceTime), 6);
        QCOMPARE(m_probe->seen, QStringList({"SigChangeSize(1)", "SigChangeSize(1)", "SigChangeSize(1)"}));
    }

    void theBackArrowLeavesInItsOrder()
    {
        loadChosenRecord();
        QTest::mouseClick(bar("SensorButton"), Qt::LeftButton);
        m_probe->clear();
        QTest::mouseClick(bar("UpArrow"), Qt::LeftButton);
        QCOMPARE(HidUsbSim::callLog(), QStringList({"UsbServer_SetPCDriverStatus(0)", "UsbServer_Exit"}));
        QVERIFY(QFile::exists(deviceCachePath(CacheName)));
        QVERIFY(bar("ButtonMain")->isChecked());
        QCOMPARE(m_probe->seen.filter(QRegularExpression("SigChangeMainDialog|SigSetMacroPage")),
                 QStringList({"SigChangeMainDialog(0)", "SigSetMacroPage"}));
    }

    void theSettingsWaitOpensAboveTheCentreInTheModeAsked()
    {
        UpDataParam *wait = nullptr;
        QPoint placed;
        ModalCloser closer([&](QWidget *dialog) {
            wait = qobject_cast<UpDataParam *>(dialog);
            placed = dialog->pos();
            return true;
        });
        emit PostMsg::instance()->SigUpDataParam(1);
        QVERIFY(wait);
        QVERIFY(wait->waitMode);
        const QPoint corner = m_frame->mapToGlobal(QPoint(0, 0));
        QCOMPARE(placed, corner + QPoint((1020 - wait->width()) / 2, (700 - wait->height()) / 2 - 20));
        wait->waitMode = false;
        emit PostMsg::instance()->SigUpDataParam(0);
        QVERIFY(!wait->waitMode);
        QCOMPARE(closer.seen, QStringList({"UpDataParam", "UpDataParam"}));
    }

    void escapeOnTheFrameDoesNothing()
    {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QCoreApplication::sendEvent(m_frame.get(), &escape);
        QVERIFY(m_frame->isVisible());
        QVERIFY(m_probe->seen.isEmpty());
    }

    void theKeyPageStopsTheWorkerAndTheHotplugWatch()
    {
        m_frame.reset();
        QVERIFY(!g_workerThread);
        QVERIFY(HidUsbSim::callLog().contains("StopUsbChanged"));
    }
};

TALVO_TEST_MAIN(tst_ConfigurationFrame)
#include "tst_configurationframe.moc"
