// The settings page: the language choice, starting at login, pairing, the
// mouse settings, scrolling, the sleep time, and the receiver's long-range
// mode and LED indicator as far as the model and the receiver have them.

#include "autostart.h"
#include "childwidget.h"
#include "devicelinktest.h"
#include "formsetting.h"
#include "hubprobe.h"
#include "macroinistore.h"
#include "shelltest.h"
#include "testenvironment.h"
#include "updatewarning.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>

using namespace DeviceLinkTest;

namespace {

const QByteArray Receiver4kScenario = R"([Receiver1]
Kind=1
Pid=0x5A14
Id=0x21,0x43,0x65
Mouse=Mouse1
LongRange=0
LightMode=1
[Mouse1]
Cid=35
Mid=1
)";

// The receiver of the 4000 Hz class, chosen and answering.
DeviceAllInfo chosen4kReceiver()
{
    DeviceAllInfo device = chosenReceiver();
    device.kind = 1;
    device.pid = "0x5A14";
    device.path = QString::fromLatin1(receiverPath());
    return device;
}


} // namespace

class tst_FormSetting : public QObject
{
    Q_OBJECT

private:
    HubProbe *m_probe = nullptr;

private slots:
    void initTestCase()
    {
        ShellTest::loadShippedLanguages();
        m_probe = ShellTest::makeWindowProbe();
    }

    void init()
    {
        resetAll();
        currentLanguageIndex = 0;
        m_probe->clear();
    }

    void onlyAUsersLanguageChoiceIsWrittenAndTold()
    {
        FormSetting page;
        QSignalSpy toSelection(PostMsg::instance(), SIGNAL(SigLanguageSameA(int)));
        auto *list = child<QComboBox>(&page, "comboBox");
        list->setCurrentIndex(1);
        emit list->activated(1);
        QCOMPARE(MacroIniStore::instance()->value("Language", "Language"), QString("1"));
        QCOMPARE(currentLanguageIndex, 1);
        QCOMPARE(m_probe->seen, QStringList{"SigAllLanguage(1)"});
        QCOMPARE(toSelection.count(), 1);
        QCOMPARE(child<QLabel>(&page, "label_5")->pos(), QPoint(280, 155));
        QCOMPARE(child<QWidget>(&page, "Receive_2")->pos(), QPoint(330, 170));
        QCOMPARE(child<QLabel>(&page, "label_3")->text(), languageText(LanguageSection::FormSetting, 1, 2));

        m_probe->clear();
        emit PostMsg::instance()->SigLanguageSameB(0);
        QCOMPARE(list->currentIndex(), 0);
        QCOMPARE(MacroIniStore::instance()->value("Language", "Language"), QString("1"));
        QCOMPARE(m_probe->seen, QStringList{"SigLanguageSameB(0)"}); // no language switch of its own
        QCOMPARE(toSelection.count(), 1);
    }

    void startingAtLoginFollowsTheStoredChoiceAndTheBox_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("checked");

        QTest::newRow("nothing stored") << "" << false;
        QTest::newRow("1") << "1" << true;
        QTest::newRow("0") << "0" << false;
        QTest::newRow("another number") << "2" << false;
    }

    void startingAtLoginFollowsTheStoredChoiceAndTheBox()
    {
        QFETCH(QString, stored);
        QFETCH(bool, checked);
        MacroIniStore::instance()->setValue("AutoStart", "Enable", stored);
        FormSetting page;
        auto *box = child<QCheckBox>(&page, "checkBox");
        QCOMPARE(box->isChecked(), checked);

        const QString entry = AutoStart::entryPath(QCoreApplication::applicationName());
        box->click();
        QCOMPARE(MacroIniStore::instance()->value("AutoStart", "Enable"), checked ? QString("0") : QString("1"));
        QCOMPARE(QFile::exists(entry), !checked);
        box->click();
        QCOMPARE(QFile::exists(entry), checked);
    }

    void theReceiverSectionsShowWhatTheModelAndTheReceiverHave_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("wired");
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("advancedAfterRead");
        QTest::addColumn<bool>("ledAfterReport");

        // Config.ini's model 1 has both features, model 2 neither.
        QTest::newRow("a receiver of the 4000 Hz class") << 0 << false << 1 << true << true;
        QTest::newRow("a receiver of the 8000 Hz class") << 0 << false << 5 << true << false;
        QTest::newRow("the mouse on its cable") << 0 << true << 3 << false << false;
        QTest::newRow("a model without either") << 1 << false << 1 << false << false;
    }

    void theReceiverSectionsShowWhatTheModelAndTheReceiverHave()
    {
        QFETCH(int, model);
        QFETCH(bool, wired);
        QFETCH(int, kind);
        QFETCH(bool, advancedAfterRead);
        QFETCH(bool, ledAfterReport);
        DeviceAllInfo device = chosenReceiver();
        device.driveIndex = model;
        device.isWired = wired;
        device.kind = std::uint8_t(kind);
        CurrentDevice.set(device);
        FormSetting page;
        page.show();
        auto *longRange = child<QCheckBox>(&page, "checkBox_2");
        auto *content = child<QWidget>(&page, "scrollAreaWidgetContents");
        QVERIFY(!longRange->isVisible() && !child<QWidget>(&page, "ReUntil")->isVisible());

        DongleRGB light = {{2}};
        page.SlotRGBValue(&light);
        QCOMPARE(child<QWidget>(&page, "textEdit_3")->isVisible(), ledAfterReport);
        QCOMPARE(child<QCheckBox>(&page, "ReUntil_2")->isChecked(), ledAfterReport);
        QCOMPARE(content->height(), ledAfterReport ? 860 : 710);
        QCOMPARE(child<QWidget>(&page, "pushButton_3")->y(), ledAfterReport ? 790 : 640);

        page.SlotForm();
        QCOMPARE(longRange->isVisible(), advancedAfterRead);
        QVERIFY(!child<QWidget>(&page, "ReUntil")->isVisible());
        QCOMPARE(content->height(), 710);

        // A report of long range shows the section whatever the link.
        page.SlotLongRangeMode(true);
        QCOMPARE(longRange->isVisible(), model == 0);
        QCOMPARE(longRange->isChecked(), model == 0);
        page.SlotFormResetForm();
        QVERIFY(!longRange->isVisible() && !longRange->isChecked());
    }

    void receiverChangesReachALiveAnsweringReceiverAndStayWithIt_data()
    {
        QTest::addColumn<bool>("live");
        QTest::addColumn<bool>("online");

        QTest::newRow("live and answering") << true << true;
        QTest::newRow("the device pages not live") << false << true;
        QTest::newRow("the mouse off") << true << false;
    }

    void receiverChangesReachALiveAnsweringReceiverAndStayWithIt()
    {
        QFETCH(bool, live);
        QFETCH(bool, online);
        QVERIFY(loadScenario(Receiver4kScenario));
        CurrentDevice.set(chosen4kReceiver());
        CurrentDevicePath.set(receiverPath());
        FormSetting page;
        DongleRGB light = {{1}};
        page.SlotRGBValue(&light); // the receiver's reported mode 1
        HidUsbSim::setMousePower("Mouse1", online);
        g_deviceUiLive = live;
        HidUsbSim::clearCallLog();
        m_probe->clear();

        child<QCheckBox>(&page, "ReUntil_3")->click();
        child<QCheckBox>(&page, "checkBox_2")->click();
        const bool sent = live && online;
        QCOMPARE(HidUsbSim::callCount("UsbFinderC_Set4KDongleRGB"), sent ? 1 : 0);
        QCOMPARE(HidUsbSim::callCount("UsbFinderC_SetLongRangeMode"), sent ? 1 : 0);
        // Unchecking mode 1 reports an offline device as well.
        QCOMPARE(m_probe->count("SigMouseOffLineo(0)"), live && !online ? 3 : 0);
        QVERIFY(child<QCheckBox>(&page, "ReUntil_3")->isChecked());

        QVERIFY(loadScenario(Receiver4kScenario)); // the next run of the program
        unsigned char kept[HIDUSB_DONGLE_RGB_SIZE] = {};
        UsbFinderC_Get4KDongleRGBValue(receiverPath().constData(), kept);
        unsigned char longRange = 9;
        UsbFinderC_GetLongRangeMode(receiverPath().constData(), &longRange);
        QCOMPARE(int(kept[0]), sent ? 3 : 1);
        QCOMPARE(int(longRange), sent ? 1 : 0);
        QDir(qEnvironmentVariable("XDG_STATE_HOME") + "/Talvo Lumerant 4K").removeRecursively();
    }

    void aReportedModeIsSentBackOnce()
    {
        QVERIFY(loadScenario(Receiver4kScenario));
        CurrentDevice.set(chosen4kReceiver());
        CurrentDevicePath.set(receiverPath());
        FormSetting page;
        DongleRGB light = {{1}};
        page.SlotRGBValue(&light);
        g_deviceUiLive = true;
        HidUsbSim::clearCallLog();
        light.bytes[0] = 2;
        page.SlotRGBValue(&light);
        QVERIFY(!child<QCheckBox>(&page, "ReUntil")->isChecked());
        QCOMPARE(HidUsbSim::callLog().filter("Set4KDongleRGB").size(), 1);
        QVERIFY(HidUsbSim::callLog().filter("Set4KDongleRGB").first().endsWith(",2)"));
        QDir(qEnvironmentVariable("XDG_STATE_HOME") + "/Talvo Lumerant 4K").removeRecursively();
    }

    void theSleepTimeInSecondsPicksItsEntry_data()
    {
        QTest::addColumn<int>("seconds");
        QTest::addColumn<int>("entry");

        QTest::newRow("5 minutes") << 300 << 3;
        QTest::newRow("40 minutes") << 2400 << 10;
        QTest::newRow("a time the list lacks") << 20 << 2;
    }

    void theSleepTimeInSecondsPicksItsEntry()
    {
        QFETCH(int, seconds);
        QFETCH(int, entry);
        FormSetting page;
        emit PostMsg::instance()->SigLightToFrom(60);
        emit PostMsg::instance()->SigLightToFrom(seconds);
        QCOMPARE(child<QComboBox>(&page, "StopClose")->currentIndex(), entry);
        QCOMPARE(HidUsbSim::callCount("ProtocolDataUpdate"), 0);
    }

    void theReceiverDialogsComeAndGoWithThePageUnshown()
    {
        const auto receiverDialogs = [] {
            QStringList names;
            for (QWidget *window : QApplication::topLevelWidgets()) {
                const QString name = QString::fromLatin1(window->metaObject()->className());
                if (QStringList({"LedInfo", "InputPicA", "InputPicB", "LightModeSet"}).contains(name))
                    names << name + (window->isVisible() ? " (shown)" : "");
            }
            names.sort();
            return names;
        };
        {
            FormSetting page;
            page.show();
            QCOMPARE(receiverDialogs(), QStringList({"InputPicA", "InputPicB", "LedInfo", "LightModeSet"}));
        }
        QVERIFY(receiverDialogs().isEmpty());
    }

    void theVersionLineFollowsTheScrolling()
    {
        FormSetting page;
        page.show();
        child<QScrollArea>(&page, "scrollArea")->verticalScrollBar()->setValue(50);
        QCOMPARE(child<QLabel>(&page, "label")->pos(), QPoint(600, 80));
    }

    void afterPairingThePageWatchesAndTalksToTheChosenDeviceAgain()
    {
        CurrentDevicePath.set(receiverPath());
        FormSetting page;
        ShellTest::ModalCloser closer;
        child<QAbstractButton>(&page, "pushButton_2")->click();
        QCOMPARE(closer.seen, QStringList{"Match"});
        const QByteArray path = receiverPath();
        QCOMPARE(ShellTest::windowCalls(),
                 (QStringList{"StartUsbChanged(600)", "UsbServerC_Start(" + path + "," + path + ")"}));
    }

    void withoutADesktopsMouseSettingsThePageSaysSo()
    {
        FormSetting page;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(QDir::homePath() + "/no-programs"));
        child<QAbstractButton>(&page, "pushButton")->click();
        qputenv("PATH", path);
        QWidget *warning = QApplication::activeModalWidget();
        QVERIFY(qobject_cast<UpDateWarning *>(warning));
        QCOMPARE(warning->findChild<QLabel *>("label")->text(), languageText(LanguageSection::FormSetting, 0, 44));
        warning->close();
    }
};

TALVO_TEST_MAIN(tst_FormSetting)
#include "tst_formsetting.moc"
