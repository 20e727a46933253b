// The sensor page against a simulated mouse of each model of Config.ini:
// what it shows of the mouse's record and of the device's reports, its
// defaults, and the three settings it sends itself.

#include "paneltest.h"
#include "postmsg.h"
#include "sensor.h"
#include "testenvironment.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QSlider>
#include <QThread>

using namespace PanelTest;

namespace {

const char *const LevelButtons[] = {"BlueButton",  "BrightRedButton", "RedButton",       "YellowButton",
                                    "GreenButton", "PurpleButton",    "LightBlueButton", "LightYellowButton"};
const char *const RateButtons[] = {"Button125HZ",  "Button250HZ",  "Button500HZ", "Button1000HZ",
                                   "Button2000HZ", "Button4000HZ", "Button8000HZ"};

// One mouse of `model` behind a receiver of `kind`, chosen, its record read.
FlashDataMap chooseMouse(int model, int kind, bool wired = false)
{
    openDefaultMouse();
    // A cable's kind is the chosen device's; the receiver beside it keeps one of its own.
    DeviceLinkTest::loadScenario(QStringLiteral("[Receiver1]\nKind=%1\nMouse=Mouse1\n[Mouse1]\nMid=%2\n")
                                     .arg(wired ? 5 : kind)
                                     .arg(model)
                                     .toLatin1());
    DeviceProtocolData.set(DeviceLinkTest::recordOf(HidUsbSim::storedConfiguration("Mouse1", 0)));
    HidUsbSim::clearCallLog();
    DeviceAllInfo device = DeviceLinkTest::chosenReceiver();
    device.driveIndex = model - 1;
    device.kind = std::uint8_t(kind);
    device.isWired = wired;
    CurrentDevice.set(device);
    return DeviceProtocolData.get();
}

// The texts of the shown buttons, or a 1 for each shown button and a 0 for
// each hidden one.
QString shown(QWidget *page, const QList<const char *> &names, bool texts)
{
    QStringList seen;
    for (const char *name : names) {
        auto *button = child<QAbstractButton>(page, name);
        if (!texts)
            seen << (button->isHidden() ? "0" : "1");
        else if (!button->isHidden())
            seen << button->text();
    }
    return seen.join(texts ? "," : "");
}

int checkedLevel(QWidget *page)
{
    for (int level = 0; level < 8; ++level) {
        if (child<QAbstractButton>(page, LevelButtons[level])->isChecked())
            return level;
    }
    return -1;
}

} // namespace

class tst_SensorPage : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        openDefaultMouse();
    }

    // The simulated mice start with their model's default levels. The record
    // and the reports come from the device thread, which waits for the page.
    void aRecordAndTheDevicesReportsAreShownAndNothingIsSent_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("damaged"); // no count, level 9, mode 5, a model Config.ini lacks
        QTest::addColumn<QString>("levels");
        QTest::addColumn<QString>("rates");
        QTest::addColumn<bool>("reduced");
        QTest::addColumn<int>("highest"); // the slider's; without a DPI range its default
        QTest::addColumn<bool>("live"); // whether the page may send when the reports come
        QTest::newRow("model 1 on an 8000 Hz receiver")
            << 1 << 5 << false << "400,800,1600,3200,6400,12800,19200,30000" << "1111111" << false << 30000 << true;
        QTest::newRow("model 2 on a 4000 Hz receiver")
            << 2 << 1 << false << "400,800,1600,3200,6400,12800" << "1111110" << true << 26000 << true;
        QTest::newRow("model 3 on a 2000 Hz receiver")
            << 3 << 4 << false << "400,800,1600,3200,6400,12800,25600,42000" << "1111100" << false << 42000 << true;
        QTest::newRow("model 4 on a 1000 Hz receiver")
            << 4 << 0 << false << "400,800,1200,1600,2400,3200" << "1111000" << true << 3200 << true;
        QTest::newRow("a damaged record of an unknown model")
            << 42 << 5 << true << "100,200,200,100,100,200,100,200" << "1111111" << false << 26000 << true;
        QTest::newRow("reports while the page may not send")
            << 4 << 0 << false << "400,800,1200,1600,2400,3200" << "1111000" << true << 3200 << false;
    }

    void aRecordAndTheDevicesReportsAreShownAndNothingIsSent()
    {
        QFETCH(int, model);
        QFETCH(int, kind);
        QFETCH(bool, damaged);
        QFETCH(QString, levels);
        QFETCH(QString, rates);
        QFETCH(bool, reduced);
        QFETCH(int, highest);
        QFETCH(bool, live);
        FlashDataMap record = chooseMouse(model, kind);
        if (damaged) {
            record.DPIGradeCount = 0;
            record.CurrentDPIGrade = 9;
            record.ModelChoose = 5;
        }
        Sensor page;
        g_sensorUiApplied = false;
        std::atomic<bool> appliedWhenBack{false};
        QThread *device = QThread::create([&] {
            PostMsg::emitBlocking(&PostMsg::SigUpDataLightSensor, record);
            appliedWhenBack = g_sensorUiApplied.load();
        });
        device->start();
        QTRY_VERIFY(device->isFinished());
        delete device;
        QVERIFY(appliedWhenBack);
        auto *count = child<QComboBox>(&page, "ChooseEvent");
        QCOMPARE(shown(&page, {std::begin(LevelButtons), std::end(LevelButtons)}, true), levels);
        QCOMPARE(count->count(), damaged ? 0 : levels.count(',') + 1);
        QCOMPARE(count->currentIndex(), damaged ? -1 : levels.count(','));
        QCOMPARE(checkedLevel(&page), damaged ? -1 : 1);
        QCOMPARE(shown(&page, {std::begin(RateButtons), std::end(RateButtons)}, false), rates);
        QCOMPARE(child<QLabel>(&page, "label_5")->isHidden(), reduced);
        QCOMPARE(child<QWidget>(&page, "frame")->isHidden(), damaged); // every model has ripple control
        QCOMPARE(child<QSlider>(&page, "horizontalSliderC")->maximum(), highest);

        g_deviceUiLive = live;
        for (int code : {8, 64, 48})
            page.SlotUpDataReportRate(code);
        page.SlotHideModel(1);
        page.SlotHideModel(0);
        page.SlotUpDataDPI(9);
        page.SlotUpDataDPI(3);
        record.DPILedEnable = 1;
        record.DPILedMode = 1;
        record.DPILedBrightness = 100;
        page.SlotUpDataDPILed(record);
        QCOMPARE(checkedLevel(&page), 3);
        QCOMPARE(child<QLabel>(&page, "label_8")->pos(), QPoint(300, 154));
        QCOMPARE(g_deviceUiLive.load(), live);
        QVERIFY(!g_sensorUiFilling);
        QCOMPARE(recordsSent(), 0);
    }

    // The sensor mode list gets its selection-coloured view only when the
    // page first shows, long after the record hid the "Corded" mode.
    void theModeListKeepsWhatTheRecordHidOnceThePageShows()
    {
        FlashDataMap record = chooseMouse(1, 5);
        record.ReportRate = 8;
        record.ModelChoose = 1;
        Sensor page;
        page.SlotUpDataSenSorUIB(record);
        auto *modes = child<QComboBox>(&page, "ModelChoose");
        const auto cordedHidden = [modes] { return static_cast<QListView *>(modes->view())->isRowHidden(2); };
        QVERIFY(cordedHidden());
        page.show();
        QVERIFY(QTest::qWaitForWindowExposed(&page));
        QVERIFY(cordedHidden());
        QCOMPARE(modes->currentIndex(), 1);

        page.SlotUpDataReportRate(64);
        QVERIFY(!cordedHidden());
        QCOMPARE(modes->currentIndex(), 2);
        QVERIFY(!modes->isEnabled());
        QCOMPARE(recordsSent(), 0);
    }

    void theDefaultsFollowTheConnection_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("wired");
        QTest::addColumn<QString>("rates");
        QTest::addColumn<int>("rate");
        QTest::addColumn<int>("mode");
        QTest::newRow("1000 Hz receiver") << 0 << false << "1111000" << 3 << 0;
        QTest::newRow("4000 Hz receiver") << 1 << false << "1111110" << 3 << 2;
        QTest::newRow("8000 Hz receiver") << 5 << false << "1111111" << 6 << 2;
        QTest::newRow("a mouse on its cable") << 2 << true << "1111000" << 3 << 2;
    }

    void theDefaultsFollowTheConnection()
    {
        QFETCH(int, kind);
        QFETCH(bool, wired);
        QFETCH(QString, rates);
        QFETCH(int, rate);
        QFETCH(int, mode);
        chooseMouse(1, kind, wired);
        Sensor page;
        page.SlotFormReset();
        QCOMPARE(shown(&page, {std::begin(RateButtons), std::end(RateButtons)}, false), rates);
        QVERIFY(child<QAbstractButton>(&page, RateButtons[rate])->isChecked());
        QCOMPARE(child<QComboBox>(&page, "ModelChoose")->currentIndex(), mode);
        QCOMPARE(child<QComboBox>(&page, "ChooseEvent")->currentIndex(), 4);
        QCOMPARE(shown(&page, {std::begin(LevelButtons), std::end(LevelButtons)}, true), "400,800,1600,3200,6400");
        QCOMPARE(checkedLevel(&page), 1);
        QCOMPARE(recordsSent(), 0);
    }

    void thePageSendsTheSensorModeAndFullPerformance_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("value"); // -1: nothing sent
        QTest::newRow("high-performance mode") << "ModelChoose" << 1 << 14 << 1;
        QTest::newRow("the corded mode is never sent") << "ModelChoose" << 2 << 14 << -1;
        QTest::newRow("two minutes of full performance") << "PerformanceOpen" << 2 << 13 << 12;
        QTest::newRow("full performance on") << "Performance" << 0 << 12 << 1;
    }

    void thePageSendsTheSensorModeAndFullPerformance()
    {
        QFETCH(QString, control);
        QFETCH(int, index);
        QFETCH(int, offset);
        QFETCH(int, value);
        Sensor page;
        presetRecordByte(offset, 0);
        if (control == "Performance")
            child<QCheckBox>(&page, "Performance")->click();
        else
            child<QComboBox>(&page, qPrintable(control))->setCurrentIndex(index);
        QCOMPARE(recordsSent(), value < 0 ? 0 : 1);
        QCOMPARE(recordByte(offset), qMax(value, 0));
    }
};

TALVO_TEST_MAIN(tst_SensorPage)
#include "tst_sensorpage.moc"
