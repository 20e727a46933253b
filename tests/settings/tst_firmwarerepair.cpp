// The update dialog's own upgrades on the device-selection page, through
// the real windows on the simulated devices: the repair of a failed
// receiver update from the repair button, why a repair cannot start, and
// the receiver upgrade the Space key starts directly.

#include "containreset.h"
#include "deviceregistry.h"
#include "dialogmain.h"
#include "firmwaretest.h"
#include "registrystore.h"
#include "shelltest.h"
#include "testenvironment.h"
#include "updaterepair.h"

#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QToolButton>

using namespace DeviceLinkTest;
using namespace FirmwareTest;

namespace {

QString repairText(int position)
{
    return languageText(LanguageSection::AutoRepair, currentLanguageIndex, position);
}

QString messageOf(QWidget *dialog)
{
    return dialog->findChild<QLabel *>("ToolText_2")->text();
}

void click(QWidget *window, const char *name)
{
    window->findChild<QToolButton *>(name)->click();
}

} // namespace

class tst_FirmwareRepair : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DialogMain> m_window;

    void openWindow(int devices)
    {
        m_window = std::make_unique<DialogMain>();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QTRY_COMPARE(FoundDeviceList.size(), devices);
    }

    bool repairButtonShown() const { return !m_window->findChild<QWidget *>("Repair")->isHidden(); }

private slots:
    void initTestCase()
    {
        ShellTest::loadShippedLanguages();
    }

    void init()
    {
        QDir(stateFolder()).removeRecursively(); // before the devices are made
        ShellTest::resetForWindows();
        QDir(firmwareFolder()).removeRecursively();
        clearFirmwareFailure();
        HidUsbSim::setUpgradeStepTime(5);
        writeImage("mouse.bin", 210, "MM", 0x0214);
        writeImage("receiver.bin", 211, "D8M", 0x0106);
    }

    void cleanup()
    {
        g_repairDialog->hide();
        m_window.reset();
    }

    void theRepairWritesTheFailedReceiverThenTheMouseOnItsCable_data()
    {
        QTest::addColumn<bool>("mouseImage");
        QTest::addColumn<QList<int>>("percents");
        QTest::newRow("both images") << true << QList<int>{0, 10, 20, 30, 40, 50, 50, 60, 70, 80, 90, 100};
        QTest::newRow("only the receiver's image") << false << QList<int>{0, 20, 40, 60, 80, 100};
    }

    void theRepairWritesTheFailedReceiverThenTheMouseOnItsCable()
    {
        QFETCH(bool, mouseImage);
        QFETCH(QList<int>, percents);
        if (!mouseImage)
            QFile::remove(firmwareFolder() + "/mouse.bin");
        QVERIFY(loadScenario(CabledMouseScenario));
        HidUsbSim::setBootMode("Receiver1", true);
        recordFirmwareFailure(211, 8, 35, 1);
        openWindow(1); // the mouse on its cable; the receiver waits for its image
        QVERIFY(repairButtonShown());
        QSignalSpy progress(PostMsg::instance(), SIGNAL(SigAutoRepairProgress(int)));

        click(m_window.get(), "Repair");
        QCOMPARE(messageOf(g_repairDialog), repairText(16));
        click(g_repairDialog, "NewHong_2");
        QTRY_COMPARE_WITH_TIMEOUT(messageOf(g_repairDialog), repairText(7), 20000);

        QList<int> shown;
        for (const QList<QVariant> &report : progress)
            shown.append(report.first().toInt());
        QCOMPARE(shown, percents);
        QCOMPARE(g_repairDialog->findChild<QProgressBar *>()->value(), 100);
        QCOMPARE(receiverVersionWord(), 0x0106);
        QCOMPARE(UsbFinderC_GetVersion(HidUsbSim::cablePath("Mouse1").constData()), mouseImage ? 0x0214 : 0x0213);
        QVERIFY(!HidUsbSim::bootMode("Receiver1"));
        QVERIFY(firmwareFailureRecord().isEmpty());
        QVERIFY(!repairButtonShown());
        QVERIFY(!g_upgradeRunning && g_hotplugEnabled);
        click(g_repairDialog, "NewHong_2");
        QVERIFY(!g_repairDialog->isVisible());
    }

    void aRepairThatCannotStartSaysWhyAndKeepsTheRepairButton_data()
    {
        QTest::addColumn<int>("failedKind");
        QTest::addColumn<bool>("mouseCabled");
        QTest::addColumn<bool>("imagesAtStart"); // the check always has them
        QTest::addColumn<int>("message");

        QTest::newRow("the images gone before the start") << 211 << true << false << 12;
        QTest::newRow("a failed mouse, the mouse on its cable") << 210 << true << true << 9;
        QTest::newRow("nothing connected") << 211 << false << true << 4;
    }

    void aRepairThatCannotStartSaysWhyAndKeepsTheRepairButton()
    {
        QFETCH(int, failedKind);
        QFETCH(bool, mouseCabled);
        QFETCH(bool, imagesAtStart);
        QFETCH(int, message);
        QVERIFY(loadScenario(CabledMouseScenario));
        HidUsbSim::setMouseCable("Mouse1", mouseCabled);
        HidUsbSim::setBootMode("Receiver1", true);
        recordFirmwareFailure(failedKind, 8, 35, 1);
        openWindow(mouseCabled ? 1 : 0);

        click(m_window.get(), "Repair");
        if (!imagesAtStart) {
            QDir(firmwareFolder()).removeRecursively();
            click(g_repairDialog, "NewHong_2");
        }
        QCOMPARE(messageOf(g_repairDialog), repairText(message));
        QCOMPARE(g_repairDialog->findChild<QToolButton *>("NewHong_2")->text(), repairText(2));
        QCOMPARE(HidUsbSim::callCount("UsbUpgrade_Start"), 0);
        QVERIFY(!g_upgradeRunning && g_hotplugEnabled);
        QVERIFY(repairButtonShown());
    }

    void spaceUpgradesTheOneReceiverWhoseMouseIsUpToDate()
    {
        recordMouseVersion("35", "1", "v2.13");
        writeImage("mouse.bin", 210, "MM", 0x0213);
        HidUsbSim::setUpgradeStepTime(60); // long enough for the answer to see the write
        openWindow(1);
        QString outcome;
        QString recordWhileWritten;
        QTimer answer;
        connect(&answer, &QTimer::timeout, this, [&outcome, &recordWhileWritten] {
            if (HidUsbSim::bootMode("Receiver1"))
                recordWhileWritten = firmwareFailureRecord();
            QWidget *dialog = QApplication::activeModalWidget();
            if (qobject_cast<ContainReset *>(dialog))
                click(dialog, "OK");
            if (qobject_cast<UpDateRepair *>(dialog) && dialog->findChild<QProgressBar *>()->value() == 100) {
                outcome = messageOf(dialog);
                click(dialog, "NewHong_2");
            }
        });
        answer.start(20);
        QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier);
        QCoreApplication::sendEvent(m_window.get(), &space);

        QCOMPARE(outcome, repairText(7));
        QCOMPARE(recordWhileWritten, QString("211,8,35,1")); // what a write cut short leaves
        QVERIFY(firmwareFailureRecord().isEmpty());
        QCOMPARE(receiverVersionWord(), 0x0106);
        QCOMPARE(UsbFinderC_GetVersion(receiverPath().constData()), 0x0213);
        RegistryStore::instance()->remove(mouseDriveTestKey(), "MouseVer351");
    }
};

TALVO_TEST_MAIN(tst_FirmwareRepair)
#include "tst_firmwarerepair.moc"
