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

// Eight levels of 100, 200, ... 800 DPI with `current` checked, set up
// while the page is not live, so that nothing is sent.
DpiLevelPanel *levels(bool eightSliders, int current)
{
    g_deviceUiLive = false;
    DpiLevelPanel *panel = eightSliders ? static_cast<DpiLevelPanel *>(new SensorDPIB) : new SensorDPI;
    panel->blockLevelCountSignals(true);
    for (int level = 0; level < DpiLevelPanel::LevelCount; ++level) {
        panel->insertLevelCountItem(level, QString::number(level + 1));
        panel->setLevelText(level, QString::number(100 * (level + 1)));
    }
    panel->blockLevelCountSignals(false);
    panel->setLevelCountIndex(DpiLevelPanel::LevelCount - 1);
    panel->setCurrentLevelIndex(current);
    panel->setLevelChecked(current);
    if (auto *one = qobject_cast<SensorDPI *>(panel))
        one->moveLevelMarker(current + 1);
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

void click(QWidget *panel, const char *name)
{
    child<QAbstractButton>(panel, name)->click();
}

using Action = std::function<void(DpiLevelPanel *)>;

} // namespace

Q_DECLARE_METATYPE(Action)

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

    // Level 2 (300 DPI) selected. What the user changes is sent snapped;
    // what the program shows is not.
    void aValueChangeIsSentOnlyWhenTheUserMadeIt_data()
    {
        QTest::addColumn<bool>("eightSliders");
        QTest::addColumn<Action>("action");
        QTest::addColumn<bool>("offline");
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("sent"); // level 2's stored DPI, -1 when unchanged
        QTest::addColumn<int>("writes");
        const Action drag = [](DpiLevelPanel *p) { child<QSlider>(p, "horizontalSliderC")->setValue(1234); };
        const Action plus = [](DpiLevelPanel *p) { click(p, "AddLevelA"); };
        QTest::newRow("the first drag after the level was shown") << false << drag << false << 1200 << 1200 << 1;
        QTest::newRow("eight sliders: a drag") << true << drag << false << 1200 << 1200 << 1;
        QTest::newRow("plus") << false << plus << false << 350 << 350 << 1;
        QTest::newRow("a level clicked shows its value, makes it current")
            << false << Action([](DpiLevelPanel *p) { click(p, LevelButtons[3]); }) << false << 400 << -1 << 1;
        QTest::newRow("a level clicked shows a value in a gap of the range as it is")
            << false << Action([](DpiLevelPanel *p) {
                   p->setLevelText(3, "10050");
                   click(p, LevelButtons[3]);
               }) << false << 10050 << -1 << 1;
        QTest::newRow("the page's own value")
            << false << Action([](DpiLevelPanel *p) { static_cast<SensorDPI *>(p)->setSliderValue(5000); }) << false
            << 5000 << -1 << 0;
        QTest::newRow("an import running") << false << Action([drag](DpiLevelPanel *p) {
            g_importActive = true;
            drag(p);
        }) << false << 1200 << -1 << 0;
        QTest::newRow("a drag while offline") << false << drag << true << 1234 << -1 << 0;
        QTest::newRow("plus while offline") << false << plus << true << 300 << -1 << 0;
    }

    void aValueChangeIsSentOnlyWhenTheUserMadeIt()
    {
        QFETCH(bool, eightSliders);
        QFETCH(Action, action);
        QFETCH(bool, offline);
        QFETCH(int, shown);
        QFETCH(int, sent);
        QFETCH(int, writes);
        std::unique_ptr<DpiLevelPanel> panel(levels(eightSliders, 2));
        const int before = storedDpi(2);
        if (offline)
            switchMouseOff();
        action(panel.get());
        QCOMPARE(child<QSpinBox>(panel.get(), eightSliders ? "spinBoxC" : "spinBoxA")->value(), shown);
        QCOMPARE(storedDpi(2), sent < 0 ? before : sent);
        QCOMPARE(recordsSent(), writes);
        QCOMPARE(m_offline->count(), offline ? 1 : 0);
        if (sent >= 0 && !eightSliders)
            QCOMPARE(child<QAbstractButton>(panel.get(), LevelButtons[2])->text(), QString::number(sent));
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
        std::unique_ptr<DpiLevelPanel> panel(levels(eightSliders, current));
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
        std::unique_ptr<DpiLevelPanel> panel(levels(false, current));
        panel->setLevelCountIndex(count - 1);
        HidUsbSim::clearCallLog();
        auto *marker = child<QLabel>(panel.get(), "label_8");
        const QPoint start = marker->geometry().center();
        mouse(panel.get(), QEvent::MouseButtonPress, start, Qt::LeftButton);
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
        QTest::addColumn<QColor>("levelColour"); // the picker's colour when it opens
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<int>("writes"); // a colour bar also selects its level
        QTest::addColumn<bool>("pageGoes"); // before OK, as the frame's back arrow hides it
        const QColor yellow(255, 255, 0), blue(5, 160, 255);
        QTest::newRow("one slider: red for level 4") << false << 4 << yellow << QColor(255, 0, 0) << 2 << false;
        QTest::newRow("eight sliders: level 5") << true << 5 << QColor(0xaa, 0x55, 0xff) << blue << 1 << false;
        QTest::newRow("the page gone: closed unpicked") << false << 4 << yellow << blue << 1 << true;
    }

    void aPickedColourGoesToTheLevelWhoseColourWasClicked()
    {
        QFETCH(bool, eightSliders);
        QFETCH(int, level);
        QFETCH(QColor, levelColour);
        QFETCH(QColor, colour);
        QFETCH(int, writes);
        QFETCH(bool, pageGoes);
        QWidget page;
        DpiLevelPanel *panel = levels(eightSliders, 1);
        panel->setParent(&page);
        page.show();
        click(panel, (QByteArray(LevelButtons[level]) + 'A').constData());
        auto *picker = panel->findChild<QColorDialog *>();
        QVERIFY(picker && picker->isVisible());
        QCOMPARE(picker->currentColor(), levelColour);
        picker->setCurrentColor(colour);
        if (pageGoes)
            page.hide();
        else
            picker->accept();
        QVERIFY(!picker->isVisible());
        const QByteArray picked = QByteArray(1, char(colour.red())) + char(colour.green()) + char(colour.blue());
        QCOMPARE(levelEntry(level).mid(3) == picked, !pageGoes);
        QCOMPARE(recordsSent(), writes);
    }
};

TALVO_TEST_MAIN(tst_DpiPanels)
#include "tst_dpipanels.moc"
