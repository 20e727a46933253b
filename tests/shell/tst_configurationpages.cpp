// The four pages of the configuration frame as far as they stand: their
// titles, the flags the settings-update wait relies on, the versions on the
// settings page and the debounce-time panel of the key-assignment page.

#include "buttoninterface.h"
#include "debouncetime.h"
#include "devicelinktest.h"
#include "formsetting.h"
#include "hubprobe.h"
#include "macro.h"
#include "sensor.h"
#include "shelltest.h"
#include "testenvironment.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalSpy>

#include <memory>

using namespace DeviceLinkTest;
using namespace ShellTest;

namespace {

FlashDataMap recordWithDebounce(int milliseconds)
{
    FlashDataMap record = {};
    record.DebounceTime = std::uint8_t(milliseconds);
    record.SleepTime = 3;
    return record;
}

QString labelText(QWidget *page, const char *name)
{
    return page->findChild<QLabel *>(QLatin1String(name))->text();
}

} // namespace

class tst_ConfigurationPages : public QObject
{
    Q_OBJECT

private:
    HubProbe *m_probe = nullptr;
    std::unique_ptr<Buttoninterface> m_keys;

    QComboBox *debounceList() const { return m_keys->findChild<QComboBox *>("Debunce"); }
    DebounceTime *debounce() const { return m_keys->findChild<DebounceTime *>("DebunceButton"); }

    // The receiver chosen, online and its record read.
    void chooseOnlineDevice()
    {
        CurrentDevice.set(chosenReceiver());
        CurrentDevicePath.set(receiverPath());
        g_deviceRecordLoaded = true;
        g_deviceUiLive = true;
    }

private slots:
    void initTestCase()
    {
        loadShippedLanguages();
        m_probe = makeWindowProbe();
    }

    void init()
    {
        resetAll();
        currentLanguageIndex = 0;
        g_deviceUiLive = false;
        g_buttonUiApplied = false;
        g_sensorUiApplied = false;
        m_keys = std::make_unique<Buttoninterface>();
        m_keys->show();
        emit PostMsg::instance()->SigAllLanguage(0);
        m_probe->clear();
        HidUsbSim::clearCallLog();
    }

    void cleanup()
    {
        m_keys.reset();
    }

    void everyPageShowsItsTitleInTheCurrentLanguage()
    {
        Sensor sensor;
        Macro macro;
        FormSetting settings;
        for (int language : {0, 1}) {
            emit PostMsg::instance()->SigAllLanguage(language);
            QCOMPARE(labelText(m_keys.get(), "label_3"), languageText(LanguageSection::Buttoninterface, language, 49));
            QCOMPARE(labelText(&sensor, "label_5"), languageText(LanguageSection::Sensor, language, 2));
            QCOMPARE(labelText(&macro, "label"), languageText(LanguageSection::Macro, language, 0));
            QCOMPARE(labelText(&settings, "label_3"), languageText(LanguageSection::FormSetting, language, 2));
            QCOMPARE(g_updateWarningText, languageText(LanguageSection::FormSetting, language, 14));
            QCOMPARE(debounceList()->itemText(12), "12" + languageText(LanguageSection::Buttoninterface, language, 57));
        }
    }

    void theKeyPageAcknowledgesADeviceRecordAndShowsItsDebounceTime()
    {
        m_keys->SlotUpDataButtonUIButton(recordWithDebounce(11));
        QVERIFY(g_buttonUiApplied);
        QVERIFY(!g_buttonUiFilling);
        QCOMPARE(debounce()->debounceIndex(), 11);
        QVERIFY(m_probe->seen.isEmpty()); // not live: nothing was sent or reported

        g_buttonUiApplied = false;
        m_keys->SlotUpDataButtonUIB(recordWithDebounce(2));
        QVERIFY(!g_buttonUiApplied); // an imported record is no device acknowledgement
        QCOMPARE(debounce()->debounceIndex(), 2);
    }

    void theKeyPageResetsToFourMilliseconds()
    {
        QSignalSpy sleep(PostMsg::instance(), SIGNAL(SigLightToFrom(int)));
        m_keys->SlotFormResetButton();
        QCOMPARE(debounce()->debounceIndex(), 4);
        QCOMPARE(m_probe->seen, QStringList({"SigMouseIndex(0)"}));
        QCOMPARE(sleep.count(), 1);
        QCOMPARE(sleep.first().first().toInt(), 60);
    }

    void theSensorPageAcknowledgesOnlyDeviceRecords()
    {
        Sensor sensor;
        sensor.SlotUpDataSenSorUIB(recordWithDebounce(1));
        QVERIFY(!g_sensorUiApplied);
        sensor.SlotUpDataSenSorUISensor(recordWithDebounce(1));
        QVERIFY(g_sensorUiApplied);
        QVERIFY(!g_sensorUiFilling);
    }

    void theMacroPageStopsRecordingWhenTheFrameIsLeft()
    {
        Macro macro;
        QSignalSpy recording(PostMsg::instance(), SIGNAL(SigStartRecord(int)));
        emit PostMsg::instance()->SigSetMacroPage();
        QCOMPARE(recording.count(), 1);
        QCOMPARE(recording.first().first().toInt(), 1);
    }

    void theSettingsPageShowsTheVersionsOfTheOpenedDevice()
    {
        FormSetting settings;
        DeviceAllInfo device = chosenReceiver();
        device.mouseVersion = "v2.13";
        CurrentDevice.set(device);
        settings.SetVer(0);
        QCOMPARE(labelText(&settings, "label_5"), QString("v1.5"));
        QCOMPARE(labelText(&settings, "label_7"), QString("v2.13"));
        settings.SetVer(4);
        QCOMPARE(labelText(&settings, "label_7"), QString("v2.13"));
        settings.SetVer(6);
        QVERIFY(labelText(&settings, "label_5").isEmpty());
        QVERIFY(labelText(&settings, "label_7").isEmpty());
        emit PostMsg::instance()->SigLabelTextB("v1.7", "true");
        QCOMPARE(labelText(&settings, "label_5"), QString("v1.7"));
    }

    void aChosenDebounceTimeIsSentAndAShortOneWarns()
    {
        chooseOnlineDevice();
        QPoint placed;
        ModalCloser closer([&](QWidget *dialog) {
            placed = dialog->pos();
            return true;
        });
        debounceList()->setCurrentIndex(8);
        QCOMPARE(int(DeviceProtocolData.get().DebounceTime), 8);
        QCOMPARE(HidUsbSim::callCount("ProtocolDataUpdate"), 1);
        QVERIFY(closer.seen.isEmpty());

        debounceList()->setCurrentIndex(7);
        QCOMPARE(int(DeviceProtocolData.get().DebounceTime), 7);
        QCOMPARE(closer.seen, QStringList({"LessThree"}));
        const QPoint corner = debounce()->mapToGlobal(QPoint(0, 0));
        QCOMPARE(placed, corner + QPoint((debounce()->width() - 300) / 2 - 409, (debounce()->height() - 140) / 2 - 202));
    }

    void aDebounceTimeFromTheDeviceIsSentAgainWithoutWarning()
    {
        chooseOnlineDevice();
        ModalCloser closer;
        m_keys->SlotUpDataButtonUIButton(recordWithDebounce(3));
        QCOMPARE(int(DeviceProtocolData.get().DebounceTime), 3);
        QVERIFY(closer.seen.isEmpty());
    }

    void nothingIsSentWhileTheDevicePageIsNotLive()
    {
        ModalCloser closer;
        debounceList()->setCurrentIndex(1);
        QCOMPARE(HidUsbSim::callCount("ProtocolDataUpdate"), 0);
        QVERIFY(closer.seen.isEmpty());
    }

    void anOfflineDeviceIsReportedUnlessThePageFillsItself()
    {
        chooseOnlineDevice();
        HidUsbSim::setMousePower("Mouse1", false);
        ModalCloser closer;
        debounceList()->setCurrentIndex(10);
        QCOMPARE(m_probe->count("SigMouseOffLineo(0)"), 1);
        m_keys->SlotUpDataButtonUIButton(recordWithDebounce(12));
        QCOMPARE(m_probe->count("SigMouseOffLineo(0)"), 1);
    }
};

TALVO_TEST_MAIN(tst_ConfigurationPages)
#include "tst_configurationpages.moc"
