#include "keyboardcapture.h"
#include "testenvironment.h"
#include "virtualkeycodes.h"

#include <QKeyEvent>
#include <QWidget>

#include <memory>

namespace {

using SystemKeys = KeyboardCapture::SystemKeys;

// A widget that counts the presses it is given and, like most widgets,
// leaves them to its parent.
class PressCounter : public QWidget
{
public:
    using QWidget::QWidget;
    int presses = 0;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        ++presses;
        QWidget::keyPressEvent(event);
    }
};

// Each report as "41 down", "41 down repeat", "41 up".
struct Reports
{
    QStringList lines;

    KeyboardCapture::Callback callback()
    {
        return [this](int virtualKey, bool down, bool repeat) {
            lines << QString::number(virtualKey, 16) + (down ? " down" : " up") + (repeat ? " repeat" : "");
        };
    }
};

void press(QWidget *widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool repeat = false)
{
    QTest::simulateEvent(widget, true, key, modifiers, QString(), repeat);
}

void release(QWidget *widget, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, bool repeat = false)
{
    QTest::simulateEvent(widget, false, key, modifiers, QString(), repeat);
}

void addKeyRow(const QString &name, int key, int virtualKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
               quint32 keysym = 0, quint32 keycode = 0, bool xkb = false)
{
    QTest::newRow(qPrintable(name)) << key << int(modifiers) << keysym << keycode << xkb << virtualKey;
}

// Consecutive Windows codes for the characters of `keys`, named by them.
void addKeyRows(const QString &keys, int firstVirtualKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    for (int i = 0; i < keys.size(); ++i)
        addKeyRow(QString(modifiers ? "keypad " : "") + keys[i], keys[i].unicode(), firstVirtualKey + i, modifiers);
}

} // namespace

Q_DECLARE_METATYPE(KeyboardCapture::SystemKeys)

class tst_KeyboardCapture : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_window = std::make_unique<PressCounter>();
        m_inner = new PressCounter(new QWidget(m_window.get()));
        m_inner->setFocusPolicy(Qt::StrongFocus);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        m_inner->setFocus();
    }

    void cleanup() { m_window.reset(); }

    void everyKeyOfTheTablesGetsItsWindowsCode_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<quint32>("keysym");
        QTest::addColumn<quint32>("keycode");
        QTest::addColumn<bool>("xkb");
        QTest::addColumn<int>("virtualKey");

        addKeyRows("ABCDEFGHIJKLMNOPQRSTUVWXYZ", 0x41);
        addKeyRows("0123456789", 0x30);
        addKeyRows("0123456789", 0x60, Qt::KeypadModifier);
        for (int f = 0; f < 12; ++f)
            addKeyRow(QString("F%1").arg(f + 1), Qt::Key_F1 + f, 0x70 + f);
        addKeyRows(";=,-./`", 0xBA);
        addKeyRows("[\\]'", 0xDB);
        // A shifted symbol is the key that carries it.
        addKeyRows(":+<_>?~", 0xBA, Qt::ShiftModifier);
        addKeyRows("{|}\"", 0xDB, Qt::ShiftModifier);
        addKeyRows(")!@#$%^&*(", 0x30, Qt::ShiftModifier);
        addKeyRows("*+", 0x6A, Qt::KeypadModifier);
        addKeyRows("-./", 0x6D, Qt::KeypadModifier);
        addKeyRow("keypad decimal comma", Qt::Key_Comma, 0x6E, Qt::KeypadModifier);
        addKeyRow("keypad 5 without NumLock", Qt::Key_Clear, 0x0C, Qt::KeypadModifier);
        addKeyRow("keypad 7 without NumLock", Qt::Key_Home, 0x24, Qt::KeypadModifier);
        addKeyRow("keypad Enter", Qt::Key_Enter, 0x0D, Qt::KeypadModifier);
        addKeyRow("Enter", Qt::Key_Return, 0x0D);
        addKeyRow("BackSpace", Qt::Key_Backspace, 0x08);
        addKeyRow("Tab", Qt::Key_Tab, 0x09);
        addKeyRow("Shift+Tab", Qt::Key_Backtab, 0x09, Qt::ShiftModifier);
        addKeyRow("Pause", Qt::Key_Pause, 0x13);
        addKeyRow("CapsLock", Qt::Key_CapsLock, 0x14);
        addKeyRow("Esc", Qt::Key_Escape, 0x1B);
        addKeyRow("Space", Qt::Key_Space, 0x20);
        addKeyRow("PgUp", Qt::Key_PageUp, 0x21);
        addKeyRow("PgDn", Qt::Key_PageDown, 0x22);
        addKeyRow("End", Qt::Key_End, 0x23);
        addKeyRow("Home", Qt::Key_Home, 0x24);
        addKeyRow("left", Qt::Key_Left, 0x25);
        addKeyRow("up", Qt::Key_Up, 0x26);
        addKeyRow("right", Qt::Key_Right, 0x27);
        addKeyRow("down", Qt::Key_Down, 0x28);
        addKeyRow("PrintScreen", Qt::Key_Print, 0x2C);
        addKeyRow("Alt+PrintScreen", Qt::Key_SysReq, 0x2C, Qt::AltModifier);
        addKeyRow("Insert", Qt::Key_Insert, 0x2D);
        addKeyRow("Del", Qt::Key_Delete, 0x2E);
        addKeyRow("APPs", Qt::Key_Menu, 0x5D);
        addKeyRow("NumLock", Qt::Key_NumLock, 0x90);
        addKeyRow("Scroll", Qt::Key_ScrollLock, 0x91);
        addKeyRow("LShift", Qt::Key_Shift, 0xA0, {}, 0xffe1, 50, true);
        addKeyRow("RShift", Qt::Key_Shift, 0xA1, {}, 0xffe2, 62, true);
        addKeyRow("LCtrl", Qt::Key_Control, 0xA2, {}, 0xffe3, 37, true);
        addKeyRow("RCtrl", Qt::Key_Control, 0xA3, {}, 0xffe4, 105, true);
        addKeyRow("LAlt", Qt::Key_Alt, 0xA4, {}, 0xffe9, 64, true);
        addKeyRow("RAlt", Qt::Key_Alt, 0xA5, {}, 0xffea, 108, true);
        addKeyRow("AltGr", Qt::Key_AltGr, 0xA5, {}, 0xfe03, 108, true);
        addKeyRow("LWin", Qt::Key_Super_L, 0x5B, {}, 0xffeb, 133, true);
        addKeyRow("RWin", Qt::Key_Super_R, 0x5C, {}, 0xffec, 134, true);
        addKeyRow("right Meta", Qt::Key_Meta, 0x5C, {}, 0xffe8, 134, true);
        addKeyRow("a keysym on an unknown platform means nothing", Qt::Key_Shift, 0xA0, {}, 0xffe2, 62);
        addKeyRow("Shift without native codes is the left one", Qt::Key_Shift, 0xA0, {}, 0, 0, true);
        addKeyRow("Cyrillic EF is the A key", 0x0424, 0x41, {}, 0x6c6, 38, true);
        addKeyRow("Cyrillic ZHE is the ; key", 0x0416, 0xBA, {}, 0x6d6, 47, true);
        addKeyRow("AZERTY & is the 1 key", Qt::Key_Ampersand, 0x31, {}, 0x26, 10, true);
        addKeyRow("Russian Shift+4 is the 4 key", Qt::Key_Semicolon, 0x34, Qt::ShiftModifier, 0x3b, 13, true);
        addKeyRow("Cyrillic without a position", 0x0424, unnamedVirtualKey);
        addKeyRow("a media key", Qt::Key_VolumeUp, unnamedVirtualKey, {}, 0x1008ff13, 123, true);
    }

    void everyKeyOfTheTablesGetsItsWindowsCode()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(quint32, keysym);
        QFETCH(quint32, keycode);
        QFETCH(bool, xkb);
        QFETCH(int, virtualKey);
        const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), keycode, keysym, 0);
        QCOMPARE(windowsVirtualKey(event, xkb ? NativeKeyCodes::Xkb : NativeKeyCodes::Unknown), virtualKey);
    }

    void eachKeyEventIsReportedOnceAndReachesItsWidgets_data()
    {
        QTest::addColumn<bool>("throughTheWindow");
        QTest::newRow("sent to the focus widget") << false;
        QTest::newRow("typed into the window") << true;
    }

    void eachKeyEventIsReportedOnceAndReachesItsWidgets()
    {
        QFETCH(bool, throughTheWindow);
        Reports reports;
        const auto capture = KeyboardCapture::install(reports.callback(), SystemKeys::KeepDownFlag);
        if (throughTheWindow)
            QTest::keyClick(m_window->windowHandle(), Qt::Key_A);
        else
            QTest::keyClick(m_inner, Qt::Key_A);
        QCOMPARE(reports.lines, QStringList({"41 down", "41 up"}));
        QCOMPARE(m_inner->presses, 1);
        QCOMPARE(m_window->presses, 1);
    }

    void keysTypedWhileACallbackRunsAreReportedOnceToo()
    {
        Reports reports;
        const auto record = reports.callback();
        const auto capture = KeyboardCapture::install(
            [&](int virtualKey, bool down, bool repeat) {
                record(virtualKey, down, repeat);
                if (virtualKey == 'A' && down)
                    QTest::keyClick(m_window->windowHandle(), Qt::Key_B);
            },
            SystemKeys::KeepDownFlag);
        QTest::keyClick(m_window->windowHandle(), Qt::Key_A);
        QCOMPARE(reports.lines, QStringList({"41 down", "42 down", "42 up", "41 up"}));
    }

    void aHeldKeyRepeatsItsPressOnly()
    {
        Reports reports;
        const auto capture = KeyboardCapture::install(reports.callback(), SystemKeys::KeepDownFlag);
        press(m_inner, Qt::Key_A);
        for (int i = 0; i < 2; ++i) {
            release(m_inner, Qt::Key_A, Qt::NoModifier, true);
            press(m_inner, Qt::Key_A, Qt::NoModifier, true);
        }
        release(m_inner, Qt::Key_A);
        press(m_inner, Qt::Key_A);
        QCOMPARE(reports.lines,
                 QStringList({"41 down", "41 down repeat", "41 down repeat", "41 up", "41 down"}));
    }

    void keysWhileAltIsHeldAreSystemKeys_data()
    {
        QTest::addColumn<SystemKeys>("systemKeys");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("keeping the down flag")
            << SystemKeys::KeepDownFlag << QStringList({"41 down", "41 up", "a4 up", "42 up", "42 up repeat", "a4 up"});
        QTest::newRow("as press and release") << SystemKeys::PressAndRelease
                                              << QStringList({"41 down", "41 up", "a4 down", "42 down",
                                                              "42 up repeat", "a4 up"});
    }

    void keysWhileAltIsHeldAreSystemKeys()
    {
        QFETCH(SystemKeys, systemKeys);
        QFETCH(QStringList, expected);
        Reports reports;
        const auto capture = KeyboardCapture::install(reports.callback(), systemKeys);
        QTest::keyClick(m_inner, Qt::Key_A);
        press(m_inner, Qt::Key_Alt);
        press(m_inner, Qt::Key_B, Qt::AltModifier);
        release(m_inner, Qt::Key_B, Qt::AltModifier);
        release(m_inner, Qt::Key_Alt, Qt::AltModifier);
        QCOMPARE(reports.lines, expected);
    }

    void eachCaptureKeepsItsOwnMemory()
    {
        Reports first;
        Reports second;
        const auto firstCapture = KeyboardCapture::install(first.callback(), SystemKeys::KeepDownFlag);
        press(m_inner, Qt::Key_A);
        const auto secondCapture = KeyboardCapture::install(second.callback(), SystemKeys::KeepDownFlag);
        press(m_inner, Qt::Key_A);
        QCOMPARE(first.lines, QStringList({"41 down", "41 down repeat"}));
        QCOMPARE(second.lines, QStringList({"41 down"}));
    }

    void keysReachNoCaptureWhileNoWindowIsActive()
    {
        Reports reports;
        const auto capture = KeyboardCapture::install(reports.callback(), SystemKeys::KeepDownFlag);
        m_window.reset();
        QTRY_VERIFY(!QGuiApplication::focusWindow());
        PressCounter hidden;
        QTest::keyClick(&hidden, Qt::Key_A);
        QVERIFY(reports.lines.isEmpty());
        QCOMPARE(hidden.presses, 1);

        init();
        QTest::keyClick(m_inner, Qt::Key_A);
        QCOMPARE(reports.lines, QStringList({"41 down", "41 up"}));
    }

    void aCaptureRemovedDuringAReportIsNotCalledAgain_data()
    {
        QTest::addColumn<QString>("removal");
        QTest::newRow("removing itself") << "remove itself";
        QTest::newRow("deleting itself") << "delete itself";
        QTest::newRow("removing an older capture") << "remove older";
    }

    void aCaptureRemovedDuringAReportIsNotCalledAgain()
    {
        QFETCH(QString, removal);
        Reports older;
        std::unique_ptr<KeyboardCapture> olderCapture =
            KeyboardCapture::install(older.callback(), SystemKeys::KeepDownFlag);
        std::unique_ptr<KeyboardCapture> newer;
        int newerCalls = 0;
        newer = KeyboardCapture::install(
            [&](int, bool, bool) {
                ++newerCalls;
                if (removal == "remove itself")
                    newer->remove();
                else if (removal == "delete itself")
                    newer.reset();
                else
                    olderCapture->remove();
            },
            SystemKeys::KeepDownFlag);

        QTest::keyClick(m_inner, Qt::Key_A);
        const bool olderRemoved = removal == "remove older";
        QCOMPARE(newerCalls, olderRemoved ? 2 : 1);
        QCOMPARE(older.lines.size(), olderRemoved ? 0 : 2);
        QCOMPARE(!newer || !newer->isInstalled(), !olderRemoved);
    }

private:
    std::unique_ptr<PressCounter> m_window;
    PressCounter *m_inner = nullptr;
};

TALVO_TEST_MAIN(tst_KeyboardCapture)
#include "tst_keyboardcapture.moc"
