// The update dialog: what each step of an update shows, and that it cannot
// be closed while an upgrade shows its progress.

#include "devicelinktest.h"
#include "postmsg.h"
#include "shelltest.h"
#include "testenvironment.h"
#include "updaterepair.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QToolButton>

namespace {

QString repairText(int position)
{
    return languageText(LanguageSection::AutoRepair, currentLanguageIndex, position);
}

} // namespace

class tst_UpDateRepair : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<UpDateRepair> m_dialog;

    QToolButton *button(const char *name) const { return m_dialog->findChild<QToolButton *>(name); }
    QString message() const { return m_dialog->findChild<QLabel *>("ToolText_2")->text(); }
    QProgressBar *bar() const { return m_dialog->findChild<QProgressBar *>("progressBar_2"); }

private slots:
    void initTestCase()
    {
        ShellTest::loadShippedLanguages();
    }

    void init()
    {
        m_dialog = std::make_unique<UpDateRepair>();
        m_dialog->resetView();
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }

    void eachStepOfAnUpdateShowsItsMessageAndButtons_data()
    {
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("message"); // the dialog's text position
        QTest::addColumn<int>("percent");
        QTest::addColumn<bool>("cancelShown");

        QTest::newRow("failed") << 1 << 6 << 30 << true;
        QTest::newRow("succeeded") << 2 << 7 << 100 << true;
        QTest::newRow("half done, no mouse on its cable") << 5 << 6 << 50 << true;
        QTest::newRow("half repaired, the mouse waiting") << 7 << 17 << 50 << true;
        QTest::newRow("failed, without the confirm button") << 6 << 6 << 30 << true;
        QTest::newRow("cancel hidden") << 3 << 3 << 30 << false;
    }

    void eachStepOfAnUpdateShowsItsMessageAndButtons()
    {
        QFETCH(int, step);
        QFETCH(int, message);
        QFETCH(int, percent);
        QFETCH(bool, cancelShown);
        m_dialog->showUpgradingView();
        QVERIFY(!button("NewHong")->isVisible() && !button("NewHong_2")->isVisible());
        QVERIFY(!button("CloseButton")->isEnabled());
        emit PostMsg::instance()->SigProgress(30, 0);
        emit PostMsg::instance()->SigProgress(0, step);
        QCOMPARE(this->message(), repairText(message));
        QCOMPARE(bar()->value(), percent);
        QCOMPARE(button("NewHong")->isVisible(), cancelShown);
        QCOMPARE(button("CloseButton")->isEnabled(), step != 3);
        if (step == 1 || step == 2 || step == 5 || step == 7)
            QCOMPARE(button("NewHong_2")->text(), repairText(2));
    }

    void anUpgradeInProgressKeepsTheDialogOpen()
    {
        g_devicePageState = 1;
        QSignalSpy back(PostMsg::instance(), SIGNAL(SigChangeMainDialog(int)));
        QSignalSpy newVersions(PostMsg::instance(), SIGNAL(SigSetNewVer()));
        m_dialog->showUpgradingView();
        emit PostMsg::instance()->SigProgress(40, 0);
        QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
        m_dialog->close();
        QVERIFY(m_dialog->isVisible());

        emit PostMsg::instance()->SigProgress(0, 2);
        QTest::keyClick(m_dialog.get(), Qt::Key_Return); // the confirm button
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(newVersions.count(), 1);
        QCOMPARE(back.count(), 0);
    }

    void closingAfterAFailureOnTheFrameGoesBackToTheSelection()
    {
        g_devicePageState = 1;
        QSignalSpy back(PostMsg::instance(), SIGNAL(SigChangeMainDialog(int)));
        m_dialog->showUpgradingView();
        emit PostMsg::instance()->SigProgress(0, 1);
        button("CloseButton")->click();
        QVERIFY(!m_dialog->isVisible());
        QCOMPARE(back.count(), 1);
        QCOMPARE(back.first().first().toInt(), 0);
    }

    void theStartButtonAsksThePageToUpdate()
    {
        g_devicePageState = 1;
        QSignalSpy start(PostMsg::instance(), SIGNAL(SigUpdateStart()));
        m_dialog->showReadyView();
        QCOMPARE(message(), repairText(16));
        QTest::keyClick(m_dialog.get(), Qt::Key_Enter);
        QCOMPARE(start.count(), 1);

        m_dialog->setMessage("why not");
        m_dialog->showMessageView();
        button("NewHong_2")->click(); // now the confirm button
        QCOMPARE(start.count(), 1);
        QVERIFY(!m_dialog->isVisible());
    }
};

TALVO_TEST_MAIN(tst_UpDateRepair)
#include "tst_updaterepair.moc"
