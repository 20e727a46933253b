// The screen is read, as the wait draws itself whether or not its window
// shows it: runs only on an X display (ctest label "display").

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

    void theWaitShowsItsTextOnTheScreenAtEveryOpening()
    {
        resetForWindows();
        DialogMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(g_selectionPage->findChild<QWidget *>("btn0"));
        for (int opening = 1; opening <= 2; ++opening) { // the wait's first show, then again
            bool shownAsDrawn = false;
            QTimer reader; // read in the wait's own modal loop, once it has shown a while
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
            QVERIFY2(shownAsDrawn, qPrintable(QString("opening %1 shows not what the wait draws").arg(opening)));
            QTest::mouseClick(window.findChild<QWidget *>("UpArrow"), Qt::LeftButton);
        }
        StopUsbChanged();
        UsbServer_Exit();
        QTRY_VERIFY(HidUsbSim::isIdle());
    }
};

TALVO_TEST_MAIN(tst_UpdateWaitOnScreen)
#include "tst_updatewaitonscreen.moc"
