// The receiver's light-mode and screen dialogs the settings page holds:
// what they show and keep to themselves, and the screen clock.

#include "inputpica.h"
#include "inputpicb.h"
#include "lightcolourpanel.h"
#include "lightingtest.h"
#include "ledinfo.h"
#include "lightmodeset.h"
#include "postmsg.h"
#include "screendevices.h"
#include "testenvironment.h"

#include <QLabel>
#include <QSignalSpy>

#include <functional>
#include <memory>

using namespace DeviceLinkTest;
using namespace LightingTest;

namespace {

using DialogFactory = std::function<QDialog *()>;

QList<QList<int>> reportedColours(const QSignalSpy &spy)
{
    QList<QList<int>> colours;
    for (const QList<QVariant> &arguments : spy)
        colours.append({arguments.at(0).toInt(), arguments.at(1).toInt(), arguments.at(2).toInt()});
    return colours;
}

} // namespace

Q_DECLARE_METATYPE(DialogFactory)

class tst_ReceiverDialogs : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        resetAll();
        screenDevicePaths.set({});
    }

    void closingADialogAnnouncesItOnceAndOnlyHidesIt_data()
    {
        QTest::addColumn<DialogFactory>("make");
        QTest::newRow("light mode") << DialogFactory([] { return new LightModeSet; });
        QTest::newRow("upright screen") << DialogFactory([] { return new InputPicA; });
        QTest::newRow("wide screen") << DialogFactory([] { return new InputPicB; });
        QTest::newRow("LED indicator") << DialogFactory([] { return new LedInfo; });
    }

    void closingADialogAnnouncesItOnceAndOnlyHidesIt()
    {
        QFETCH(DialogFactory, make);
        const std::unique_ptr<QDialog> dialog(make());
        QVERIFY(dialog->windowFlags() & Qt::FramelessWindowHint);
        dialog->show();
        QSignalSpy announced(PostMsg::instance(), SIGNAL(SigButtonCheck()));
        button(dialog.get(), "CloseButton")->click();
        QCOMPARE(announced.count(), 1);
        QVERIFY(dialog->isHidden());
        QVERIFY(HidUsbSim::callLog().isEmpty());
    }

    void theLedDialogMarksTheModeOnlyOfA4kReceiverWithTheLight_data()
    {
        QTest::addColumn<int>("model");
        QTest::addColumn<bool>("wired");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("checked");
        // Config.ini's model 1 has the receiver light, model 2 not.
        QTest::newRow("mode 2") << 0 << false << 1 << 2 << 2;
        QTest::newRow("mode 3") << 0 << false << 1 << 3 << 3;
        QTest::newRow("no mode") << 0 << false << 1 << 0 << 1;
        QTest::newRow("mode 4") << 0 << false << 1 << 4 << 1;
        QTest::newRow("the mouse on its cable") << 0 << true << 1 << 2 << 1;
        QTest::newRow("an 8000 Hz receiver") << 0 << false << 5 << 2 << 1;
        QTest::newRow("a model without the light") << 1 << false << 1 << 2 << 1;
    }

    void theLedDialogMarksTheModeOnlyOfA4kReceiverWithTheLight()
    {
        QFETCH(int, model);
        QFETCH(bool, wired);
        QFETCH(int, kind);
        QFETCH(int, mode);
        QFETCH(int, checked);
        DeviceAllInfo device = chosenReceiver();
        device.driveIndex = model;
        device.isWired = wired;
        device.kind = std::uint8_t(kind);
        CurrentDevice.set(device);
        LedInfo dialog;
        button(&dialog, "ReUntil")->setChecked(true);
        DongleRGB light = {{std::uint8_t(mode)}};
        dialog.SlotRGBValue(&light);
        const QStringList choices = {"ReUntil", "ReUntil_2", "ReUntil_3"};
        for (int index = 0; index < choices.size(); ++index)
            QCOMPARE(button(&dialog, choices.at(index).toLatin1().constData())->isChecked(), index + 1 == checked);
        QVERIFY(HidUsbSim::callLog().isEmpty());
    }

    void theLightModeDialogOpensOffAtTheLowestSettingsInBlack()
    {
        LightModeSet dialog;
        QCOMPARE(child<QComboBox>(&dialog, "LightMod")->currentIndex(), 0);
        QCOMPARE(child<QSlider>(&dialog, "horizontalLight")->value(), 1);
        QCOMPARE(child<QSlider>(&dialog, "horizontalSpeed")->value(), 1);
        QCOMPARE(colourOf(&dialog), (QList<int>{0, 0, 0}));
        QVERIFY(child<QWidget>(&dialog, "horizontalLight")->isHidden());
        QVERIFY(!child<QWidget>(&dialog, "line_2")->isHidden());
        QVERIFY(child<QWidget>(&dialog, "RSpinBox")->isHidden());
    }

    void eachChangedColourBoxRestylesThePreviewOnce_data()
    {
        QTest::addColumn<QList<int>>("start");
        QTest::addColumn<QString>("buttonName");
        QTest::addColumn<QList<QList<int>>>("previews");
        QTest::newRow("preset A from cyan") << QList<int>{0, 255, 255} << "toolButtonColorA"
                                            << QList<QList<int>>{{255, 255, 255}, {255, 0, 255}, {255, 0, 0}};
        QTest::newRow("preset K on white") << QList<int>{255, 255, 255} << "toolButtonColorK"
                                           << QList<QList<int>>{};
        QTest::newRow("+1 at the top") << QList<int>{255, 0, 0} << "AddR" << QList<QList<int>>{};
        QTest::newRow("-1 at the bottom") << QList<int>{255, 0, 0} << "ReduceG" << QList<QList<int>>{};
        QTest::newRow("-1") << QList<int>{255, 0, 0} << "ReduceR" << QList<QList<int>>{{254, 0, 0}};
    }

    void eachChangedColourBoxRestylesThePreviewOnce()
    {
        QFETCH(QList<int>, start);
        QFETCH(QString, buttonName);
        QFETCH(QList<QList<int>>, previews);
        LightModeSet dialog;
        child<QComboBox>(&dialog, "LightMod")->setCurrentIndex(2);
        box(&dialog, "RSpinBox")->setValue(start.at(0));
        box(&dialog, "GSpinBox")->setValue(start.at(1));
        box(&dialog, "BSpinBox")->setValue(start.at(2));
        const QString style = child<QLabel>(&dialog, "labelPreView")->styleSheet();
        QSignalSpy restyled(dialog.findChild<LightColourPanel *>(), &LightColourPanel::colourChanged);
        button(&dialog, buttonName.toLatin1().constData())->click();
        QCOMPARE(reportedColours(restyled), previews);
        if (previews.isEmpty())
            QCOMPARE(child<QLabel>(&dialog, "labelPreView")->styleSheet(), style);
    }

    void theColourBoardTakesTheScreenColourOrKeepsTheColour_data()
    {
        QTest::addColumn<bool>("pixel");
        QTest::addColumn<QList<int>>("colour");
        QTest::newRow("a pixel") << true << QList<int>{10, 20, 30};
        QTest::newRow("no pixel") << false << QList<int>{1, 2, 3};
    }

    void theColourBoardTakesTheScreenColourOrKeepsTheColour()
    {
        QFETCH(bool, pixel);
        QFETCH(QList<int>, colour);
        LightModeSet dialog;
        dialog.show();
        dialog.setScreenColourProbe(
            std::make_shared<FixedDesktop>(pixel ? std::optional<ScreenColour>({10, 20, 30}) : std::nullopt));
        child<QComboBox>(&dialog, "LightMod")->setCurrentIndex(2);
        box(&dialog, "RSpinBox")->setValue(1);
        box(&dialog, "GSpinBox")->setValue(2);
        box(&dialog, "BSpinBox")->setValue(3);
        pressBoard(&dialog, Qt::RightButton);
        QCOMPARE(colourOf(&dialog), colour);
        const QString shown = QStringLiteral("rgb(%1,%2,%3)").arg(colour.at(0)).arg(colour.at(1)).arg(colour.at(2));
        QVERIFY(child<QLabel>(&dialog, "labelPreView")->styleSheet().contains(shown));
    }

    void theScreenClockWaitsForItsWatchAndGoesOutEveryFiftiethTick()
    {
        screenVendorId.set(QStringLiteral("0x3F1A"));
        screenDeviceIds.set({QStringLiteral("0x5A18")});
        InputPicA dialog;
        dialog.startScreenWatch(false);
        QVERIFY(HidUsbSim::callLog().isEmpty());

        dialog.startScreenWatch(true);
        QTRY_VERIFY(!screenDevicePaths.get().isEmpty());
        // Starting again counts from zero whatever the timer ticked meanwhile.
        dialog.startScreenWatch(true);
        HidUsbSim::clearCallLog();
        for (int tick = 1; tick < 50; ++tick)
            QMetaObject::invokeMethod(&dialog, "onEraseChipTimeTimer");
        QCOMPARE(HidUsbSim::callCount("UsbFinderC_ReadWriteDeviceData"), 0);
        QMetaObject::invokeMethod(&dialog, "onEraseChipTimeTimer");
        QCOMPARE(HidUsbSim::callLog(),
                 QStringList({"UsbFinderC_OpenDevice(" + QString::fromLatin1(receiverPath()) + ")",
                              "UsbFinderC_ReadWriteDeviceData(40)"}));
    }
};

TALVO_TEST_MAIN(tst_ReceiverDialogs)
#include "tst_receiverdialogs.moc"
