// What a real X display shows of the settings-update wait while a device
// opens through the real windows: the screen is read, since the widget
// draws itself whether or not its window shows it. Runs only on a display
// (ctest label "display", under xvfb-run in CI).

#include "dialogchange.h"
#include "dialogmain.h"
#include "shelltest.h"
#include "testenvironment.h"

#include <QScreen>

using namespace ShellTest;

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
        bool shownAsDrawn = false;
        for (int opening = 1; opening <= openings; ++opening) {
            // The wait runs a modal loop of its own: it is read from a timer
            // once it has shown for a while.
            QTimer reader;
            int ticks = 0;
            connect(&reader, &QTimer::timeout, [&] {
                QWidget *wait = waitDialog();
                if (!wait || !wait->isVisible() || ++ticks != 6)
                    return;
                const QPoint at = wait->mapToGlobal(QPoint(0, 0));
                const QImage shown = wait->screen()->grabWindow(0, at.x(), at.y(), wait->width(), wait->height()).toImage();
                shownAsDrawn = shown == wait->grab().toImage().convertToFormat(shown.format());
            });
            reader.start(50);
            QTest::mouseClick(g_selectionPage->findChild<QWidget *>("btn0"), Qt::LeftButton);
            QTRY_VERIFY_WITH_TIMEOUT(ticks >= 6 && !waitDialog()->isVisible(), 15000);
            QTest::mouseClick(window.findChild<QWidget *>("UpArrow"), Qt::LeftButton);
        }
        QVERIFY2(shownAsDrawn, "the screen does not show what the wait draws");
        StopUsbChanged();
        UsbServer_Exit();
        QTRY_VERIFY(HidUsbSim::isIdle());
    }
};

TALVO_TEST_MAIN(tst_UpdateWaitOnScreen)
#include "tst_updatewaitonscreen.moc"
