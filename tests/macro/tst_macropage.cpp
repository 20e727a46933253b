// The macro page driven as a user drives it, on a macro folder of its own
// and the simulated mouse; the key page's side of the exchange through the
// hub.

#include "addkey.h"
#include "childwidget.h"
#include "devicelinktest.h"
#include "macro.h"
#include "macroblockbuilder.h"
#include "macroexport.h"
#include "macrofile.h"
#include "macrorecorder.h"
#include "macrosteplist.h"
#include "manualclock.h"
#include "pipewatch.h"
#include "pagestate.h"
#include "questiondialog.h"
#include "shelltest.h"
#include "testenvironment.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLineEdit>
#include <QListWidget>
#include <QSpinBox>

#include <functional>
#include <memory>

using namespace DeviceLinkTest;

namespace {

// Words for steps as in the step list test: "A+", "A-", "10".
QString wordsOf(const QVector<MacroItem> &items)
{
    QStringList words;
    for (const MacroItem &item : items)
        words << (item.type == MacroItem::Delay ? QString::number(item.delay)
                                                : item.text() + (item.action == KeyStep::Press ? "+" : "-"));
    return words.join(' ');
}

// Presses ("A+"), auto-repeats ("A*") and releases ("A-") of letters, or
// of a key without a name ("Vol+"); numbers let the clock run.
void type(QWidget *window, ManualClock &clock, const QString &script)
{
    for (const QString &word : script.split(' ', Qt::SkipEmptyParts)) {
        if (word.at(0).isDigit()) {
            clock.advance(word.toInt());
            continue;
        }
        const QString name = word.chopped(1);
        const int key = name == "Vol" ? Qt::Key_VolumeUp : Qt::Key_A + (name.at(0).unicode() - 'A');
        QTest::simulateEvent(window, !word.endsWith('-'), key, Qt::NoModifier, QString(), word.endsWith('*'));
    }
}

} // namespace

class tst_MacroPage : public QObject
{
    Q_OBJECT

private:
    ManualClock m_clock;
    std::unique_ptr<Macro> m_page;
    std::unique_ptr<ShellTest::ModalCloser> m_closer;
    // How the user answers each dialog class; unnamed ones are just closed.
    QHash<QString, std::function<void(QWidget *)>> m_answers;
    QStringList m_hub;

    template<typename T = QWidget>
    T *child(const char *name)
    {
        return ::child<T>(m_page.get(), name);
    }

    void click(const char *name) { child<QAbstractButton>(name)->click(); }

    void choose(const QString &macro)
    {
        auto *list = child<QListWidget>("listWidgetHong");
        list->setCurrentItem(list->findItems(macro, Qt::MatchExactly).value(0));
    }

    QStringList macroList()
    {
        QStringList names;
        auto *list = child<QListWidget>("listWidgetHong");
        for (int row = 0; row < list->count(); ++row)
            names << list->item(row)->text();
        return names;
    }

    QString shownSteps()
    {
        auto *list = child<QListWidget>("listWidgetKey");
        QVector<MacroItem> items;
        for (int row = 0; row < list->count(); ++row)
            items << list->item(row)->data(Qt::UserRole).value<MacroItem>();
        return wordsOf(items);
    }

    // The name set as it stands, or typed ("typed:") or pasted ("pasted:").
    void answerName(const QString &name)
    {
        m_answers["QuestionDialog"] = [name](QWidget *dialog) {
            auto *field = dialog->findChild<QLineEdit *>("lineEdit");
            if (name.startsWith("typed:"))
                QTest::keyClicks(field, name.mid(6));
            else if (name.startsWith("pasted:"))
                field->insert(name.mid(7));
            else
                field->setText(name);
            dialog->findChild<QAbstractButton *>("NewHong")->click();
        };
    }

private slots:
    void initTestCase()
    {
        ShellTest::loadShippedLanguages();
        PostMsg *hub = PostMsg::instance();
        connect(hub, &PostMsg::SigMacroRename, this, [this](QString name, QString former) {
            m_hub << "rename " + former + " " + name;
        });
        connect(hub, &PostMsg::SigDeleteMacroButton, this, [this](QString label) { m_hub << "delete " + label; });
        connect(hub, &PostMsg::SigAddMacroButton, this, [this] { m_hub << "add"; });
        connect(hub, &PostMsg::SigUpDataMacro, this,
                [this](QString name, int index) { m_hub << QString("changed %1 %2").arg(name).arg(index); });
    }

    void init()
    {
        resetAll();
        openDefaultMouse();
        QDir(macroFolderPath()).removeRecursively();
        QDir().mkpath(macroFolderPath());
        const auto keyA = [](int action) { return MacroItem::key(KeyStep::Key, 0x04, action); };
        QVERIFY(writeMacroFile("Old", {1, {keyA(KeyStep::Press), MacroItem::pause(10), keyA(KeyStep::Release)}}));
        QVERIFY(writeMacroFile("Other", {}));
        m_answers.clear();
        m_hub.clear();
        m_closer = std::make_unique<ShellTest::ModalCloser>([this](QWidget *dialog) {
            const auto answer = m_answers.value(dialog->metaObject()->className());
            if (answer)
                answer(dialog);
            return !answer;
        });
        m_page = std::make_unique<Macro>(nullptr, m_clock);
        m_page->show();
        QVERIFY(QTest::qWaitForWindowActive(m_page.get()));
    }

    void cleanup()
    {
        m_page.reset();
        m_closer.reset();
    }

    // Names hold no blank: typed or pasted, wherever the cursor stands.
    void theNameFieldDropsBlanksAndKeepsTheCursor_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        QTest::addColumn<int>("cursorAfter");
        QTest::newRow("a blank at the end") << "ab" << 2 << " " << "ab" << 2;
        QTest::newRow("a blank inside") << "abc" << 1 << " " << "abc" << 1;
        QTest::newRow("letters after a blank") << "ab" << 1 << " x" << "axb" << 2;
    }

    void theNameFieldDropsBlanksAndKeepsTheCursor()
    {
        QFETCH(QString, before);
        QFETCH(int, cursor);
        QFETCH(QString, typed);
        QuestionDialog dialog;
        auto *field = ::child<QLineEdit>(&dialog, "lineEdit");
        field->setText(before);
        field->setCursorPosition(cursor);
        QTest::keyClicks(field, typed);
        QTEST(field->text(), "after");
        QTEST(field->cursorPosition(), "cursorAfter");
    }

    void recordingTurnsKeysIntoStepsAndDelays_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<int>("fixedDelay");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<bool>("limitReached");
        QTest::newRow("a held key counts once") << "A+ 30 A* 30 A* 60 A-" << 0 << "A+ 120 A-" << false;
        QTest::newRow("keys in the order typed") << "A+ 10 B+ 20 A- 30 B-" << 0 << "A+ 10 B+ 20 A- 30 B-" << false;
        QTest::newRow("a fixed delay whatever the time") << "A+ 7 A- 900 B+" << 50 << "A+ 50 A- 50 B+" << false;
        QTest::newRow("a key without a name leaves its delay before it")
            << "A+ 10 Vol+ 20 Vol- 5 B+" << 0 << "A+ 10 B+" << false;
        QTest::newRow("a key pressed anew after other keys counts")
            << "A+ B+ A- B- B+ B-" << 0 << "A+ 0 B+ 0 A- 0 B- 0 B+ 0 B-" << false;
        QStringList keys;
        for (int pair = 0; pair < MacroRecorder::MaxKeys / 2; ++pair)
            keys << "A+" << "A-";
        QTest::newRow("the seventieth key ends the recording")
            << keys.join(" 1 ") + " 1 B+ 1 B-" << 0 << keys.join(" 1 ") << true;
    }

    void recordingTurnsKeysIntoStepsAndDelays()
    {
        QFETCH(QString, script);
        QFETCH(int, fixedDelay);
        QFETCH(bool, limitReached);
        child<QCheckBox>("DefaultDelay")->setChecked(fixedDelay > 0);
        child<QSpinBox>("DelayTime")->setValue(fixedDelay);
        choose("Old");
        click("StartRecord");
        QVERIFY(child("StopRecord")->isVisible());
        type(m_page.get(), m_clock, script);
        QTEST(shownSteps(), "steps");
        QTRY_COMPARE(m_closer->seen.contains("KeyNumberLimit"), limitReached);
        QCOMPARE(bool(g_macroRecording), !limitReached);
        click("StopRecord");
        QVERIFY(!g_macroRecording);
    }

    void theKeyDialogListensOnlyWhileItShows_data()
    {
        QTest::addColumn<QString>("closedBy");
        QTest::addColumn<QString>("keyName");
        QTest::newRow("left open") << "" << "K";
        QTest::newRow("closed by the window system") << "system" << "";
        QTest::newRow("cancelled") << "NewHong_2" << "";
        QTest::newRow("closed by its close button") << "CloseButton" << "";
    }

    void theKeyDialogListensOnlyWhileItShows()
    {
        QFETCH(QString, closedBy);
        addKey dialog;
        dialog.show();
        if (closedBy == "system")
            dialog.close();
        else if (!closedBy.isEmpty())
            dialog.findChild<QAbstractButton *>(closedBy)->click();
        m_page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_page.get()));
        type(m_page.get(), m_clock, "K+ K-");
        QTEST(dialog.keyName, "keyName");
    }

    void aMacroMadeHereIsPlayedByTheKeyItIsBoundTo()
    {
        answerName("Jump");
        click("NewHong");
        QCOMPARE(macroList(), QStringList({"Old", "Other", "Jump"}));
        QVERIFY(QFile::exists(macroFilePath("Jump")));
        // As the click on Start would, the page takes the keyboard back from the dialog.
        m_page->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_page.get()));
        click("StartRecord");
        type(m_page.get(), m_clock, "A+ 40 A-");
        click("StopRecord");

        m_answers["AddDelayTime"] = [](QWidget *dialog) {
            dialog->findChild<QSpinBox *>("spinBox")->setValue(250);
            dialog->findChild<QAbstractButton *>("NewHong")->click();
        };
        m_answers["addKey"] = [](QWidget *dialog) {
            // The dialog hears keys only once it has the keyboard.
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            QTest::keyClick(dialog->findChild<QLineEdit *>("lineEdit"), Qt::Key_K);
            dialog->findChild<QAbstractButton *>("NewHong")->click();
        };
        auto *steps = child<QListWidget>("listWidgetKey");
        steps->setCurrentRow(1);
        click("Amend");
        steps->setCurrentRow(2);
        click("Amend");
        QCOMPARE(shownSteps(), "A+ 250 K-");
        click("Save");
        QCOMPARE(m_hub, QStringList("changed Jump 0"));
        MacroText saved;
        QVERIFY(readMacroFile("Jump", &saved));
        QCOMPARE(wordsOf(saved.items), "A+ 250 K-");

        // The key page bound it to key 2 to repeat twice and, after its
        // wait, asks for it while another macro shows: the key then plays
        // it as saved, repeat mode and all.
        DeviceProtocolData.update([](FlashDataMap &record) { record.KeyFunctions[2] = {6, 0, 2}; });
        choose("Other");
        emit PostMsg::instance()->SigMacroDownLoadData("Jump", 2);
        const KeyMacro sent = macroBlock("Jump", saved.items);
        const QByteArray stored = HidUsbSim::storedConfiguration("Mouse1", 0);
        QCOMPARE(stored.mid(956 + 2 * 592, 592), QByteArray(reinterpret_cast<const char *>(&sent), 592));
        QCOMPARE(stored.mid(74 + 2 * 3, 3), QByteArray("\6\0", 2) + char(saved.repeat));
        QCOMPARE(saved.repeat, 1);

        // Emptying a short macro is a change the key page must send too.
        choose("Jump");
        click("DeleteKey");
        click("Save");
        QCOMPARE(m_hub.last(), "changed Jump 0");
    }

    // A key or a mouse click (two keys) after the last of `keys` keys.
    void insertedKeysStopAtWhatTheDevicePlays_data()
    {
        QTest::addColumn<int>("keys");
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("rowsAdded");
        QTest::newRow("the seventieth key") << 69 << 1 << 2;
        QTest::newRow("a seventy-first key") << 70 << 2 << 0;
        QTest::newRow("a click up to seventy") << 68 << 4 << 4;
        QTest::newRow("a click beyond seventy") << 69 << 4 << 0;
    }

    void insertedKeysStopAtWhatTheDevicePlays()
    {
        QFETCH(int, keys);
        QFETCH(int, choice);
        QFETCH(int, rowsAdded);
        QVERIFY(writeMacroFile("Full", {1, QVector<MacroItem>(keys, MacroItem::key(KeyStep::Key, 0x04, 0))}));
        m_page = std::make_unique<Macro>(nullptr, m_clock);
        choose("Full");
        child<QListWidget>("listWidgetKey")->setCurrentRow(keys - 1);
        m_answers["addKey"] = [](QWidget *dialog) {
            QVERIFY(QTest::qWaitForWindowActive(dialog));
            QTest::keyClick(dialog->findChild<QLineEdit *>("lineEdit"), Qt::Key_K);
            dialog->findChild<QAbstractButton *>("NewHong")->click();
        };
        QMetaObject::invokeMethod(m_page.get(), "on_ChooseEvent_activated", Q_ARG(int, choice));
        QCOMPARE(child<QListWidget>("listWidgetKey")->count(), keys + rowsAdded);
        QCOMPARE(m_closer->seen.contains("KeyNumberLimit"), rowsAdded == 0);
    }

    // Typed without its extension, the export gets the one the import lists.
    void anExportCarriesTheExtensionTheImportLists()
    {
        choose("Old");
        m_answers["QFileDialog"] = [](QWidget *dialog) { ShellTest::typeFileName(dialog, "hello-export"); };
        QMetaObject::invokeMethod(m_page.get(), "ExPortMacro");
        QFile exported(QDir::home().filePath("hello-export.ini"));
        QVERIFY(exported.open(QIODevice::ReadOnly));
        QCOMPARE(MacroExport::read(&exported)->name, "Old");
    }

    void listFilesAndBindingsChangeTogetherOrNotAtAll_data()
    {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QString>("obstacle");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QStringList>("hub");
        QTest::addColumn<QStringList>("notices");
        const QStringList unchanged = {"Old", "Other"};
        const QStringList none;
        const QStringList warning = {"UpDateWarning"};
        QTest::newRow("rename") << "rename" << "" << "New" << QStringList{"New", "Other"}
                                << QStringList{"New", "Other"} << QStringList{"rename Old New"} << none;
        QTest::newRow("rename onto a folder of that name")
            << "rename" << "New.ini/" << "New" << unchanged << unchanged << none << warning;
        QTest::newRow("rename to a name no file may have")
            << "rename" << "" << "a..b" << unchanged << unchanged << none << warning;
        QTest::newRow("rename to a name taken")
            << "rename" << "" << "Other" << unchanged << unchanged << none << QStringList{"SameMacro"};
        QTest::newRow("delete") << "delete" << "" << "" << QStringList{"Other"} << QStringList{"Other"}
                                << QStringList{"delete Macro: Old"} << none;
        QTest::newRow("delete a file gone already") << "delete" << "-" << "" << QStringList{"Other"}
                                                    << QStringList{"Other"} << QStringList{"delete Macro: Old"} << none;
        QTest::newRow("delete a file that stays")
            << "delete" << "Old.ini/" << "" << unchanged << QStringList{"Other"} << none << warning;
        QTest::newRow("new, typed beyond 30 bytes") << "new" << "" << "typed:" + QString(31, 'x')
                                                    << unchanged + QStringList(QString(30, 'x'))
                                                    << unchanged + QStringList(QString(30, 'x')) << none << none;
        QTest::newRow("new, pasted with a dot first") << "new" << "" << "pasted:.x" << unchanged << unchanged << none << warning;
        QTest::newRow("rename beyond 30 bytes") << "rename" << "" << QString(31, 'x') << unchanged << unchanged << none << warning;
        QTest::newRow("import beyond 30 bytes") << "import" << "" << QString(31, 'x') << unchanged << unchanged << none << warning;
        QTest::newRow("a device's macro joins the list") << "device" << "" << "Dev" << QStringList{"Old", "Other", "Dev"}
                                                         << QStringList{"Dev", "Old", "Other"} << QStringList{"add"} << none;
        QTest::newRow("a device's macro no file may hold")
            << "device" << "" << "../Dev" << unchanged << unchanged << none << none;
        QTest::newRow("a device's macro whose name a pipe holds")
            << "device" << "pipe" << "Dev" << unchanged << unchanged << none << none;
        QTest::newRow("new under a link's name") << "new" << "link" << "Linked" << unchanged << unchanged << none << warning;
        QTest::newRow("import under a dangling link's name")
            << "import" << "dangling" << "Linked" << unchanged << unchanged << none << warning;
        QTest::newRow("rename onto a dangling link")
            << "rename" << "dangling" << "Linked" << unchanged << unchanged << none << warning;
    }

    // Folders stand in the way of a rename or delete whoever runs the tests:
    // a read-only folder stops no one with root's rights.
    void listFilesAndBindingsChangeTogetherOrNotAtAll()
    {
        QFETCH(QString, operation);
        QFETCH(QString, obstacle);
        QFETCH(QString, name);
        if (obstacle == "-" || obstacle.startsWith("Old"))
            QFile::remove(macroFilePath("Old"));
        if (obstacle.endsWith('/'))
            QVERIFY(QDir(macroFolderPath()).mkpath(obstacle + "inside"));
        std::unique_ptr<PipeWatch> pipe;
        if (obstacle == "pipe")
            pipe = std::make_unique<PipeWatch>(macroFilePath(name));
        // A link's target lies outside the folder: it keeps what it holds, or stays missing.
        QFile target(QDir::home().filePath("target.ini"));
        target.remove();
        if (obstacle == "link" || obstacle == "dangling")
            QVERIFY((obstacle == "dangling" || QFile::copy(macroFilePath("Old"), target.fileName()))
                    && QFile::link(target.fileName(), macroFilePath(name)));
        answerName(name);
        m_answers["DeleteConfirm"] = [](QWidget *dialog) { dialog->findChild<QAbstractButton *>("NewHong")->click(); };
        QFile exported(QDir::home().filePath("exported.ini"));
        if (operation == "new") {
            click("NewHong");
        } else if (operation == "import") {
            QVERIFY(exported.open(QIODevice::WriteOnly) && MacroExport({name, {}}).write(&exported) && exported.flush());
            m_answers["QFileDialog"] = [&exported](QWidget *dialog) { ShellTest::typeFileName(dialog, exported.fileName()); };
            QMetaObject::invokeMethod(m_page.get(), "InPortMacro");
        } else if (operation == "device") {
            FlashDataMap record = DeviceProtocolData.get();
            record.KeyMacros[1] = macroBlock(name, {});
            // As the key page does: the file first, then the page is told.
            if (addMacroFileFromBlock(name, record.KeyFunctions[1].param, record.KeyMacros[1]))
                emit PostMsg::instance()->SigButtonToMacro(record, 1);
        } else {
            choose("Old");
            if (operation == "rename")
                QMetaObject::invokeMethod(m_page.get(), "RenameMacro");
            else
                click("DeleteHong");
        }
        QTEST(macroList(), "list");
        QTEST(macroNames(), "files");
        QVERIFY(!pipe || !pipe->readerWaited());
        QCOMPARE(target.open(QIODevice::ReadOnly) ? target.readAll() : "missing",
                 QByteArray(obstacle == "link" ? "1\n0x04 1 0\n10ms\n0x04 1 1\n" : "missing"));
        QTEST(m_hub, "hub");
        QStringList notices = m_closer->seen;
        notices.removeAll("QuestionDialog");
        notices.removeAll("DeleteConfirm");
        notices.removeAll("QFileDialog");
        QTEST(notices, "notices");
    }
};

TALVO_TEST_MAIN(tst_MacroPage)
#include "tst_macropage.moc"
