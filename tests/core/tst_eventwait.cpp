#include "eventwait.h"
#include "testenvironment.h"

#include <QElapsedTimer>
#include <QTimer>

class tst_EventWait : public QObject
{
    Q_OBJECT

private slots:
    void theWaitLastsItsTimeAndHandlesEventsMeanwhile()
    {
        bool handled = false;
        QTimer::singleShot(20, this, [&handled] { handled = true; });
        QElapsedTimer clock;
        clock.start();
        waitWithEvents(150);
        QVERIFY(clock.elapsed() >= 149);
        QVERIFY(clock.elapsed() < 1000);
        QVERIFY(handled);
    }
};

TALVO_TEST_GUILESS_MAIN(tst_EventWait)
#include "tst_eventwait.moc"
