#include "devicelinktest.h"
#include "dialog.h"
#include "dialogchange.h"
#include "dialogmain.h"
#include "postmsg.h"
#include "testenvironment.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QThread>

#include <memory>

using namespace DeviceLinkTest;

namespace {

constexpr int Rounds = 20;

bool waitUntil(const std::function<bool()> &condition)
{
    QElapsedTimer limit;
    limit.start();
    while (!condition()) {
        if (limit.elapsed() > 10000)
            return false;
        QCoreApplication::processEvents();
        QThread::yieldCurrentThread();
    }
    return true;
}

QWidget *firstTile()
{
    return g_selectionPage ? g_selectionPage->findChild<QWidget *>(QStringLiteral("btn0")) : nullptr;
}

} // namespace

// The windows on the simulated devices with no latency: what the program
// takes from its start to the device tiles, and from a tile click to the
// pages showing the device's record.
class bench_Opening : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        resetAll();
        g_devicePageState = 0;
        QLoggingCategory::setFilterRules(QStringLiteral("default.debug=false"));
    }

    // The window built, the language files read, the pages made, the
    // devices found and identified, and their tiles drawn.
    void startUpToTheSelectionPageShown()
    {
        qint64 total = 0;
        for (int round = 0; round < Rounds; ++round) {
            QElapsedTimer clock;
            clock.start();
            auto window = std::make_unique<DialogMain>();
            window->show();
            QVERIFY(waitUntil([] { return firstTile() != nullptr; }));
            total += clock.nsecsElapsed();
            window.reset();
            StopUsbChanged();
        }
        QTest::setBenchmarkResult(qreal(total) / Rounds / 1e6, QTest::WalltimeMilliseconds);
    }

    // From the click to every page showing the record the device delivered:
    // the settings page is told last, after the others have applied it. The
    // settings-update wait, which holds the window for 2.5 s by design, is
    // left out.
    void aTileClickToThePagesShowingTheRecord()
    {
        auto window = std::make_unique<DialogMain>();
        window->show();
        Dialog *frame = window->findChild<Dialog *>();
        QObject::disconnect(PostMsg::instance(), SIGNAL(SigUpDataParam(int)), frame, SLOT(SlotUpDataParam(int)));
        std::atomic<bool> settingsShown{false};
        QObject::connect(PostMsg::instance(), &PostMsg::SigForm, frame, [&settingsShown] { settingsShown = true; },
                         Qt::BlockingQueuedConnection);
        qint64 total = 0;
        for (int round = 0; round < Rounds; ++round) {
            QVERIFY(waitUntil([] { return firstTile() != nullptr; }));
            g_buttonUiApplied = false;
            g_sensorUiApplied = false;
            settingsShown = false;
            QElapsedTimer clock;
            clock.start();
            QTest::mouseClick(firstTile(), Qt::LeftButton);
            QVERIFY(waitUntil([&settingsShown] { return g_buttonUiApplied && g_sensorUiApplied && settingsShown; }));
            total += clock.nsecsElapsed();
            QVERIFY(waitUntil([] { return HidUsbSim::isIdle(); }));
            QTest::mouseClick(frame->findChild<QWidget *>(QStringLiteral("UpArrow")), Qt::LeftButton);
        }
        QTest::setBenchmarkResult(qreal(total) / Rounds / 1e6, QTest::WalltimeMilliseconds);
    }
};

TALVO_TEST_MAIN(bench_Opening)
#include "bench_opening.moc"
