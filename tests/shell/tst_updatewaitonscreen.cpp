// What a real X display shows of the settings-update wait while a device
// opens through the real windows. The screen is read, not the widget: the
// widget always draws itself, whether or not its window shows it. Runs only
// on a display (ctest label "display", under xvfb-run in CI).

#include "dialogchange.h"
#include "dialogmain.h"
#include "shelltest.h"
#include "testenvironment.h"

#include <QScreen>

using namespace ShellTest;

namespace {

// The share of pixels whose grey differs by more than a rounding error.
double differingShare(const QImage &shown, const QImage &drawn)
{
    if (shown.size() != drawn.size())
        return 1.0;
    int differing = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            if (qAbs(qGray(shown.pixel(x, y)) - qGray(drawn.pixel(x, y))) > 24)
                ++differing;
        }
    }
    return double(differing) / (shown.width() * shown.height());
}

// Reads the screen under the wait once it has shown for a while, from
// within its modal loop.
class WaitWatcher : public QObject
{
public:
    WaitWatcher()
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            QWidget *wait = waitDialog();
            if (!wait || !wait->isVisible() || ++m_ticks < 6 || !shown.isNull())
                return;
            const QPoint topLeft = wait->mapToGlobal(QPoint(0, 0));
            shown = wait->screen()->grabWindow(0, topLeft.x(), topLeft.y(), wait->width(), wait->height()).toImage();
            drawn = wait->grab().toImage();
        });
        m_timer.start(50);
    }

    QImage shown;
    QImage drawn;

private:
    QTimer m_timer;
    int m_ticks = 0;
};

} // namespace

class tst_UpdateWaitOnScreen : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QCOMPARE(QGuiApplication::platformName(), QString("xcb"));
        makeWindowProbe();
    }

    void theWaitShowsItsTextOnTheScreenAtEveryOpening_data()
    {
        QTest::addColumn<int>("openings");
        QTest::newRow("first opening, the wait's first show") << 1;
        QTest::newRow("opening again") << 2;
    }

    void theWaitShowsItsTextOnTheScreenAtEveryOpening()
    {
        QFETCH(int, openings);
        resetForWindows();
        DialogMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(g_selectionPage->findChild<QWidget *>("btn0"));
        for (int opening = 1; opening <= openings; ++opening) {
            WaitWatcher watcher;
            QTest::mouseClick(g_selectionPage->findChild<QWidget *>("btn0"), Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(!watcher.shown.isNull(), 5000);
            QTRY_VERIFY_WITH_TIMEOUT(!waitDialog()->isVisible(), 15000);
            if (opening == openings) {
                QVERIFY2(differingShare(watcher.shown, watcher.drawn.convertToFormat(watcher.shown.format())) < 0.02,
                         "the screen does not show what the wait draws");
            }
            QTest::mouseClick(window.findChild<QWidget *>("UpArrow"), Qt::LeftButton);
        }
        StopUsbChanged();
        UsbServer_Exit();
        QTRY_VERIFY(HidUsbSim::isIdle());
    }
};

TALVO_TEST_MAIN(tst_UpdateWaitOnScreen)
#include "tst_updatewaitonscreen.moc"
