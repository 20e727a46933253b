#include "keynames.h"
#include "testenvironment.h"

#include <cstring>

namespace {

QByteArray bytesOf(const KeyData &data)
{
    return QByteArray(reinterpret_cast<const char *>(&data), sizeof data);
}

// A press (+) or release (-) of kind and code, then 10 ms, as stored.
QByteArray step(char action, int kind, int code)
{
    const char bytes[8] = {char(action == '-' ? 1 : 0), char(kind), char(code & 0xFF), char(code >> 8), 10, 0, 0, 0};
    return QByteArray(bytes, 8);
}

QByteArray sequence(const QList<QByteArray> &steps)
{
    QByteArray bytes(4, '\0');
    bytes[0] = char(steps.size());
    for (const QByteArray &one : steps)
        bytes += one;
    return bytes.leftJustified(52, '\0');
}

KeyData dataOf(const QByteArray &bytes)
{
    KeyData data;
    std::memcpy(&data, bytes.constData(), sizeof data);
    return data;
}

} // namespace

class tst_KeyNames : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        setMouseButtonNames({"Left", "Right", "Middle", "Back", "Forward"});
    }

    void combinationTextsSplitIntoNames_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("names");
        QTest::newRow("three") << "Ctrl+Alt+Del" << QStringList{"Ctrl", "Alt", "Del"};
        QTest::newRow("keypad plus last") << "Ctrl+Num+" << QStringList{"Ctrl", "Num+"};
        QTest::newRow("keypad plus first") << "Num++A" << QStringList{"Num+", "A"};
        QTest::newRow("keypad plus alone") << "Num+" << QStringList{"Num+"};
        QTest::newRow("empty text") << "" << QStringList{""};
        QTest::newRow("dangling plus") << "Ctrl+" << QStringList{"Ctrl", ""};
    }

    void combinationTextsSplitIntoNames()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, names);
        QCOMPARE(splitKeyCombination(text), names);
    }

    void combinationsGiveTheirKeySequence_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("payload");
        QTest::newRow("Ctrl+A") << "Ctrl+A"
                                << sequence({step('+', 0, 1), step('+', 1, 4), step('-', 1, 4), step('-', 0, 1)});
        QTest::newRow("Ctrl+Alt+Del")
            << "Ctrl+Alt+Del"
            << sequence({step('+', 0, 1), step('+', 0, 4), step('+', 1, 0x4C), step('-', 1, 0x4C), step('-', 0, 4),
                         step('-', 0, 1)});
        QTest::newRow("Ctrl+Num+") << "Ctrl+Num+"
                                   << sequence({step('+', 0, 1), step('+', 1, 0x57), step('-', 1, 0x57),
                                                step('-', 0, 1)});
        QTest::newRow("one key") << "Esc" << sequence({step('+', 1, 0x29), step('-', 1, 0x29)});
        QTest::newRow("empty text is key 0") << "" << sequence({step('+', 1, 0), step('-', 1, 0)});
        QTest::newRow("names differ in case") << "ctrl" << sequence({step('+', 1, 0), step('-', 1, 0)});
        QTest::newRow("arrows") << "Shift+←"
                                << sequence({step('+', 0, 2), step('+', 1, 0x50), step('-', 1, 0x50),
                                             step('-', 0, 2)});
        QTest::newRow("a fourth key is left out")
            << "Shift+Ctrl+A+B"
            << sequence({step('+', 0, 2), step('+', 0, 1), step('+', 1, 4), step('-', 1, 4), step('-', 0, 1),
                         step('-', 0, 2)});
    }

    void combinationsGiveTheirKeySequence()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, payload);
        QCOMPARE(bytesOf(KeyDataFromCombination(text)).toHex(' '), payload.toHex(' '));
    }

    void aPairOutsideTheSequenceIsNotWritten()
    {
        const KeyData empty = {};
        const QByteArray pressOnly = (QByteArray(4, '\0') + step('+', 1, 4)).leftJustified(52, '\0');
        QCOMPARE(bytesOf(KeyStepPairFromName("A", 0, 4, empty)).toHex(' '), pressOnly.toHex(' '));
    }

    void storedStepsShowTheirNames_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::newRow("0x04 modifier") << 0x04 << 0 << "Alt";
        QTest::newRow("0x04 key") << 0x04 << 1 << "A";
        QTest::newRow("0x04 other kind") << 0x04 << 2 << "";
        QTest::newRow("0x08 modifier") << 0x08 << 0 << "Win";
        QTest::newRow("0x08 key") << 0x08 << 1 << "E";
        QTest::newRow("0x20 modifier") << 0x20 << 0 << "Shift";
        QTest::newRow("0x20 key") << 0x20 << 1 << "3";
        QTest::newRow("0x40 modifier") << 0x40 << 0 << "Alt";
        QTest::newRow("0x40 key") << 0x40 << 1 << "F7";
        QTest::newRow("0x01 any kind") << 0x01 << 1 << "Ctrl";
        QTest::newRow("0x02 any kind") << 0x02 << 4 << "Shift";
        QTest::newRow("0x80 any kind") << 0x80 << 0 << "Win";
        QTest::newRow("0x10 any kind") << 0x10 << 0 << "M";
        QTest::newRow("keypad enter") << 0x58 << 1 << "Enter";
        QTest::newRow("keypad 3") << 0x5B << 1 << "Num3";
        QTest::newRow("keypad plus") << 0x57 << 1 << "Num+";
        QTest::newRow("backslash") << 0x31 << 1 << "\\";
        QTest::newRow("last letter") << 0x1D << 1 << "Z";
        QTest::newRow("zero key") << 0x27 << 1 << "0";
        QTest::newRow("caps lock") << 0x39 << 1 << "CapsLock";
        QTest::newRow("last function key") << 0x45 << 1 << "F12";
        QTest::newRow("up arrow") << 0x52 << 1 << QString::fromUtf8("↑");
        QTest::newRow("keypad point") << 0x63 << 1 << "Num.";
        QTest::newRow("apps") << 0x65 << 1 << "APPs";
        QTest::newRow("no name") << 0x32 << 1 << "";
        QTest::newRow("zero") << 0 << 1 << "";
    }

    void storedStepsShowTheirNames()
    {
        QFETCH(int, code);
        QFETCH(int, kind);
        QFETCH(QString, name);
        QCOMPARE(KeyUsageName(code, kind), name);
    }

    void keySequencesShowTheirPressedKeys_data()
    {
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QString>("caption");
        QTest::newRow("three keys") << bytesOf(KeyDataFromCombination("Ctrl+Alt+Del")) << "Ctrl+Alt+Del";
        QTest::newRow("keypad plus") << bytesOf(KeyDataFromCombination("Ctrl+Num+")) << "Ctrl+Num+";
        QByteArray overfull = bytesOf(KeyDataFromCombination("Ctrl+Alt+Del"));
        overfull[0] = char(0xFF);
        QTest::newRow("a count above six reads three names") << overfull << "Ctrl+Alt+Del";
        QByteArray single = bytesOf(KeyDataFromCombination("A"));
        single[0] = 1;
        QTest::newRow("one step") << single << "";
    }

    void keySequencesShowTheirPressedKeys()
    {
        QFETCH(QByteArray, payload);
        QFETCH(QString, caption);
        QCOMPARE(keySequenceCaption(dataOf(payload)), caption);
    }

    void macroStepsTakeKindAndCodeFromNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("code");
        QTest::newRow("right alt") << "RAlt" << 0 << 0x40;
        QTest::newRow("left win") << "LWin" << 0 << 0x08;
        QTest::newRow("key") << "F12" << 1 << 0x45;
        QTest::newRow("empty name") << "" << 1 << 0;
        QTest::newRow("left button") << "Left" << 4 << 0x01;
        QTest::newRow("forward button") << "Forward" << 4 << 0x10;
        QTest::newRow("back button") << "Back" << 4 << 0x08;
        QTest::newRow("combination modifier keeps the code") << "Ctrl" << 1 << 0x1234;
    }

    void macroStepsTakeKindAndCodeFromNames()
    {
        QFETCH(QString, name);
        QFETCH(int, kind);
        QFETCH(int, code);
        KeyMacro block;
        std::memset(&block, 0, sizeof block);
        block.steps[3].setCode(0x1234);
        block.steps[3].action = KeyStep::Release;
        block.steps[3].setDelay(7);
        MacroStepFromKeyName(name, 3, block);
        QCOMPARE(int(block.steps[3].kind), kind);
        QCOMPARE(int(block.steps[3].code()), code);
        QCOMPARE(int(block.steps[3].action), int(KeyStep::Release));
        QCOMPARE(block.steps[3].delay(), 7u);
        MacroStepFromKeyName(name, KeyMacro::MaxSteps, block); // outside: nothing to write
    }

    void macroFileCodesHaveNames_data()
    {
        QTest::addColumn<QString>("codeText");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::newRow("key") << "0x20" << 1 << "3";
        QTest::newRow("modifier") << "0x20" << 0 << "RShift";
        QTest::newRow("mouse button") << "0x10" << 4 << "Forward";
        QTest::newRow("lower-case digits") << "0x2a" << 1 << "";
        QTest::newRow("upper-case prefix") << "0X2A" << 1 << "";
        QTest::newRow("keypad enter") << "0x58" << 1 << "";
        QTest::newRow("consumer") << "0xB5" << 2 << "";
        QTest::newRow("not a code") << "A" << 1 << "";
    }

    void macroFileCodesHaveNames()
    {
        QFETCH(QString, codeText);
        QFETCH(int, kind);
        QFETCH(QString, name);
        QCOMPARE(hidUsageToKeyName(codeText, kind), name);
    }
};

TALVO_TEST_GUILESS_MAIN(tst_KeyNames)
#include "tst_keynames.moc"
