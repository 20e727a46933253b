// The polling-rate, on/off, lift-off and DPI light panels of the sensor
// page, and their second layouts, against the simulated mouse.

#include "motionsync.h"
#include "motionsyncb.h"
#include "paneltest.h"
#include "postmsg.h"
#include "rippecontrol.h"
#include "rippecontrolb.h"
#include "sensoreffect.h"
#include "sensoreffectb.h"
#include "sensorlod.h"
#include "sensorlodb.h"
#include "sensorrate.h"
#include "sensorrateb.h"
#include "straightline.h"
#include "straightlineb.h"
#include "testenvironment.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>

using namespace PanelTest;

namespace {

enum class Flags { Live, NotLive, Filling, KeysFilling, Offline };

// The flags a panel's own rules name, set as the row says.
void arrange(Flags flags)
{
    g_deviceUiLive = flags != Flags::NotLive;
    g_sensorUiFilling = flags == Flags::Filling;
    g_buttonUiFilling = flags == Flags::KeysFilling;
    if (flags == Flags::Offline)
        switchMouseOff();
}

const char *const RateNames[] = {"Button125HZ",  "Button250HZ",  "Button500HZ", "Button1000HZ",
                                 "Button2000HZ", "Button4000HZ", "Button8000HZ"};

template<typename Panel>
PanelFactory make()
{
    return [] { return new Panel; };
}

} // namespace

Q_DECLARE_METATYPE(Flags)

class tst_SensorPanels : public QObject
{
    Q_OBJECT

private:
    QSignalSpy *m_hideModel = nullptr;
    QSignalSpy *m_offline = nullptr;

private slots:
    void initTestCase()
    {
        m_hideModel = new QSignalSpy(PostMsg::instance(), SIGNAL(SigHideModel(int)));
        m_offline = new QSignalSpy(PostMsg::instance(), SIGNAL(SigMouseOffLineo(int)));
    }

    void init()
    {
        openDefaultMouse();
        m_hideModel->clear();
        m_offline->clear();
    }

    void aRateClickSendsItsCodeAndTellsWhetherItIsFast_data()
    {
        QTest::addColumn<PanelFactory>("panel");
        QTest::addColumn<int>("index");
        QTest::addColumn<Flags>("flags");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("fast");
        for (const auto &[name, panel] : {std::pair{"buttons", make<SensorRate>()}, {"boxes", make<SensorRateB>()}}) {
            const QByteArray tag(name);
            QTest::newRow((tag + ": 125 Hz").constData()) << panel << 0 << Flags::Live << 8 << 0;
            QTest::newRow((tag + ": 1000 Hz").constData()) << panel << 3 << Flags::Live << 1 << 0;
            QTest::newRow((tag + ": 2000 Hz").constData()) << panel << 4 << Flags::Live << 16 << 1;
            QTest::newRow((tag + ": 4000 Hz").constData()) << panel << 5 << Flags::Live << 32 << 1;
            QTest::newRow((tag + ": 8000 Hz").constData()) << panel << 6 << Flags::Live << 64 << 1;
            QTest::newRow((tag + ": the sensor page filling").constData()) << panel << 5 << Flags::Filling << 32 << 1;
            QTest::newRow((tag + ": not live").constData()) << panel << 5 << Flags::NotLive << -1 << -1;
            QTest::newRow((tag + ": offline").constData()) << panel << 5 << Flags::Offline << -1 << -1;
        }
    }

    void aRateClickSendsItsCodeAndTellsWhetherItIsFast()
    {
        QFETCH(PanelFactory, panel);
        QFETCH(int, index);
        QFETCH(Flags, flags);
        QFETCH(int, code);
        QFETCH(int, fast);
        presetRecordByte(0, 0);
        std::unique_ptr<QWidget> rates(panel());
        auto *button = child<QAbstractButton>(rates.get(), RateNames[index]);
        arrange(flags);

        button->click();
        button->click(); // the checked rate again: sent again
        QVERIFY(button->isChecked());
        QCOMPARE(recordsSent(), code < 0 ? 0 : 2);
        QCOMPARE(recordByte(0), code < 0 ? 0 : code);
        QCOMPARE(m_hideModel->count(), fast < 0 ? 0 : 2);
        if (fast >= 0)
            QCOMPARE(m_hideModel->last().at(0).toInt(), fast);
        QCOMPARE(m_offline->count(), flags == Flags::Offline ? 2 : 0);
    }

    void theReceiverDecidesWhichFastRatesShow_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("shown");
        QTest::newRow("1000 Hz receiver") << 0 << "1111000";
        QTest::newRow("4000 Hz receiver") << 1 << "1111110";
        QTest::newRow("2000 Hz receiver") << 2 << "1111100";
        QTest::newRow("8000 Hz receiver") << 3 << "1111111";
        QTest::newRow("unknown mode") << 4 << "1111100";
        QTest::newRow("negative mode") << -1 << "1111100";
    }

    void theReceiverDecidesWhichFastRatesShow()
    {
        QFETCH(int, mode);
        QFETCH(QString, shown);
        for (const PanelFactory &make : {make<SensorRate>(), make<SensorRateB>()}) {
            std::unique_ptr<QWidget> panel(make());
            auto *rates = static_cast<RatePanel *>(panel.get());
            rates->setRateMode(2);
            rates->setRateMode(mode);
            rates->setRateChecked(6); // hidden or not
            rates->setRateChecked(7);
            rates->setRateChecked(-1);
            QString seen;
            for (const char *name : RateNames)
                seen += child<QAbstractButton>(panel.get(), name)->isHidden() ? '0' : '1';
            QCOMPARE(seen, shown);
            QVERIFY(child<QAbstractButton>(panel.get(), "Button8000HZ")->isChecked());
        }
        QCOMPARE(recordsSent(), 0);
        QCOMPARE(m_hideModel->count(), 0);
    }

    void aReportedRateCodeFindsItsControl()
    {
        const QList<int> codes = {8, 4, 2, 1, 16, 32, 64, 48, 0};
        QList<int> indexes;
        for (int code : codes)
            indexes << RatePanel::indexOfRateCode(code);
        QCOMPARE(indexes, (QList<int>{0, 1, 2, 3, 4, 5, 6, -1, -1}));
    }

    void aSwitchSendsOneOrZeroWhileLive_data()
    {
        QTest::addColumn<PanelFactory>("panel");
        QTest::addColumn<QString>("toggle");
        QTest::addColumn<int>("offset");
        QTest::addColumn<Flags>("flags");
        const struct
        {
            const char *name;
            PanelFactory panel;
            const char *toggle;
            int offset;
        } switches[] = {
            {"ripple", make<RippeControl>(), "RippeControl_2", 10},
            {"ripple B", make<RippeControlB>(), "RippeControl_2", 10},
            {"angle snapping", make<StraightLine>(), "StraightLine_2", 9},
            {"angle snapping B", make<StraightLineB>(), "StraightLine_2", 9},
            {"motion sync", make<MotionSync>(), "MotionSync_2", 7},
            {"motion sync B", make<MotionSyncB>(), "MotionSync_2", 7},
        };
        for (const auto &s : switches) {
            const QByteArray tag(s.name);
            for (const auto &[flagName, flags] : {std::pair{": live", Flags::Live}, {": filling", Flags::Filling},
                                                  {": not live", Flags::NotLive}, {": offline", Flags::Offline}})
                QTest::newRow((tag + flagName).constData()) << s.panel << s.toggle << s.offset << flags;
        }
    }

    void aSwitchSendsOneOrZeroWhileLive()
    {
        QFETCH(PanelFactory, panel);
        QFETCH(QString, toggle);
        QFETCH(int, offset);
        QFETCH(Flags, flags);
        presetRecordByte(offset, 7);
        std::unique_ptr<QWidget> frame(panel());
        auto *button = child<QAbstractButton>(frame.get(), qPrintable(toggle));
        auto *sw = static_cast<SwitchPanel *>(frame.get());
        sw->setSwitchChecked(true);
        sw->setSwitchChecked(false);
        QCOMPARE(recordsSent(), 0);
        arrange(flags);

        const bool sends = flags == Flags::Live || flags == Flags::Filling;
        button->click();
        QVERIFY(button->isChecked());
        QCOMPARE(recordByte(offset), sends ? 1 : 7);
        button->click();
        QVERIFY(!button->isChecked());
        QCOMPARE(recordByte(offset), sends ? 0 : 7);
        QCOMPARE(recordsSent(), sends ? 2 : 0);
        QCOMPARE(m_offline->count(), flags == Flags::Offline ? 2 : 0);

        sw->setTitleToolTip(QStringLiteral("why"));
        QCOMPARE(child<QLabel>(frame.get(), "label")->toolTip(), QStringLiteral("why"));
        QVERIFY(button->toolTip().isEmpty());
    }

    // The list sends its code on every change of its entry, programmatic
    // ones too, unless the page fills or is not live.
    void theLiftOffListSendsTheCodeOfItsEntry_data()
    {
        QTest::addColumn<bool>("shortEntry");
        QTest::addColumn<Flags>("flags");
        QTest::addColumn<QList<int>>("choices");
        QTest::addColumn<QList<int>>("codes");
        QTest::newRow("two entries") << false << Flags::Live << QList<int>{1, 0} << QList<int>{2, 1};
        QTest::newRow("three entries") << true << Flags::Live << QList<int>{0, 2, 1} << QList<int>{3, 2, 1};
        QTest::newRow("filling") << true << Flags::Filling << QList<int>{0, 2} << QList<int>{};
        QTest::newRow("keys filling") << true << Flags::KeysFilling << QList<int>{0} << QList<int>{3};
        QTest::newRow("not live") << false << Flags::NotLive << QList<int>{1} << QList<int>{};
        QTest::newRow("no entry current") << false << Flags::Live << QList<int>{-1} << QList<int>{};
    }

    void theLiftOffListSendsTheCodeOfItsEntry()
    {
        QFETCH(bool, shortEntry);
        QFETCH(Flags, flags);
        QFETCH(QList<int>, choices);
        QFETCH(QList<int>, codes);
        SensorLOD panel;
        auto *list = child<QComboBox>(&panel, "LOD");
        if (shortEntry)
            panel.addShortLodItem();
        presetRecordByte(5, 0);
        HidUsbSim::clearCallLog();
        arrange(flags);

        QList<int> sent;
        for (int choice : choices) {
            const int before = recordsSent();
            list->setCurrentIndex(choice);
            if (recordsSent() > before)
                sent << recordByte(5);
        }
        QCOMPARE(sent, codes);
    }

    void theLiftOffListKeepsItsEntryWhenTheShortOneComesAndGoes()
    {
        SensorLOD panel;
        auto *list = child<QComboBox>(&panel, "LOD");
        panel.addShortLodItem();
        panel.addShortLodItem();
        QCOMPARE(list->count(), 3);
        QCOMPARE(list->currentText(), QStringLiteral("1mm"));
        QCOMPARE(recordByte(5), 1); // the shift of "1mm" sends it again

        list->setCurrentIndex(0);
        panel.removeShortLodItem();
        panel.removeShortLodItem();
        QCOMPARE(list->count(), 2);
        QCOMPARE(list->currentText(), QStringLiteral("1mm"));
        QCOMPARE(recordByte(5), 1);
        QCOMPARE(recordsSent(), 3);
    }

    void theLiftOffListShowsADeviceValue_data()
    {
        QTest::addColumn<bool>("shortEntry");
        QTest::addColumn<int>("value");
        QTest::addColumn<QString>("shown");
        QTest::newRow("two entries, 1 mm") << false << 0 << "1mm";
        QTest::newRow("two entries, 2 mm") << false << 1 << "2mm";
        QTest::newRow("two entries, 0.7 mm") << false << 2 << "";
        QTest::newRow("three entries, 1 mm") << true << 0 << "1mm";
        QTest::newRow("three entries, 2 mm") << true << 1 << "2mm";
        QTest::newRow("three entries, 0.7 mm") << true << 2 << "0.7mm";
        QTest::newRow("three entries, unknown") << true << 5 << "2mm";
    }

    void theLiftOffListShowsADeviceValue()
    {
        QFETCH(bool, shortEntry);
        QFETCH(int, value);
        QFETCH(QString, shown);
        SensorLOD panel;
        if (shortEntry)
            panel.addShortLodItem();
        g_sensorUiFilling = true;
        panel.setLodValue(1);
        panel.setLodValue(value);
        QCOMPARE(child<QComboBox>(&panel, "LOD")->currentText(), shown);
        QCOMPARE(recordsSent(), shortEntry ? 1 : 0); // only adding the entry, before the fill
    }

    void theLiftOffBoxesSendTheirCodes_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<Flags>("flags");
        QTest::addColumn<int>("code");
        QTest::newRow("0.7 mm") << "MM0" << Flags::Live << 3;
        QTest::newRow("1 mm") << "MM1" << Flags::Live << 1;
        QTest::newRow("2 mm") << "MM2" << Flags::Live << 2;
        QTest::newRow("filling") << "MM2" << Flags::Filling << -1;
        QTest::newRow("not live") << "MM2" << Flags::NotLive << -1;
    }

    void theLiftOffBoxesSendTheirCodes()
    {
        QFETCH(QString, box);
        QFETCH(Flags, flags);
        QFETCH(int, code);
        SensorLODB panel;
        panel.showShortLodBox();
        presetRecordByte(5, 0);
        arrange(flags);
        child<QAbstractButton>(&panel, qPrintable(box))->click();
        QCOMPARE(recordByte(5), qMax(code, 0));
        QCOMPARE(recordsSent(), code < 0 ? 0 : 1);
    }

    void theLiftOffBoxesShowTheShortBoxOnlyWhenAsked()
    {
        SensorLODB panel;
        auto *shortBox = child<QAbstractButton>(&panel, "MM0");
        panel.setLodValue(2);
        QVERIFY(!shortBox->isChecked());
        panel.showShortLodBox();
        panel.setLodValue(2);
        QVERIFY(shortBox->isChecked());
        panel.setLodValue(1);
        QVERIFY(child<QAbstractButton>(&panel, "MM2")->isChecked());
        panel.hideShortLodBox();
        QCOMPARE(child<QAbstractButton>(&panel, "MM1")->x(), 80);
        QCOMPARE(recordsSent(), 0);
    }

    void theLightEffectSendsModeSpeedAndBrightness_data()
    {
        QTest::addColumn<PanelFactory>("panel");
        QTest::addColumn<Flags>("flags");
        QTest::addColumn<bool>("sends");
        for (const auto &[name, panel] : {std::pair{"list", make<SensorEffect>()}, {"boxes", make<SensorEffectB>()}}) {
            const QByteArray tag(name);
            QTest::newRow((tag + ": live").constData()) << panel << Flags::Live << true;
            QTest::newRow((tag + ": keys filling").constData()) << panel << Flags::KeysFilling << true;
            QTest::newRow((tag + ": filling").constData()) << panel << Flags::Filling << false;
            QTest::newRow((tag + ": not live").constData()) << panel << Flags::NotLive << false;
        }
    }

    void theLightEffectSendsModeSpeedAndBrightness()
    {
        QFETCH(PanelFactory, panel);
        QFETCH(Flags, flags);
        QFETCH(bool, sends);
        for (int offset : {63, 64, 65})
            presetRecordByte(offset, 2);
        presetRecordByte(66, 0);
        std::unique_ptr<QWidget> effect(panel());
        auto *list = effect->findChild<QComboBox *>(QStringLiteral("Model"));
        auto choose = [&](int mode, const char *box) {
            if (list)
                list->setCurrentIndex(mode);
            else
                child<QAbstractButton>(effect.get(), box)->click();
        };
        arrange(flags);

        choose(1, "MM1");
        QCOMPARE(QList<int>({recordByte(63), recordByte(66)}), (sends ? QList<int>{1, 1} : QList<int>{2, 0}));
        QVERIFY(child<QSlider>(effect.get(), "SpeedH")->isHidden());
        QVERIFY(!child<QSlider>(effect.get(), "LightH")->isHidden());
        choose(0, "MM3");
        QCOMPARE(QList<int>({recordByte(63), recordByte(66)}), (sends ? QList<int>{1, 0} : QList<int>{2, 0}));
        QVERIFY(child<QSlider>(effect.get(), "LightH")->isHidden());

        auto *light = static_cast<DpiLightPanel *>(effect.get());
        light->setBrightnessValue(5);
        QCOMPARE(child<QSpinBox>(effect.get(), "LightSpinBox")->value(), 5);
        QCOMPARE(recordByte(64), sends ? 128 : 2);
        light->setBrightnessValue(10);
        light->setSpeedValue(4);
        QCOMPARE(child<QSpinBox>(effect.get(), "SpeedSpinBox")->value(), 4);
        QCOMPARE(QList<int>({recordByte(64), recordByte(65)}), (sends ? QList<int>{255, 4} : QList<int>{2, 2}));
        QCOMPARE(recordsSent(), sends ? 5 : 0);
    }

    // The page sets the effect; the list version handles that as a choice,
    // the boxes do not.
    void settingTheEffectShowsItsRow_data()
    {
        QTest::addColumn<PanelFactory>("panel");
        QTest::addColumn<int>("sent");
        QTest::newRow("list") << make<SensorEffect>() << 1;
        QTest::newRow("boxes") << make<SensorEffectB>() << 0;
    }

    void settingTheEffectShowsItsRow()
    {
        QFETCH(PanelFactory, panel);
        QFETCH(int, sent);
        std::unique_ptr<QWidget> effect(panel());
        auto *effects = effect.get();
        const auto set = [&](int mode) {
            if (auto *list = qobject_cast<SensorEffect *>(effects))
                list->setEffectMode(mode);
            else
                static_cast<SensorEffectB *>(effects)->setEffectMode(mode);
        };
        set(2);
        QVERIFY(!child<QSlider>(effects, "SpeedH")->isHidden());
        QVERIFY(child<QSlider>(effects, "LightH")->isHidden());
        QVERIFY(!child<QFrame>(effects, "line_2")->isHidden());
        set(2);
        set(7);
        QVERIFY(!child<QSlider>(effects, "SpeedH")->isHidden());
        QCOMPARE(recordsSent(), sent);
    }

    void anEmptiedEffectListSendsNothing()
    {
        SensorEffect panel;
        child<QComboBox>(&panel, "Model")->clear();
        QCOMPARE(recordsSent(), 0);
    }
};

TALVO_TEST_MAIN(tst_SensorPanels)
#include "tst_sensorpanels.moc"
