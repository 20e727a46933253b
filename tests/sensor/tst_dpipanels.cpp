// The DPI level panels of the sensor page and their eight-slider layout
// against the simulated mouse of the first model (DPI 100 to 10000 in steps
// of 50, then 10100 to 30000 in steps of 100).

#include "configinistore.h"
#include "paneltest.h"
#include "postmsg.h"
#include "sensordpi.h"
#include "sensordpib.h"
#include "sensormodel.h"
#include "testenvironment.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QLabel>
#include <QMouseEvent>
#include <QSlider>
#include <QSpinBox>

using namespace PanelTest;

namespace {

const char *const LevelButtons[] = {"BlueButton",  "BrightRedButton", "RedButton",       "YellowButton",
                                    "GreenButton", "PurpleButton",    "LightBlueButton", "LightYellowButton"};
const char *const Toggles[] = {"MA", "MB", "MC", "MD", "ME", "MF", "MG", "MH"};

// Eight levels of 100, 200, ... 800 DPI, `current` checked, set while the
// page is not live so that nothing is sent.
template<typename Panel>
Panel *levels(int current)
{
    g_deviceUiLive = false;
    auto *panel = new Panel;
    panel->blockLevelCountSignals(true);
    for (int level = 0; level < DpiLevelPanel::LevelCount; ++level) {
        panel->insertLevelCountItem(level, QString::number(level + 1));
        panel->setLevelText(level, QString::number(100 * (level + 1)));
    }
    panel->blockLevelCountSignals(false);
    panel->setLevelCountIndex(DpiLevelPanel::LevelCount - 1);
    panel->setCurrentLevelIndex(current);
    panel->setLevelChecked(current);
    if constexpr (std::is_same_v<Panel, SensorDPI>)
        panel->moveLevelMarker(current + 1);
    g_deviceUiLive = true;
    HidUsbSim::clearCallLog();
    return panel;
}

QByteArray levelEntry(int level)
{
    const FlashDataMap record = DeviceProtocolData.get();
    return QByteArray(reinterpret_cast<const char *>(&record.DPIGrades[level]), sizeof(DPIGrade));
}

int storedDpi(int level)
{
    const DPIGrade grade = DeviceProtocolData.get().DPIGrades[level];
    return decodeDpiValue(grade.x, grade.flags);
}

void mouse(QWidget *panel, QEvent::Type type, const QPoint &at, Qt::MouseButtons held)
{
    QMouseEvent event(type, at, type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, held, Qt::NoModifier);
    QApplication::sendEvent(panel, &event);
}

enum class Road { UserValue, Plus, Minus, MinusFromASecondSegment, LevelClicked, PageValue, Import };

} // namespace

Q_DECLARE_METATYPE(Road)

class tst_DpiPanels : public QObject
{
    Q_OBJECT

private:
    QSignalSpy *m_offline = nullptr;

private slots:
    void initTestCase()
    {
        m_offline = new QSignalSpy(PostMsg::instance(), SIGNAL(SigMouseOffLineo(int)));
        g_sensorCapabilities = SensorCapabilities::load();
        readSensorModel(*ConfigIniStore::instance(), 1);
    }

    void init()
    {
        openDefaultMouse();
        g_importActive = false;
        m_offline->clear();
    }

    // What the user changes is sent snapped; what the program shows is not.
    void aValueChangeIsSentOnlyWhenTheUserMadeIt_data()
    {
        QTest::addColumn<Road>("road");
        QTest::addColumn<bool>("offline");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("sent"); // level 2's stored DPI, -1 when unchanged
        QTest::newRow("the first drag after the level was shown") << Road::UserValue << false << 1200 << 1200;
        QTest::newRow("plus") << Road::Plus << false << 350 << 350;
        QTest::newRow("minus") << Road::Minus << false << 250 << 250;
        QTest::newRow("minus from the second segment's start")
            << Road::MinusFromASecondSegment << false << 10000 << 10000;
        QTest::newRow("a level clicked shows its value") << Road::LevelClicked << false << 400 << -1;
        QTest::newRow("the page's own value") << Road::PageValue << false << 5000 << -1;
        QTest::newRow("an import running") << Road::Import << false << 1200 << -1;
        QTest::newRow("a drag while offline") << Road::UserValue << true << 1234 << -1;
        QTest::newRow("plus while offline") << Road::Plus << true << 300 << -1;
    }

    void aValueChangeIsSentOnlyWhenTheUserMadeIt()
    {
        QFETCH(Road, road);
        QFETCH(bool, offline);
        QFETCH(int, shown);
        QFETCH(int, sent);
        std::unique_ptr<SensorDPI> panel(levels<SensorDPI>(2));
        auto *slider = child<QSlider>(panel.get(), "horizontalSliderC");
        const int before = storedDpi(2);
        g_importActive = road == Road::Import;
        if (offline)
            switchMouseOff();
        if (road == Road::MinusFromASecondSegment)
            panel->setSliderValue(10100);
        switch (road) {
        case Road::Plus:
            child<QAbstractButton>(panel.get(), "AddLevelA")->click();
            break;
        case Road::Minus:
        case Road::MinusFromASecondSegment:
            child<QAbstractButton>(panel.get(), "ReduceLevelA")->click();
            break;
        case Road::LevelClicked:
            child<QAbstractButton>(panel.get(), LevelButtons[3])->click();
            break;
        case Road::PageValue:
            panel->setSliderValue(5000);
            break;
        default:
            slider->setValue(1234);
        }
        QCOMPARE(child<QSpinBox>(panel.get(), "spinBoxA")->value(), shown);
        QCOMPARE(storedDpi(2), sent < 0 ? before : sent);
        // Clicking a level makes it current: the one write there.
        QCOMPARE(recordsSent(), sent >= 0 || road == Road::LevelClicked ? 1 : 0);
        QCOMPARE(m_offline->count(), offline ? 1 : 0);
        if (sent >= 0)
            QCOMPARE(child<QAbstractButton>(panel.get(), LevelButtons[2])->text(), QString::number(sent));
    }

    void theEightSliderPanelSendsOnlyTheUsersValues()
    {
        std::unique_ptr<SensorDPIB> panel(levels<SensorDPIB>(2));
        panel->setSliderValue(5000, 4);
        panel->setLevelText(5, "6000");
        QCOMPARE(recordsSent(), 0);
        child<QSlider>(panel.get(), "horizontalSliderC")->setValue(1234);
        QCOMPARE(child<QSpinBox>(panel.get(), "spinBoxC")->value(), 1200);
        QCOMPARE(storedDpi(2), 1200);
        QCOMPARE(recordsSent(), 1);
    }

    // A count below the current level moves the current level's settings
    // onto the new last level, on screen and in the record.
    void changingTheLevelCountKeepsTheCurrentLevelShown_data()
    {
        QTest::addColumn<bool>("eightSliders");
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("state"); // "live", "offline" or "filling"
        QTest::addColumn<int>("writes");
        for (bool eight : {false, true}) {
            const char *tag = eight ? "eight sliders" : "one slider";
            QTest::addRow("%s: 8 to 4 levels, level 6 current", tag) << eight << 6 << 4 << "live" << 3;
            QTest::addRow("%s: 8 to 6 levels, level 2 current", tag) << eight << 2 << 6 << "live" << 1;
            QTest::addRow("%s: offline", tag) << eight << 6 << 4 << "offline" << 0;
            QTest::addRow("%s: filling", tag) << eight << 6 << 4 << "filling" << 0;
        }
    }

    void changingTheLevelCountKeepsTheCurrentLevelShown()
    {
        QFETCH(bool, eightSliders);
        QFETCH(int, current);
        QFETCH(int, count);
        QFETCH(QString, state);
        QFETCH(int, writes);
        std::unique_ptr<DpiLevelPanel> panel(eightSliders ? static_cast<DpiLevelPanel *>(levels<SensorDPIB>(current))
                                                          : levels<SensorDPI>(current));
        const QByteArray currentEntry = levelEntry(current);
        const QByteArray lastEntry = levelEntry(count - 1);
        if (state == "offline")
            switchMouseOff();
        g_sensorUiFilling = state == "filling";
        panel->setLevelCountIndex(count - 1);
        g_sensorUiFilling = false;

        const bool moved = state != "filling" && count <= current;
        const int shownLevel = moved ? count - 1 : current;
        const char *const *buttons = eightSliders ? Toggles : LevelButtons;
        QVERIFY(child<QAbstractButton>(panel.get(), buttons[shownLevel])->isChecked());
        QCOMPARE(child<QAbstractButton>(panel.get(), buttons[7])->isHidden(), state != "filling");
        const int shownValue = eightSliders ? child<QSpinBox>(panel.get(), "spinBoxD")->value()
                                            : child<QAbstractButton>(panel.get(), LevelButtons[3])->text().toInt();
        QCOMPARE(shownValue, moved ? 100 * (current + 1) : 400);
        if (!eightSliders && moved)
            QCOMPARE(child<QLabel>(panel.get(), "label_8")->pos(), QPoint(300, 154));
        QCOMPARE(recordsSent(), writes);
        QCOMPARE(m_offline->count(), state == "offline" ? 3 : 0);
        if (writes == 0)
            return;
        QCOMPARE(levelEntry(count - 1), moved ? currentEntry : lastEntry);
        QCOMPARE(levelEntry(current), moved ? lastEntry : currentEntry);
        QCOMPARE(recordByte(1), count);
        if (moved)
            QCOMPARE(recordByte(2), shownLevel);
    }

    // The pointer's distance from the current level's spot picks the level;
    // drops beyond the shown levels or between the windows put it back.
    void theMarkerDropsOntoALevelWithinItsWindows_data()
    {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("writes");
        QTest::newRow("one level right") << 0 << 8 << 130 << 1 << 2;
        QTest::newRow("short of the window") << 0 << 8 << 100 << 0 << 0;
        QTest::newRow("beyond the third of three levels") << 0 << 3 << 260 << 0 << 1;
        QTest::newRow("onto the third of three levels") << 0 << 3 << 240 << 2 << 2;
        QTest::newRow("from level 4 to 5") << 4 << 8 << 500 << 5 << 2;
        QTest::newRow("six levels left") << 7 << 8 << 130 << 1 << 2;
        QTest::newRow("out of the panel") << 3 << 8 << 800 << 3 << 0;
        QTest::newRow("left of the first level") << 1 << 8 << 10 << 1 << 0;
        QTest::newRow("right of the last level") << 6 << 8 << 720 << 6 << 0;
        QTest::newRow("a click without moving") << 2 << 8 << 224 << 2 << 0;
    }

    void theMarkerDropsOntoALevelWithinItsWindows()
    {
        QFETCH(int, current);
        QFETCH(int, count);
        QFETCH(int, x);
        QFETCH(int, level);
        QFETCH(int, writes);
        std::unique_ptr<SensorDPI> panel(levels<SensorDPI>(current));
        panel->setLevelCountIndex(count - 1);
        HidUsbSim::clearCallLog();
        auto *marker = child<QLabel>(panel.get(), "label_8");
        const QPoint start = marker->geometry().center();
        mouse(panel.get(), QEvent::MouseButtonPress, start, Qt::LeftButton);
        // Leaving the panel ends the drag there.
        mouse(panel.get(), QEvent::MouseMove, QPoint(x, start.y()), Qt::LeftButton);
        mouse(panel.get(), QEvent::MouseButtonRelease, QPoint(x, start.y()), Qt::NoButton);

        QVERIFY(child<QAbstractButton>(panel.get(), LevelButtons[level])->isChecked());
        const int spots[] = {27, 118, 209, 300, 391, 483, 573, 664};
        QCOMPARE(marker->pos(), QPoint(spots[level], 154));
        QCOMPARE(recordsSent(), writes);
        QCOMPARE(recordByte(2), writes == 0 ? 1 : level);
    }

    void aPickedColourGoesToTheLevelWhoseColourWasClicked_data()
    {
        QTest::addColumn<bool>("eightSliders");
        QTest::addColumn<int>("level");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<bool>("filling");
        QTest::newRow("one slider: red for level 4") << false << 4 << QColor(255, 0, 0) << false;
        QTest::newRow("one slider: filling") << false << 4 << QColor(255, 0, 0) << true;
        QTest::newRow("eight sliders: a dark red part") << true << 5 << QColor(5, 160, 255) << false;
    }

    void aPickedColourGoesToTheLevelWhoseColourWasClicked()
    {
        QFETCH(bool, eightSliders);
        QFETCH(int, level);
        QFETCH(QColor, colour);
        QFETCH(bool, filling);
        const char *const bars[] = {"BlueButtonA",  "BrightRedButtonA", "RedButtonA",       "YellowButtonA",
                                    "GreenButtonA", "PurpleButtonA",    "LightBlueButtonA", "LightYellowButtonA"};
        std::unique_ptr<DpiLevelPanel> panel(eightSliders ? static_cast<DpiLevelPanel *>(levels<SensorDPIB>(1))
                                                          : levels<SensorDPI>(1));
        const QByteArray before = levelEntry(level);
        g_sensorUiFilling = filling;
        child<QAbstractButton>(panel.get(), bars[level])->click();
        auto *picker = panel->findChild<QColorDialog *>();
        QVERIFY(picker && picker->isVisible());
        picker->setCurrentColor(colour);
        picker->accept();
        g_sensorUiFilling = false;

        const QByteArray picked = QByteArray(1, char(colour.red())) + char(colour.green()) + char(colour.blue());
        QCOMPARE(levelEntry(level).mid(3), filling ? before.mid(3) : picked);
        // A colour bar also selects its level on the one-slider panel.
        QCOMPARE(recordsSent(), filling ? 0 : eightSliders ? 1 : 2);
    }

    // A record may name any level and any count.
    void levelsOutsideTheRecordAreIgnored()
    {
        std::unique_ptr<SensorDPI> panel(levels<SensorDPI>(1));
        std::unique_ptr<SensorDPIB> eight(levels<SensorDPIB>(1));
        for (int level : {-1, 8, 255}) {
            for (DpiLevelPanel *each : {static_cast<DpiLevelPanel *>(panel.get()), static_cast<DpiLevelPanel *>(eight.get())}) {
                each->setCurrentLevelIndex(level);
                each->setLevelChecked(level);
                each->showLevelCount(level);
                each->applyDraggedLevel(level);
            }
            panel->setLevelText(level, "5");
            panel->setLevelColor(level, "#ffffff");
            panel->markCurrentLevel(level);
            panel->moveLevelMarker(level + 1);
            eight->setSliderValue(1000, level);
            eight->setLevelColor(level, "#ffffff");
            eight->applyLevelColor(level);
        }
        panel->setLevelCountIndex(-1);
        QCOMPARE(child<QLabel>(panel.get(), "label_8")->pos(), QPoint(118, 154));
        QVERIFY(child<QAbstractButton>(panel.get(), "BrightRedButton")->isChecked());
        QCOMPARE(recordsSent(), 0);
    }
};

TALVO_TEST_MAIN(tst_DpiPanels)
#include "tst_dpipanels.moc"
