#include "keynames.h"
#include "languagetables.h"
#include "testenvironment.h"


namespace {

// The steps of a key sequence as action ("+" press, "-" release), kind and
// code, blank-separated: "+0:01 -0:01". Every step must be followed by
// 10 ms, and nothing may stand behind the steps.
QString stepsOf(const KeyData &data)
{
    QStringList steps;
    for (int index = 0; index < data.stepCountByte; ++index) {
        const KeyStep &step = data.steps[index];
        if (step.delay() != 10)
            return QStringLiteral("delay %1 in step %2").arg(step.delay()).arg(index);
        steps.append(QStringLiteral("%1%2:%3")
                         .arg(step.action == KeyStep::Release ? '-' : '+')
                         .arg(step.kind)
                         .arg(step.code(), 2, 16, QLatin1Char('0')));
    }
    const auto *bytes = reinterpret_cast<const char *>(&data);
    const int used = 4 + 8 * data.stepCountByte;
    if (QByteArray(bytes + 1, 3).count('\0') != 3 || QByteArray(bytes + used, 52 - used).count('\0') != 52 - used)
        return QStringLiteral("bytes beside the steps");
    return steps.join(' ');
}

int keyValue(std::optional<MacroKey> key)
{
    return key ? key->kind << 12 | key->code : -1;
}

} // namespace

class tst_KeyNames : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // The editor's texts name the buttons left, right, middle, forward, back.
        languageTable(languageTextTable, LanguageSection::Macro) = {
            QVector<QString>(18) << "Left" << "Right" << "Middle" << "Forward" << "Back",
            QVector<QString>(18) << "Levo" << "Pravo" << "Sredne" << "Vpered" << "Nazad"};
    }

    void combinationsGiveTheirKeySequence_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("steps");
        QTest::newRow("Ctrl+A") << "Ctrl+A" << "+0:01 +1:04 -1:04 -0:01";
        QTest::newRow("Ctrl+Alt+Del") << "Ctrl+Alt+Del" << "+0:01 +0:04 +1:4c -1:4c -0:04 -0:01";
        QTest::newRow("Ctrl+Num+") << "Ctrl+Num+" << "+0:01 +1:57 -1:57 -0:01";
        QTest::newRow("Num++A") << "Num++A" << "+1:57 +1:04 -1:04 -1:57";
        QTest::newRow("one key") << "Esc" << "+1:29 -1:29";
        QTest::newRow("empty text is key 0") << "" << "+1:00 -1:00";
        QTest::newRow("names differ in case") << "ctrl" << "+1:00 -1:00";
        QTest::newRow("a fourth key is left out") << "Shift+Ctrl+A+B" << "+0:02 +0:01 +1:04 -1:04 -0:01 -0:02";
    }

    void combinationsGiveTheirKeySequence()
    {
        QFETCH(QString, text);
        QFETCH(QString, steps);
        QCOMPARE(stepsOf(KeyDataFromCombination(text)), steps);
    }

    void storedStepsShowTheirNames_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::newRow("0x04 modifier") << 0x04 << 0 << "Alt";
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
        QTest::newRow("up arrow") << 0x52 << 1 << QString::fromUtf8("↑");
        QTest::newRow("no name") << 0x32 << 1 << "";
    }

    void storedStepsShowTheirNames()
    {
        QFETCH(int, code);
        QFETCH(int, kind);
        QFETCH(QString, name);
        QCOMPARE(KeyUsageName(code, kind), name);
    }

    void keySequencesShowAtMostThreePressedKeys()
    {
        KeyData data = KeyDataFromCombination("Ctrl+Num+");
        QCOMPARE(keySequenceCaption(data), QString("Ctrl+Num+"));
        data = KeyDataFromCombination("Ctrl+Alt+Del");
        data.stepCountByte = 0xFF;
        QCOMPARE(keySequenceCaption(data), QString("Ctrl+Alt+Del"));
        data.stepCountByte = 1;
        QCOMPARE(keySequenceCaption(data), QString());
    }

    // A macro file's key line names a key, and the name gives the step, as
    // the recorder's virtual key (-1: none) does; names outlive a language
    // change.
    void macroFileCodesBecomeMacroSteps_data()
    {
        QTest::addColumn<QString>("codeText");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("stepKind");
        QTest::addColumn<int>("stepCode");
        QTest::addColumn<int>("virtualKey");
        QTest::newRow("key") << "0x20" << 1 << "3" << 1 << 0x20 << 0x33;
        QTest::newRow("side modifier") << "0x40" << 0 << "RAlt" << 0 << 0x40 << 0xA5;
        QTest::newRow("mouse button") << "0x10" << 4 << "Forward" << 4 << 0x10 << -1;
        QTest::newRow("lower-case digits") << "0x2a" << 1 << "" << 1 << 0 << 0x0C;
        QTest::newRow("keypad enter") << "0x58" << 1 << "" << 1 << 0 << -1;
        QTest::newRow("consumer") << "0xB5" << 2 << "" << 1 << 0 << -1;
        QTest::newRow("backslash") << "0x31" << 1 << "\\" << 1 << 0x31 << 0xDC;
    }

    void macroFileCodesBecomeMacroSteps()
    {
        QFETCH(QString, codeText);
        QFETCH(int, kind);
        QFETCH(QString, name);
        QFETCH(int, stepKind);
        QFETCH(int, stepCode);
        QFETCH(int, virtualKey);
        currentLanguageIndex = 0;
        QCOMPARE(hidUsageToKeyName(codeText, kind), name);
        currentLanguageIndex = 1;
        QCOMPARE(keyValue(macroKeyOfName(name)), stepKind << 12 | stepCode);
        if (virtualKey >= 0)
            QCOMPARE(keyValue(macroKeyOfVirtualKey(virtualKey)), stepKind << 12 | stepCode);
    }

    // Steps read from a device are named by side; shared codes by their kind.
    void deviceStepsShowSideNames_data()
    {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("name");
        QTest::newRow("0x04 modifier") << 0x04 << 0 << "LAlt";
        QTest::newRow("0x04 other kind") << 0x04 << 2 << "";
        QTest::newRow("0x10 modifier") << 0x10 << 0 << "RCtrl";
        QTest::newRow("0x40 modifier") << 0x40 << 0 << "RAlt";
        QTest::newRow("0x40 other kind") << 0x40 << 2 << "F7";
        QTest::newRow("0x80 any kind") << 0x80 << 2 << "RWin";
        QTest::newRow("keypad enter") << 0x58 << 1 << "Enter";
        QTest::newRow("back button") << 0x08 << 4 << "Nazad";
    }

    void deviceStepsShowSideNames()
    {
        QFETCH(int, code);
        QFETCH(int, kind);
        QFETCH(QString, name);
        currentLanguageIndex = 1;
        QCOMPARE(macroKeyName(kind, code), name);
    }
};

TALVO_TEST_GUILESS_MAIN(tst_KeyNames)
#include "tst_keynames.moc"
