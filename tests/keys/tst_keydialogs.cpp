// The key page's dialogs: what the combination dialog takes from the
// keyboard and from pasted text, and which keys close which dialog.

#include "firekey.h"
#include "groupkey.h"
#include "groupmaxthree.h"
#include "leftbuttononly.h"
#include "makemacro.h"
#include "manualclock.h"
#include "shelltest.h"
#include "testenvironment.h"

#include <QCheckBox>
#include <QKeySequence>
#include <QLineEdit>

#include <memory>

namespace {

// Keys as QKeySequence names them, "Num" in front for the keypad's: "A"
// clicks the key, "A_" presses and holds it, "A*" presses it again as its
// auto-repeat, "+2001" lets that many milliseconds pass.
void type(QWidget *window, ManualClock &clock, const QString &script)
{
    for (QString word : script.split(' ')) {
        if (word.startsWith('+') && word.size() > 1) {
            clock.advance(word.toInt());
            continue;
        }
        const bool repeat = word.endsWith('*');
        const bool held = repeat || word.endsWith('_');
        const Qt::KeyboardModifiers keypad = word.startsWith("Num") ? Qt::KeypadModifier : Qt::NoModifier;
        word.remove('*').remove('_').remove("Num");
        const int key = word == "Shift" ? Qt::Key_Shift : QKeySequence(word)[0];
        QTest::simulateEvent(window, true, key, keypad, QString(), repeat);
        if (!held)
            QTest::simulateEvent(window, false, key, keypad, QString(), false);
    }
}

} // namespace

class tst_KeyDialogs : public QObject
{
    Q_OBJECT

private:
    ManualClock m_clock;
    std::unique_ptr<GroupKey> m_dialog;

    QLineEdit *edit() const { return m_dialog->findChild<QLineEdit *>("lineEdit"); }

private slots:
    void initTestCase() { ShellTest::loadShippedLanguages(); }

    void init()
    {
        m_dialog = std::make_unique<GroupKey>(nullptr, m_clock);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
    }

    void cleanup() { m_dialog.reset(); }

    void theCombinationTakesThreeKeysWithinTwoSeconds_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a fourth key starts anew") << "A B C D" << "D";
        QTest::newRow("the third key again starts anew") << "A B C C" << "C";
        QTest::newRow("a held key counts once") << "A A* A* B" << "A+B";
        QTest::newRow("a held third key counts once") << "A B C_ C* C*" << "A+B+C";
        QTest::newRow("a key held past two seconds") << "A B_ +2500 B*" << "A+B";
        QTest::newRow("two seconds after the first key") << "A +1000 B +1001 C" << "C";
        QTest::newRow("whole names count") << "Del D Num1" << "Del+D+Num1";
        QTest::newRow("the keypad plus is one key") << "Num+ 1 B C" << "C";
        QTest::newRow("modifier keys count only by their boxes") << "Shift A" << "A";
        QTest::newRow("a modifier leaves three keys shown") << "A B C Shift" << "A+B+C";
        QTest::newRow("Esc and Return are keys") << "Esc Return" << "Esc+Enter";
    }

    void theCombinationTakesThreeKeysWithinTwoSeconds()
    {
        QFETCH(QString, script);
        type(m_dialog.get(), m_clock, script);
        QTEST(edit()->text(), "shown");
        QVERIFY(m_dialog->isVisible());
    }

    // More than three names are refused, and the dialog stays open for
    // another try.
    void okJoinsTheTickedModifiersAndThePastedKeys_data()
    {
        QTest::addColumn<QStringList>("ticked");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("keyText");
        QTest::addColumn<bool>("refused");
        QTest::newRow("modifiers first") << QStringList{"Shift", "Ctrl"} << "a" << "Shift+Ctrl+A" << false;
        QTest::newRow("only a modifier") << QStringList{"Win"} << "" << "Win" << false;
        QTest::newRow("nothing") << QStringList() << "" << "" << false;
        QTest::newRow("four names") << QStringList{"Shift", "Ctrl"} << "a+b" << "" << true;
        QTest::newRow("pasted names in any case") << QStringList() << "ctrl+space" << "Ctrl+Space" << false;
        QTest::newRow("the keypad plus pasted") << QStringList{"Alt"} << "num++f7" << "Alt+Num++F7" << false;
        QTest::newRow("an unknown name pasted") << QStringList() << "ctrl+foo" << "" << false;
    }

    void okJoinsTheTickedModifiersAndThePastedKeys()
    {
        QFETCH(QStringList, ticked);
        QFETCH(QString, pasted);
        QFETCH(bool, refused);
        for (const QString &box : ticked)
            m_dialog->findChild<QCheckBox *>(box)->setChecked(true);
        edit()->insert(pasted);
        ShellTest::ModalCloser closer;
        m_dialog->findChild<QAbstractButton *>("NewHong")->click();
        QCOMPARE(closer.seen, refused ? QStringList("GroupMaxThree") : QStringList());
        QCOMPARE(m_dialog->accepted, !refused);
        QCOMPARE(m_dialog->isVisible(), refused);
        QTEST(m_dialog->keyText, "keyText");
        if (refused)
            QVERIFY(edit()->text().isEmpty());
    }

    void escAndReturnCloseOnlyWhatTheyShould_data()
    {
        QTest::addColumn<QString>("dialog");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("closes");
        for (const char *notice : {"LeftButtonOnly", "MakeMacro", "GroupMaxThree", "FireKey"}) {
            QTest::addRow("%s, Esc", notice) << notice << int(Qt::Key_Escape) << true;
            QTest::addRow("%s, Return", notice) << notice << int(Qt::Key_Return) << false;
        }
        QTest::newRow("GroupKey, Esc") << "GroupKey" << int(Qt::Key_Escape) << false;
        QTest::newRow("GroupKey, F12") << "GroupKey" << int(Qt::Key_F12) << false;
    }

    void escAndReturnCloseOnlyWhatTheyShould()
    {
        QFETCH(QString, dialog);
        QFETCH(int, key);
        const QHash<QString, std::function<QDialog *()>> make = {
            {"LeftButtonOnly", [] { return new LeftButtonOnly; }}, {"MakeMacro", [] { return new MakeMacro; }},
            {"GroupMaxThree", [] { return new GroupMaxThree; }},   {"FireKey", [] { return new FireKey; }},
            {"GroupKey", [this] { return new GroupKey(nullptr, m_clock); }},
        };
        const std::unique_ptr<QDialog> shown(make.value(dialog)());
        shown->show();
        QVERIFY(QTest::qWaitForWindowActive(shown.get()));
        QTest::keyClick(shown.get(), Qt::Key(key));
        QTEST(!shown->isVisible(), "closes");
        if (auto *fire = qobject_cast<FireKey *>(shown.get()))
            QVERIFY(!fire->accepted);
    }
};

TALVO_TEST_MAIN(tst_KeyDialogs)
#include "tst_keydialogs.moc"
