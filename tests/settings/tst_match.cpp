// Pairing a mouse with its receiver on the simulated devices, from the
// configuration frame, and the re-pair question.

#include "founddevices.h"
#include "match.h"
#include "repair.h"
#include "shelltest.h"
#include "testenvironment.h"

#include <QPushButton>
#include <QToolButton>

using namespace DeviceLinkTest;

namespace {

// The receiver's mouse, a second mouse of the same customer that a person
// may hold in pairing, and one of another customer.
const QByteArray ThreeMice = "[Receiver1]\nKind=5\nPid=0x5A18\nId=0x12,0x34,0x56\nMouse=Mouse1\n"
                             "[Mouse1]\nCid=35\nMid=1\n[Mouse2]\nCid=35\nMid=1\n[Mouse3]\nCid=36\nMid=1\n";

int selectionCallbacks = 0;
void countSelectionCallback()
{
    ++selectionCallbacks;
}

QString caption(int position)
{
    return languageText(LanguageSection::Match, currentLanguageIndex, position);
}

} // namespace

class tst_Match : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Match> m_dialog;

    QPushButton *button() const { return m_dialog->findChild<QPushButton *>("MatchButton"); }

    // Opened from the configuration frame for its receiver, with quick timers.
    void openDialog()
    {
        g_devicePageState = 1;
        CurrentDevice.set(chosenReceiver());
        m_dialog = std::make_unique<Match>();
        for (QTimer *timer : m_dialog->findChildren<QTimer *>())
            timer->setInterval(20);
        m_dialog->prepare();
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
        QTest::qWait(50); // the button is offered once the dialog knows the target is wireless
    }

private slots:
    void initTestCase()
    {
        ShellTest::loadShippedLanguages();
        g_selectionHotplugCallback = countSelectionCallback;
    }

    void init()
    {
        resetAll();
        QDir(qEnvironmentVariable("XDG_STATE_HOME")).removeRecursively();
        QVERIFY(loadScenario(ThreeMice));
        selectionCallbacks = 0;
    }

    void cleanup()
    {
        m_dialog.reset();
    }

    void anAttemptEndsAsTheReceiverAndItsTargetDecide_data()
    {
        QTest::addColumn<QString>("waiting");
        QTest::addColumn<int>("window");
        QTest::addColumn<int>("fault");
        QTest::addColumn<int>("bytelessStatuses");
        QTest::addColumn<bool>("paired");

        using HidUsbSim::PairingFault;
        QTest::newRow("a waiting mouse of the customer") << "Mouse2" << 0 << int(PairingFault::None) << 0 << true;
        QTest::newRow("statuses without their byte, then a read")
            << "Mouse2" << 0 << int(PairingFault::None) << 2 << true;
        QTest::newRow("a mouse of another customer") << "Mouse3" << 0 << int(PairingFault::None) << 0 << false;
        QTest::newRow("no mouse within the receiver's window") << "" << 100 << int(PairingFault::None) << 0 << false;
        QTest::newRow("the receiver unplugged") << "Mouse2" << 0 << int(PairingFault::UnplugReceiver) << 0 << false;
        QTest::newRow("a failure at once") << "Mouse2" << 0 << int(PairingFault::FailAtOnce) << 0 << false;
    }

    void anAttemptEndsAsTheReceiverAndItsTargetDecide()
    {
        QFETCH(QString, waiting);
        QFETCH(int, window);
        QFETCH(int, fault);
        QFETCH(int, bytelessStatuses);
        QFETCH(bool, paired);
        HidUsbSim::setPairingCandidate(waiting);
        HidUsbSim::setPairingWindow(window);
        HidUsbSim::setPairingFault(HidUsbSim::PairingFault(fault));
        HidUsbSim::injectFault(HidUsbSim::Fault::WrongLength, bytelessStatuses);
        openDialog();

        button()->click();
        QCOMPARE(g_devicePageState.load(), 0); // the device page keeps off the receiver
        QTRY_COMPARE(button()->text(), caption(paired ? 5 : 4));
        QCOMPARE(g_devicePageState.load(), 1);

        // The next run of the program: the receiver reaches the mouse it paired.
        QVERIFY(loadScenario(ThreeMice));
        HidUsbSim::setMousePower("Mouse1", false);
        QCOMPARE(UsbFinderC_GetDeviceOnLine(receiverPath().constData()) != 0, paired);

        QTest::qWait(30);
        button()->click(); // after success nothing, after a failure a new attempt
        QCOMPARE(button()->text().startsWith(caption(3)), !paired);
    }

    void escapeEndsARunningAttemptAndTheNextDialogPairs()
    {
        HidUsbSim::setPairingFault(HidUsbSim::PairingFault::NoAnswer);
        openDialog();
        button()->click();
        m_dialog->findChild<QToolButton *>("CloseButton")->click();
        QTest::qWait(100);
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(selectionCallbacks, 0);

        QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(g_devicePageState.load(), 1);
        QTRY_COMPARE(selectionCallbacks, 1);

        HidUsbSim::setPairingCandidate("Mouse2");
        openDialog();
        QTest::keyClick(m_dialog.get(), Qt::Key_Space);
        QTRY_COMPARE(button()->text(), caption(5));
    }

    void theRePairQuestionSaysYesOnlyForOK_data()
    {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<bool>("yes");
        QTest::newRow("OK") << "OK" << true;
        QTest::newRow("Cancel") << "Cancel" << false;
        QTest::newRow("the close button") << "CloseButton" << false;
        QTest::newRow("Esc") << "" << false;
    }

    void theRePairQuestionSaysYesOnlyForOK()
    {
        QFETCH(QString, answer);
        QFETCH(bool, yes);
        RePair question;
        question.show();
        QVERIFY(QTest::qWaitForWindowExposed(&question));
        if (answer.isEmpty())
            QTest::keyClick(&question, Qt::Key_Escape);
        else
            question.findChild<QToolButton *>(answer)->click();
        QVERIFY(!question.isVisible());
        QCOMPARE(question.accepted, yes);
    }
};

TALVO_TEST_MAIN(tst_Match)
#include "tst_match.moc"
