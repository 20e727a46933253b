// The mouse lighting page against the simulated mouse: what each control
// writes into the device record, when the page stays silent, and how it
// shows a record.

#include "configurationsenders.h"
#include "deviceeventcallback.h"
#include "lamplight.h"
#include "languagefilereader.h"
#include "lightingtest.h"
#include "postmsg.h"
#include "testenvironment.h"

#include <QLabel>
#include <QSignalSpy>

#include <functional>
#include <memory>

using namespace DeviceLinkTest;
using namespace LightingTest;

namespace {

using PageAction = std::function<void(LampLight *)>;

struct ByteChange
{
    int offset;
    int value;
};

int recordWrites()
{
    return HidUsbSim::callCount(QStringLiteral("ProtocolDataUpdate"));
}

} // namespace

Q_DECLARE_METATYPE(PageAction)
Q_DECLARE_METATYPE(QList<ByteChange>)

class tst_LampLight : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<LampLight> m_page;
    std::unique_ptr<QSignalSpy> m_offline;

    QComboBox *modeList() const { return child<QComboBox>(m_page.get(), "LightMod"); }
    QSlider *slider(const char *name) const { return child<QSlider>(m_page.get(), name); }

    void useDesktop(std::optional<ScreenColour> pixel)
    {
        m_page->setScreenColourProbe(std::make_shared<FixedDesktop>(pixel));
    }

private slots:
    void initTestCase()
    {
        LanguageFileReader::loadLanguageFolder(QCoreApplication::applicationDirPath() + "/Language",
                                               languageTextTable);
    }

    // The page open on the online default mouse, filled from its record.
    void init()
    {
        resetAll();
        UsbServerC_Start(receiverPath().constData(), receiverPath().constData(), ignoreEvents);
        CurrentDevicePath.set(receiverPath());
        DeviceProtocolData.set(lightRecord());
        g_deviceRecordLoaded = true;
        g_deviceUiLive = true;
        g_lightUiFilling = false;
        currentLanguageIndex = 0;
        m_page = std::make_unique<LampLight>();
        m_page->show();
        useDesktop(ScreenColour{10, 20, 30});
        m_page->SlotUpDataLightUILight(lightRecord());
        DeviceProtocolData.set(lightRecord());
        HidUsbSim::clearCallLog();
        m_offline = std::make_unique<QSignalSpy>(PostMsg::instance(), SIGNAL(SigMouseOffLineo(int)));
    }

    void cleanup()
    {
        m_page.reset();
        g_deviceUiLive = false;
    }

    void aPageBuiltWhileTheDevicePagesAreLiveTurnsTheLightsOff_data()
    {
        QTest::addColumn<bool>("live");
        QTest::addColumn<int>("writes");
        QTest::newRow("live") << true << 1;
        QTest::newRow("not live") << false << 0;
    }

    void aPageBuiltWhileTheDevicePagesAreLiveTurnsTheLightsOff()
    {
        QFETCH(bool, live);
        QFETCH(int, writes);
        g_deviceUiLive = live;
        LampLight page;
        QCOMPARE(recordWrites(), writes);
        QCOMPARE(int(DeviceProtocolData.get().LightEnable), live ? 0 : 1);
        QCOMPARE(int(DeviceProtocolData.get().LightMode), 2);
    }

    void eachControlWritesItsRecordBytes_data()
    {
        QTest::addColumn<PageAction>("action");
        QTest::addColumn<QList<ByteChange>>("changes");
        const auto click = [](const char *name) {
            return PageAction([name](LampLight *page) { button(page, name)->click(); });
        };
        QTest::newRow("mode neon") << PageAction([](LampLight *page) {
            child<QComboBox>(page, "LightMod")->setCurrentIndex(4);
        }) << QList<ByteChange>{{67, 4}, {73, 1}};
        QTest::newRow("mode off keeps the effect") << PageAction([](LampLight *page) {
            child<QComboBox>(page, "LightMod")->setCurrentIndex(0);
        }) << QList<ByteChange>{{73, 0}};
        QTest::newRow("brightness released at 4") << PageAction([](LampLight *page) {
            child<QSlider>(page, "horizontalLight")->setValue(4);
        }) << QList<ByteChange>{{72, 3}};
        QTest::newRow("speed released at 10") << PageAction([](LampLight *page) {
            child<QSlider>(page, "horizontalSpeed")->setValue(10);
        }) << QList<ByteChange>{{71, 9}};
        QTest::newRow("lights off while moving") << click("RippeControl") << QList<ByteChange>{{11, 1}};
        QTest::newRow("red +1") << click("AddR") << QList<ByteChange>{{68, 1}};
        QTest::newRow("blue -1") << click("ReduceB") << QList<ByteChange>{{70, 254}};
        QTest::newRow("preset A") << click("toolButtonColorA") << QList<ByteChange>{{68, 255}, {69, 0}, {70, 0}};
        QTest::newRow("typed green") << PageAction([](LampLight *page) { box(page, "GSpinBox")->setValue(25); })
                                     << QList<ByteChange>{{69, 25}};
        QTest::newRow("idle time 5 minutes") << PageAction([](LampLight *page) {
            auto *idle = child<QComboBox>(page, "StopClose");
            idle->setCurrentIndex(3);
            QMetaObject::invokeMethod(idle, "activated", Q_ARG(int, 3));
        }) << QList<ByteChange>{{8, 30}};
        QTest::newRow("picked from the colour board") << PageAction([](LampLight *page) {
            child<QComboBox>(page, "LightMod")->setCurrentIndex(2);
            pressBoard(page, Qt::RightButton);
        }) << QList<ByteChange>{{68, 10}, {69, 20}, {70, 30}};
    }

    void eachControlWritesItsRecordBytes()
    {
        QFETCH(PageAction, action);
        QFETCH(QList<ByteChange>, changes);
        FlashDataMap expected = DeviceProtocolData.get();
        for (const ByteChange &change : changes)
            expected.bytes()[change.offset] = std::uint8_t(change.value);
        action(m_page.get());
        QCOMPARE(bytesOf(DeviceProtocolData.get()), bytesOf(expected));
        QVERIFY(recordWrites() > 0);
        QCOMPARE(m_offline->count(), 0);
    }

    void aPresetSendsEveryColourOnItsWay()
    {
        button(m_page.get(), "toolButtonColorA")->click();
        // From 0,255,255: red first, then green, then blue.
        QCOMPARE(recordWrites(), 3);
        button(m_page.get(), "toolButtonColorA")->click();
        QCOMPARE(recordWrites(), 3);
    }

    void nothingIsSentWhileFillingResettingOrWithoutChange_data()
    {
        QTest::addColumn<PageAction>("action");
        FlashDataMap other = lightRecord();
        other.LightMode = 4;
        other.LightBrightness = 0;
        other.LightR = 9;
        other.LightOffMoving = 1;
        QTest::newRow("a device record") << PageAction([other](LampLight *page) {
            page->SlotUpDataLightUILight(other);
        });
        QTest::newRow("an imported record") << PageAction([other](LampLight *page) {
            page->SlotUpDataLightUIA(other);
        });
        QTest::newRow("reset") << PageAction([](LampLight *page) { page->SlotFormResetLight(); });
        QTest::newRow("+1 at the top") << PageAction([](LampLight *page) { button(page, "AddG")->click(); });
        QTest::newRow("a board press without pixel") << PageAction([](LampLight *page) {
            page->setScreenColourProbe(std::make_shared<FixedDesktop>(std::nullopt));
            pressBoard(page);
        });
        QTest::newRow("pages not live") << PageAction([](LampLight *page) {
            g_deviceUiLive = false;
            child<QSlider>(page, "horizontalLight")->setValue(2);
            button(page, "AddR")->click();
            child<QComboBox>(page, "LightMod")->setCurrentIndex(5);
        });
    }

    void nothingIsSentWhileFillingResettingOrWithoutChange()
    {
        QFETCH(PageAction, action);
        child<QComboBox>(m_page.get(), "LightMod")->setCurrentIndex(2);
        HidUsbSim::clearCallLog();
        const QList<int> colour = colourOf(m_page.get());
        action(m_page.get());
        QCOMPARE(recordWrites(), 0);
        QCOMPARE(m_offline->count(), 0);
        QVERIFY(!g_lightUiFilling);
        if (QByteArray(QTest::currentDataTag()) == "a board press without pixel")
            QCOMPARE(colourOf(m_page.get()), colour);
    }

    void theControlsShowTheRecord_data()
    {
        QTest::addColumn<int>("brightnessByte");
        QTest::addColumn<int>("speedByte");
        QTest::addColumn<int>("enable");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("offMoving");
        QTest::addColumn<int>("sleep");
        QTest::addColumn<int>("brightness");
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("modeIndex");
        QTest::addColumn<int>("idleIndex");
        QTest::newRow("breathing") << 5 << 3 << 1 << 2 << 0 << 30 << 6 << 4 << 2 << 3;
        QTest::newRow("limits") << 0 << 9 << 1 << 3 << 1 << 240 << 1 << 10 << 3 << 10;
        QTest::newRow("lights off shows off whatever the effect") << 5 << 3 << 0 << 4 << 1 << 1 << 6 << 4 << 0 << 0;
        QTest::newRow("an unknown effect leaves no current mode") << 5 << 3 << 1 << 7 << 0 << 6 << 6 << 4 << -1 << 2;
        QTest::newRow("bytes above nine show ten") << 200 << 12 << 1 << 1 << 0 << 6 << 10 << 10 << 1 << 2;
        QTest::newRow("an idle time the list lacks keeps it") << 5 << 3 << 1 << 2 << 0 << 2 << 6 << 4 << 2 << 2;
    }

    void theControlsShowTheRecord()
    {
        QFETCH(int, brightnessByte);
        QFETCH(int, speedByte);
        QFETCH(int, enable);
        QFETCH(int, mode);
        QFETCH(int, offMoving);
        QFETCH(int, sleep);
        QFETCH(int, brightness);
        QFETCH(int, speed);
        QFETCH(int, modeIndex);
        QFETCH(int, idleIndex);
        FlashDataMap record = lightRecord();
        record.LightBrightness = std::uint8_t(brightnessByte);
        record.LightSpeed = std::uint8_t(speedByte);
        record.LightEnable = std::uint8_t(enable);
        record.LightMode = std::uint8_t(mode);
        record.LightOffMoving = std::uint8_t(offMoving);
        record.SleepTime = std::uint8_t(sleep);
        record.LightR = 7;
        button(m_page.get(), "RippeControl")->setChecked(true);
        m_page->SlotUpDataLightUILight(record);
        QCOMPARE(slider("horizontalLight")->value(), brightness);
        QCOMPARE(box(m_page.get(), "LightSpinBox_2")->value(), brightness);
        QCOMPARE(slider("horizontalSpeed")->value(), speed);
        QCOMPARE(box(m_page.get(), "SpeedSpinBox_2")->value(), speed);
        QCOMPARE(modeList()->currentIndex(), modeIndex);
        QCOMPARE(child<QComboBox>(m_page.get(), "StopClose")->currentIndex(), idleIndex);
        // The switch follows the record both ways.
        QCOMPARE(button(m_page.get(), "RippeControl")->isChecked(), offMoving != 0);
        QCOMPARE(colourOf(m_page.get()), (QList<int>{7, 255, 255}));
        QVERIFY(child<QLabel>(m_page.get(), "labelPreView")->styleSheet().contains("rgb(7,255,255)"));
    }

    void theMousesLightSettingsReachThePageFromTheLibrarysThread()
    {
        UsbServerC_Start(receiverPath().constData(), receiverPath().constData(), deviceEventCallback);
        ProtocolDataUpdate(lightRecord().bytes());
        m_page->SlotFormResetLight();
        HidUsbSim::clearCallLog();
        UsbServer_ReadLedBar();
        QTRY_COMPARE(modeList()->currentIndex(), 2);
        QCOMPARE(slider("horizontalLight")->value(), 6);
        QCOMPARE(slider("horizontalSpeed")->value(), 4);
        QCOMPARE(colourOf(m_page.get()), (QList<int>{0, 255, 255}));
        QCOMPARE(recordWrites(), 0);
    }

    void anImportedRecordHoldsTheSlidersUntilTheDeviceReports()
    {
        m_page->SlotUpDataLightUIA(lightRecord());
        QVERIFY(!slider("horizontalLight")->isEnabled());
        QVERIFY(!slider("horizontalSpeed")->isEnabled());
        m_page->SlotFormResetLight();
        QVERIFY(!slider("horizontalLight")->isEnabled());
        m_page->SlotUpDataLightUILight(lightRecord());
        QVERIFY(slider("horizontalLight")->isEnabled());
        QVERIFY(slider("horizontalSpeed")->isEnabled());
    }

    void resettingShowsTheDefaultsAndKeepsTheColour()
    {
        child<QComboBox>(m_page.get(), "StopClose")->setCurrentIndex(7);
        m_page->SlotFormResetLight();
        QCOMPARE(child<QComboBox>(m_page.get(), "StopClose")->currentIndex(), 2);
        QCOMPARE(modeList()->currentIndex(), 1);
        QCOMPARE(slider("horizontalLight")->value(), 10);
        QCOMPARE(box(m_page.get(), "LightSpinBox_2")->value(), 10);
        QCOMPARE(slider("horizontalSpeed")->value(), 8);
        QCOMPARE(box(m_page.get(), "SpeedSpinBox_2")->value(), 8);
        QVERIFY(button(m_page.get(), "RippeControl")->isChecked());
        QCOMPARE(colourOf(m_page.get()), (QList<int>{0, 255, 255}));
    }

    void anOfflineMouseStopsStepsPresetsAndPicksWithOneReport_data()
    {
        QTest::addColumn<PageAction>("action");
        QTest::newRow("+1") << PageAction([](LampLight *page) { button(page, "AddR")->click(); });
        QTest::newRow("preset") << PageAction([](LampLight *page) { button(page, "toolButtonColorA")->click(); });
        QTest::newRow("colour board") << PageAction([](LampLight *page) { pressBoard(page); });
    }

    void anOfflineMouseStopsStepsPresetsAndPicksWithOneReport()
    {
        QFETCH(PageAction, action);
        HidUsbSim::setMousePower(QStringLiteral("Mouse1"), false);
        action(m_page.get());
        QCOMPARE(m_offline->count(), 1);
        QCOMPARE(colourOf(m_page.get()), (QList<int>{0, 255, 255}));
        QCOMPARE(recordWrites(), 0);
    }

    void eachModeShowsTheControlsItUses_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("brightness");
        QTest::addColumn<bool>("speed");
        QTest::addColumn<bool>("colour");
        QTest::newRow("off") << 0 << false << false << false;
        QTest::newRow("colour flow") << 1 << true << true << false;
        QTest::newRow("breathing") << 2 << true << true << true;
        QTest::newRow("steady") << 3 << true << false << true;
        QTest::newRow("neon") << 4 << true << true << false;
        QTest::newRow("mixed breathing") << 5 << true << true << false;
    }

    void eachModeShowsTheControlsItUses()
    {
        QFETCH(int, mode);
        QFETCH(bool, brightness);
        QFETCH(bool, speed);
        QFETCH(bool, colour);
        const auto shown = [this](const char *name) { return !child<QWidget>(m_page.get(), name)->isHidden(); };
        modeList()->setCurrentIndex(mode);
        QCOMPARE(shown("horizontalLight"), brightness);
        QCOMPARE(shown("LightSpinBox_2"), brightness);
        QCOMPARE(shown("line"), !brightness);
        QCOMPARE(shown("horizontalSpeed"), speed);
        QCOMPARE(shown("SpeedSpinBox_2"), speed);
        QCOMPARE(shown("line_2"), !speed);
        for (const char *name : {"label_7", "labelPreView", "RSpinBox", "AddB", "toolButtonColorN", "label_13"})
            QCOMPARE(shown(name), colour);
        // No current item changes nothing.
        modeList()->setCurrentIndex(-1);
        QCOMPARE(shown("horizontalSpeed"), speed);
        QCOMPARE(shown("RSpinBox"), colour);
    }

    void theTextsAreThoseTheLightSectionHoldsForEachPosition_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("russian");
        QTest::newRow("mode caption") << "label" << "Light mode" << "Режим подсветки";
        QTest::newRow("brightness") << "label_2" << "Brightness" << "Яркость";
        QTest::newRow("speed") << "label_3" << "Speed" << "Скорость";
        QTest::newRow("idle time") << "label_5" << "Lights off when idle for" << "Гасить подсветку в простое через";
        QTest::newRow("custom colour") << "label_6" << "Custom colour" << "Свой цвет";
        QTest::newRow("blue") << "label_12" << "B:" << "B:";
        QTest::newRow("last mode") << "LightMod" << "Breathing, mixed colours" << "Дыхание, смешанные цвета";
        QTest::newRow("last idle time") << "StopClose" << "40 minutes" << "40 минут";
    }

    void theTextsAreThoseTheLightSectionHoldsForEachPosition()
    {
        QFETCH(QString, name);
        QFETCH(QString, english);
        QFETCH(QString, russian);
        const auto shownText = [&] {
            if (auto *list = m_page->findChild<QComboBox *>(name))
                return list->itemText(list->count() - 1);
            return m_page->findChild<QLabel *>(name)->text();
        };
        emit PostMsg::instance()->SigAllLanguage(1);
        QCOMPARE(shownText(), russian);
        emit PostMsg::instance()->SigAllLanguage(0);
        QCOMPARE(shownText(), english);
    }
};

TALVO_TEST_MAIN(tst_LampLight)
#include "tst_lamplight.moc"
