// The three layouts of the button debounce time against the simulated mouse.

#include "debouncetime.h"
#include "debouncetimeb.h"
#include "debouncetimec.h"
#include "paneltest.h"
#include "postmsg.h"
#include "testenvironment.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QSlider>
#include <QSpinBox>

using namespace PanelTest;

namespace {

constexpr int DebounceOffset = 6;
constexpr int Untouched = 99;

} // namespace

class tst_DebouncePanels : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        openDefaultMouse();
        g_buttonUiFilling = false;
        g_sensorUiFilling = false;
        presetRecordByte(DebounceOffset, Untouched);
    }

    // The key page fills the list with its own flag set; the list still
    // sends, and holds back only the warning about short times.
    void aChosenTimeIsSentAndShortTimesWarn_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<bool>("live");
        QTest::addColumn<bool>("keysFilling");
        QTest::addColumn<bool>("sensorFilling");
        QTest::addColumn<int>("sent");
        QTest::addColumn<bool>("warns");
        QTest::newRow("8 ms") << 8 << true << false << false << 8 << false;
        QTest::newRow("7 ms") << 7 << true << false << false << 7 << true;
        QTest::newRow("0 ms") << 0 << true << false << false << 0 << true;
        QTest::newRow("key page filling") << 3 << true << true << false << 3 << false;
        QTest::newRow("sensor page filling") << 3 << true << false << true << 3 << true;
        QTest::newRow("not live") << 3 << false << false << false << Untouched << false;
        QTest::newRow("no entry") << -1 << true << false << false << Untouched << false;
    }

    void aChosenTimeIsSentAndShortTimesWarn()
    {
        QFETCH(int, index);
        QFETCH(bool, live);
        QFETCH(bool, keysFilling);
        QFETCH(bool, sensorFilling);
        QFETCH(int, sent);
        QFETCH(bool, warns);
        DebounceTime panel;
        g_deviceUiLive = false;
        panel.setDebounceIndex(20);
        g_deviceUiLive = live;
        g_buttonUiFilling = keysFilling;
        g_sensorUiFilling = sensorFilling;

        QCOMPARE(opensModalDialog([&] { panel.setDebounceIndex(index); }), warns);
        QCOMPARE(recordByte(DebounceOffset), sent);
        QCOMPARE(recordsSent(), sent == Untouched ? 0 : 1);
    }

    void theEntriesReadTheirTimeInTheHostsUnit()
    {
        DebounceTime panel;
        auto *list = child<QComboBox>(&panel, "Debunce");
        QCOMPARE(list->count(), 21);
        QCOMPARE(list->itemText(0), QStringLiteral("0"));
        QCOMPARE(list->itemText(1), QStringLiteral("1ms"));
        panel.setNumberedItemText(13, QStringLiteral(" мс"));
        QCOMPARE(list->itemText(13), QStringLiteral("13 мс"));
    }

    void theSliderSendsACommittedValueWhileLive_data()
    {
        QTest::addColumn<bool>("live");
        QTest::addColumn<bool>("keysFilling");
        QTest::addColumn<int>("sent");
        QTest::newRow("live") << true << false << 12;
        QTest::newRow("key page filling") << true << true << 12;
        QTest::newRow("not live") << false << false << Untouched;
    }

    void theSliderSendsACommittedValueWhileLive()
    {
        QFETCH(bool, live);
        QFETCH(bool, keysFilling);
        QFETCH(int, sent);
        DebouncetimeB panel;
        auto *slider = child<QSlider>(&panel, "Debunce");
        auto *box = child<QSpinBox>(&panel, "spinBoxA");
        panel.setDebounceValue(4);
        QCOMPARE(box->value(), 4);
        QCOMPARE(recordsSent(), 0);
        g_deviceUiLive = live;
        g_buttonUiFilling = keysFilling;

        emit slider->sliderMoved(9);
        QCOMPARE(box->value(), 9);
        QCOMPARE(recordsSent(), 0);
        QVERIFY(!opensModalDialog([&] { slider->setValue(12); }));
        QCOMPARE(box->value(), 12);
        QCOMPARE(recordByte(DebounceOffset), sent);
    }

    void plusAndMinusStepTheValueAndSendIt_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<QString>("button");
        QTest::addColumn<bool>("live");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("sent");
        QTest::newRow("plus") << 5 << "AddLevelA" << true << 6 << 6;
        QTest::newRow("plus at the longest") << 20 << "AddLevelA" << true << 20 << Untouched;
        QTest::newRow("minus") << 5 << "ReduceLevelA" << true << 4 << 4;
        QTest::newRow("minus stops at 1") << 1 << "ReduceLevelA" << true << 1 << Untouched;
        QTest::newRow("minus at 0 stays at 0") << 0 << "ReduceLevelA" << true << 0 << 0;
        QTest::newRow("not live") << 5 << "AddLevelA" << false << 6 << Untouched;
    }

    void plusAndMinusStepTheValueAndSendIt()
    {
        QFETCH(int, start);
        QFETCH(QString, button);
        QFETCH(bool, live);
        QFETCH(int, shown);
        QFETCH(int, sent);
        DebouncetimeC panel;
        panel.setDebounceValue(start);
        g_deviceUiLive = live;
        QVERIFY(!opensModalDialog([&] { child<QAbstractButton>(&panel, qPrintable(button))->click(); }));
        QCOMPARE(child<QSpinBox>(&panel, "spinBoxA")->value(), shown);
        QCOMPARE(recordByte(DebounceOffset), sent);
    }
};

TALVO_TEST_MAIN(tst_DebouncePanels)
#include "tst_debouncepanels.moc"
