// The key page against the simulated mouse: how records become captions
// and macro files, and what macro changes send to the device.

#include "appinfo.h"
#include "buttoninterface.h"
#include "configinistore.h"
#include "devicelinktest.h"
#include "keybindingencoder.h"
#include "keynames.h"
#include "languagefilereader.h"
#include "languagetables.h"
#include "macro.h"
#include "macrofile.h"
#include "pagestate.h"
#include "postmsg.h"
#include "shelltest.h"
#include "testenvironment.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QStackedWidget>
#include <QTimer>

#include <memory>

using namespace DeviceLinkTest;

namespace {

// The key buttons by device key.
const char *const KeyButtons[] = {"FireKey", "RightKey", "BackKey", "TopMusic", "StartPause", "BackMusic"};

QByteArray bytesOfData(const KeyData &data)
{
    return QByteArray(reinterpret_cast<const char *>(&data), sizeof data);
}

KeyMacro macroNamed(const QByteArray &name)
{
    KeyMacro block = {};
    block.nameLengthByte = std::uint8_t(name.size());
    std::memcpy(block.name, name.constData(), size_t(name.size()));
    block.stepCountByte = 2;
    block.steps[0] = {KeyStep::Press, KeyStep::Key, {0x04, 0}, {10, 0, 0, 0}};
    block.steps[1] = {KeyStep::Release, KeyStep::Key, {0x04, 0}, {0, 0, 0, 0}};
    return block;
}

void bindMacro(FlashDataMap &record, int key, const QByteArray &name, int repeat)
{
    record.KeyFunctions[key] = {6, std::uint8_t(key), std::uint8_t(repeat)};
    record.KeyMacros[key] = macroNamed(name);
}

QByteArray entryOf(const FlashDataMap &record, int key)
{
    return QByteArray(reinterpret_cast<const char *>(&record.KeyFunctions[key]), 3);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class tst_KeyPage : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<Buttoninterface> m_page;
    // Confirms every dialog, m_pasted pasted into it first, unless told to
    // cancel; closes those without a confirm button.
    std::unique_ptr<ShellTest::ModalCloser> m_closer;
    QString m_pasted;
    bool m_confirm = true;

    QAbstractButton *button(const QString &name) const { return m_page->findChild<QAbstractButton *>(name); }
    QString caption(int key) const { return button(KeyButtons[key])->text(); }
    QString macroPrefix() const { return languageText(LanguageSection::Buttoninterface, currentLanguageIndex, 55); }

    // Key 3 bound as given, its macro block naming "Jump".
    void fillKey3(int type, int code, const QByteArray &payload)
    {
        FlashDataMap record = {};
        bindMacro(record, 3, "Jump", 1);
        record.KeyFunctions[3] = {std::uint8_t(type), std::uint8_t(code), 0};
        std::memcpy(&record.KeyDatas[3], payload.constData(), size_t(payload.size()));
        fill(record);
    }

    // "{Name}" stands for the caption of the button Name, "{prefix}" for the
    // macro caption prefix.
    QString expanded(QString text) const
    {
        text.replace("{prefix}", macroPrefix());
        const QRegularExpression name("\\{(\\w+)\\}");
        for (auto match = name.match(text); match.hasMatch(); match = name.match(text))
            text.replace(match.captured(0), button(match.captured(1))->text());
        return text;
    }

    // The mouse of `mid` online on the receiver, its record read.
    FlashDataMap openMouse(int mid)
    {
        if (mid != 1)
            loadScenario(QStringLiteral("[Receiver1]\nKind=5\nPid=0x5A18\nMouse=Mouse1\n[Mouse1]\nCid=35\nMid=%1\n")
                             .arg(mid).toUtf8());
        DeviceAllInfo device = chosenReceiver();
        device.mid = std::uint8_t(mid);
        device.driveIndex = mid - 1;
        CurrentDevice.set(device);
        CurrentDevicePath.set(receiverPath());
        UsbServerC_Start(receiverPath().constData(), receiverPath().constData(), ignoreEvents);
        const FlashDataMap record = recordOf(HidUsbSim::storedConfiguration("Mouse1", 0));
        DeviceProtocolData.set(record);
        g_deviceRecordLoaded = true;
        return record;
    }

    FlashDataMap storedRecord() const
    {
        return recordOf(HidUsbSim::storedConfiguration("Mouse1", HidUsbSim::activeConfiguration("Mouse1")));
    }

    // A record the device delivered, applied to the page.
    void fill(const FlashDataMap &record)
    {
        DeviceProtocolData.set(record);
        m_page->SlotUpDataButtonUIB(record);
    }

private slots:
    void initTestCase()
    {
        LanguageFileReader::loadLanguageFolder(QCoreApplication::applicationDirPath() + "/Language",
                                               languageTextTable);
    }

    void init()
    {
        resetAll();
        QDir(macroFolderPath()).removeRecursively();
        QDir().mkpath(macroFolderPath());
        currentLanguageIndex = 0;
        m_page = std::make_unique<Buttoninterface>();
        emit PostMsg::instance()->SigAllLanguage(0);
        m_pasted = "ctrl+space";
        m_confirm = true;
        m_closer = std::make_unique<ShellTest::ModalCloser>([this](QWidget *dialog) {
            if (auto *question = qobject_cast<QMessageBox *>(dialog))
                question->button(QMessageBox::Yes)->click();
            if (qobject_cast<QFileDialog *>(dialog))
                ShellTest::typeFileName(dialog, m_pasted);
            if (qobject_cast<QMessageBox *>(dialog) || qobject_cast<QFileDialog *>(dialog))
                return false;
            if (!m_confirm)
                return true;
            if (auto *edit = dialog->findChild<QLineEdit *>("lineEdit"))
                edit->insert(m_pasted);
            QAbstractButton *confirm = dialog->findChild<QAbstractButton *>("NewHong");
            if (!confirm)
                confirm = dialog->findChild<QAbstractButton *>("OK");
            if (confirm)
                confirm->click();
            return !confirm;
        });
    }

    void cleanup()
    {
        m_page.reset();
        m_closer.reset();
    }

    void theFormHoldsEveryObjectTheHandlersAddress()
    {
        QMap<QString, int> counts;
        QWidget *debounce = m_page->findChild<QWidget *>("DebunceButton");
        for (QObject *object : m_page->findChildren<QObject *>()) {
            if (!object->objectName().isEmpty() && !object->objectName().startsWith("qt_")
                && (object == debounce || !debounce->isAncestorOf(qobject_cast<QWidget *>(object))))
                ++counts[object->metaObject()->className()];
        }
        const QMap<QString, int> expected = {
            {"QToolButton", 71}, {"MyToolButton", 2},  {"QComboBox", 1},   {"DebounceTime", 1},
            {"QWidget", 20},     {"QScrollArea", 9},   {"QLabel", 8},      {"QGroupBox", 3},
            {"QStackedWidget", 2}, {"QFrame", 1},      {"QGridLayout", 9}, {"QVBoxLayout", 8},
        };
        QCOMPARE(counts.keys(), expected.keys());
        QCOMPARE(counts.values(), expected.values());
        QStringList pages;
        auto *functions = m_page->findChild<QStackedWidget *>("stackedWidget_2");
        for (int index = 0; index < functions->count(); ++index)
            pages << functions->widget(index)->objectName();
        QCOMPARE(pages, QStringList({"page_3", "page_5", "page_6", "page_8", "page_9", "page_4", "page_7", "page_10"}));
        QCOMPARE(functions->currentWidget()->objectName(), QString("page_9"));
        QCOMPARE(m_page->findChild<QStackedWidget *>("stackedWidget")->currentWidget()->objectName(), QString("page"));
    }

    void fillsAndTheResetHoldTheFillingFlagOnlyWhileTheyRun_data()
    {
        QTest::addColumn<int>("slot");
        QTest::addColumn<bool>("appliedAfter");
        QTest::newRow("device record") << 0 << true;
        QTest::newRow("imported record") << 1 << false;
        QTest::newRow("no record") << 2 << false;
    }

    void fillsAndTheResetHoldTheFillingFlagOnlyWhileTheyRun()
    {
        QFETCH(int, slot);
        QFETCH(bool, appliedAfter);
        bool fillingDuring = false;
        bool appliedDuring = true;
        const auto probe = connect(PostMsg::instance(), &PostMsg::SigLightToFrom, [&] {
            fillingDuring = g_buttonUiFilling;
            appliedDuring = g_buttonUiApplied;
        });
        g_buttonUiApplied = false;
        const FlashDataMap record = {};
        if (slot == 0)
            m_page->SlotUpDataButtonUIButton(record);
        else if (slot == 1)
            m_page->SlotUpDataButtonUIB(record);
        else
            m_page->SlotFormResetButton();
        disconnect(probe);
        QVERIFY(fillingDuring);
        QVERIFY(!appliedDuring);
        QVERIFY(!g_buttonUiFilling);
        QCOMPARE(bool(g_buttonUiApplied), appliedAfter);
    }

    // On key 3, the fifth button: "{Name}" stands for the caption of the
    // button Name, "{prefix}" for the macro caption prefix.
    void eachBindingTypeCaptionsItsKey_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QString>("expected");
        const QByteArray none;
        KeyData tooLong = KeyDataFromCombination("Ctrl+Alt+Del");
        tooLong.stepCountByte = 200;
        QTest::newRow("right button") << 1 << 2 << none << "{RightKey_3}";
        QTest::newRow("unknown button") << 1 << 32 << none << "{TopMusic}";
        QTest::newRow("disabled") << 0 << 0 << none << "{DPI_5}";
        QTest::newRow("light strip") << 8 << 3 << none << "{VolumeUp_6}";
        QTest::newRow("scroll down") << 11 << 2 << none << "{VolumeDown_14}";
        QTest::newRow("DPI lock, stepped sensor") << 10 << 15 << none << "{DPI_4}-800";
        QTest::newRow("media player") << 5 << 0 << bytesOfData(consumerKeyData(0x0183)) << "{Player}";
        QTest::newRow("unknown consumer usage") << 5 << 0 << bytesOfData(consumerKeyData(0x0199)) << "{TopMusic}";
        QTest::newRow("combination") << 5 << 0 << bytesOfData(KeyDataFromCombination("Ctrl+Num+")) << "Ctrl+Num+";
        QTest::newRow("too many steps") << 5 << 0 << bytesOfData(tooLong) << "Ctrl+Alt+Del";
        QTest::newRow("macro") << 6 << 3 << none << "{prefix}Jump";
    }

    void eachBindingTypeCaptionsItsKey()
    {
        QFETCH(int, type);
        QFETCH(int, code);
        QFETCH(QByteArray, payload);
        QFETCH(QString, expected);
        fillKey3(type, code, payload);
        QCOMPARE(caption(3), expanded(expected));
    }

    void theModelsKeyCountIsKeptToTheSixKeys_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<int>("keys");
        QTest::newRow("six") << QByteArray("KeyNumber=6") << 6;
        QTest::newRow("two hundred") << QByteArray("KeyNumber=200") << 6;
        QTest::newRow("zero") << QByteArray("KeyNumber=0") << 0;
        QTest::newRow("negative") << QByteArray("KeyNumber=-2") << 0;
        QTest::newRow("missing") << QByteArray() << 0;
    }

    void theModelsKeyCountIsKeptToTheSixKeys()
    {
        QFETCH(QByteArray, line);
        QFETCH(int, keys);
        const QString path = QDir::homePath() + "/keys.ini";
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("[Drive1]\n" + line + "\n");
        file.close();
        QCOMPARE(Buttoninterface::modelKeyCount(ConfigIniStore(path), "Drive1"), keys);
    }

    void aModelWithoutKeysKeepsTheCaptionsOfTheLanguage()
    {
        DeviceAllInfo device = chosenReceiver();
        device.driveIndex = 8; // no such model group: no "KeyNumber"
        CurrentDevice.set(device);
        FlashDataMap record = {};
        record.KeyFunctions[0] = {1, 2, 0};
        fill(record);
        emit PostMsg::instance()->SigAllLanguage(1);
        QCOMPARE(caption(0), languageText(LanguageSection::Buttoninterface, 1, 4));
    }

    // A file the folder holds stays the user's: one of more keys than a
    // block holds, one saved while the mouse was away.
    void aMacroNameFromARecordNamesAFileOnlyWhenItCan_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("usable");
        QTest::addColumn<QByteArray>("file");
        const QByteArray none;
        QTest::newRow("plain") << QByteArray("Jump") << true << none;
        QTest::newRow("parent folder") << QByteArray("../x") << false << none;
        QTest::newRow("path") << QByteArray("a/b") << false << none;
        QTest::newRow("listing suffix") << QByteArray("x.ini") << false << none;
        QTest::newRow("a file of 80 keys") << QByteArray("Jump") << true << "1\n" + QByteArray("0x05 1 0\n").repeated(80);
        QTest::newRow("a file saved offline") << QByteArray("Jump") << true << QByteArray("3\n0x05 1 0\n20ms\n");
    }

    void aMacroNameFromARecordNamesAFileOnlyWhenItCan()
    {
        QFETCH(QByteArray, name);
        QFETCH(bool, usable);
        QFETCH(QByteArray, file);
        QFile existing(macroFilePath(name));
        QVERIFY(file.isEmpty() || (existing.open(QIODevice::WriteOnly) && existing.write(file) && existing.flush()));
        QSignalSpy toMacroPage(PostMsg::instance(), SIGNAL(SigButtonToMacro(FlashDataMap,int)));
        FlashDataMap record = {};
        bindMacro(record, 0, name, 255);
        fill(record);
        QCOMPARE(caption(0), macroPrefix() + name);
        QCOMPARE(toMacroPage.count(), usable ? 1 : 0);
        const QStringList written = QDir(dataFolderPath() + "/usersetting").entryList({"*.ini"}, QDir::Files)
                                    + QDir(macroFolderPath()).entryList(QDir::Files);
        QCOMPARE(written, usable ? QStringList({name + ".ini"}) : QStringList());
        if (usable) // the steps come with the repeat mode
            QCOMPARE(readFile(macroFilePath(name)), file.isEmpty() ? QByteArray("255\n0x04 1 0\n10ms\n0x04 1 1\n") : file);
    }

    void aLanguageChangeOnlyRecaptions()
    {
        FlashDataMap record = {};
        bindMacro(record, 0, "Jump", 3);
        fill(record);
        const QByteArray edited = "3\n0x04 1 0\n10ms\n0x04 1 1\n";
        QFile file(macroFilePath("Jump"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(edited);
        file.close();
        QSignalSpy toMacroPage(PostMsg::instance(), SIGNAL(SigButtonToMacro(FlashDataMap,int)));

        currentLanguageIndex = 1;
        emit PostMsg::instance()->SigAllLanguage(1);
        QCOMPARE(caption(0), macroPrefix() + "Jump");
        QCOMPARE(readFile(macroFilePath("Jump")), edited);
        QCOMPARE(toMacroPage.count(), 0);
    }

    // Key 1 falls back to its mouse button; key 5 of this model to the
    // volume key its "KeyParam6" names, which keeps its key sequence.
    void aDeletedMacroGivesItsKeysTheirModelDefaults()
    {
        FlashDataMap record = openMouse(2);
        bindMacro(record, 1, "Jump", 1);
        bindMacro(record, 5, "Jump", 1);
        record.KeyDatas[1] = KeyDataFromCombination("Ctrl+C");
        fill(record);

        m_page->SlotDeleteMacroButton(macroPrefix() + "Jump");
        const FlashDataMap stored = storedRecord();
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(&stored.KeyFunctions[1]), 3), QByteArray("\x01\x02\x00", 3));
        QCOMPARE(bytesOfData(stored.KeyDatas[1]), QByteArray(sizeof(KeyData), '\0'));
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(&stored.KeyFunctions[5]), 3), QByteArray("\x05\x00\x00", 3));
        QCOMPARE(bytesOfData(stored.KeyDatas[5]), bytesOfData(consumerKeyData(0x00E9)));
        QCOMPARE(caption(1), button("RightKey_3")->text());
        QCOMPARE(caption(5), button("VolumeDown")->text());
    }

    void aRenamedMacroFitsTheDevicesThirtyBytes_data()
    {
        QTest::addColumn<QString>("rename");
        QTest::addColumn<QByteArray>("stored");
        QTest::newRow("short") << "Run" << QByteArray("Run");
        const QString tooLong = QString(29, 'a') + QString::fromUtf8("жж");
        QTest::newRow("cut between characters") << tooLong << QByteArray(29, 'a');
    }

    void aRenamedMacroFitsTheDevicesThirtyBytes()
    {
        QFETCH(QString, rename);
        QFETCH(QByteArray, stored);
        FlashDataMap record = openMouse(1);
        bindMacro(record, 2, "Jump", 1);
        fill(record);

        emit PostMsg::instance()->SigMacroRename(rename, "Jump");
        const KeyMacro &macro = storedRecord().KeyMacros[2];
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(macro.name), macro.nameLengthByte), stored);
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(macro.name) + stored.size(), 30 - stored.size()),
                 QByteArray(30 - stored.size(), '\0'));
        QCOMPARE(caption(2), macroPrefix() + rename);
    }

    // The clicks select a key and press buttons ("Burst" is the macro-list
    // button of a macro repeating 255, "LLL..." one of a name beyond the
    // device's 30 bytes, "Long" one of 71 keys, "R300" one whose first line
    // is "300"; "!" reports a double click); "paste=" and
    // "cancel" say how the dialogs are answered. "entry" is the key's entry
    // on the device after them, empty when it must not change, as the
    // caption then.
    void eachFunctionFamilyBindsOnlyASelectedKeyOfADeviceOnline_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<bool>("online");
        QTest::addColumn<QByteArray>("entry");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("dialogs");
        const QByteArray kept;
        const QString media = "DPI_12 VolumeDown_4";
        const QStringList none;
        QTest::newRow("media key") << 3 << "TopMusic " + media << true << QByteArray("\5\0\0", 3)
                                   << bytesOfData(consumerKeyData(0xEA)) << "{VolumeDown_4}" << none;
        QTest::newRow("scroll, fourth button") << 4 << "StartPause DPI_13 VolumeUp_14" << true
                                               << QByteArray("\13\1\0", 3) << kept << "{VolumeUp_14}" << none;
        QTest::newRow("DPI lock 1200") << 1 << "RightKey DPI_4 VolumeUp_21" << true << QByteArray("\12\27\0", 3)
                                       << kept << "{DPI_4}-1200" << none;
        QTest::newRow("macro") << 5 << "BackMusic DPI_10 Burst" << true << QByteArray("\6\5\377", 3)
                               << QByteArray("macro") << "{prefix}Burst" << none;
        QTest::newRow("macro whose name the device cannot carry")
            << 5 << "BackMusic DPI_10 " + QString(31, 'L') << true << kept << kept << "" << QStringList("UpDateWarning");
        QTest::newRow("macro of more keys than the device plays")
            << 5 << "BackMusic DPI_10 Long" << true << kept << kept << "" << QStringList("KeyNumberLimit");
        for (const char *line : {"300", "-2", "abc"}) // read as the editor reads them: play once
            QTest::addRow("macro repeating %s", line) << 5 << QString("BackMusic DPI_10 R") + line << true
                                                     << QByteArray("\6\5\1", 3) << kept << QString("{prefix}R") + line << none;
        QTest::newRow("rapid fire") << 2 << "BackKey DPI_6" << true << QByteArray("\4\12\3", 3) << kept << "{DPI_6}"
                                    << QStringList("FireKey");
        QTest::newRow("pasted combination") << 1 << "RightKey DPI_8" << true << QByteArray("\5\0\0", 3)
                                            << bytesOfData(KeyDataFromCombination("Ctrl+Space")) << "Ctrl+Space"
                                            << QStringList("GroupKey");
        QTest::newRow("empty combination") << 1 << "paste=ctrl+foo RightKey DPI_8" << true << kept << kept << ""
                                           << QStringList("GroupKey");
        QTest::newRow("double click on rapid fire, cancelled") << 2 << "cancel BackKey DPI_6!" << true << kept << kept
                                                               << "" << QStringList("FireKey");
        QTest::newRow("offline") << 3 << "TopMusic " + media << false << kept << kept << "" << none;
        QTest::newRow("no key selected") << 3 << media << true << kept << kept << "" << none;
        QTest::newRow("last left click by its key") << 0 << "FireKey " + media << true << kept << kept << ""
                                                    << QStringList("LeftButtonOnly");
        QTest::newRow("last left click by its badge") << 0 << "Number1 " + media << true << kept << kept << ""
                                                      << QStringList("LeftButtonOnly");
        QTest::newRow("one of two left clicks") << 0 << "RightKey LeftKey_3 FireKey MidKey" << true
                                                << QByteArray("\1\4\0", 3) << kept << "{MidKey}" << none;
    }

    void eachFunctionFamilyBindsOnlyASelectedKeyOfADeviceOnline()
    {
        QFETCH(int, key);
        QFETCH(QString, clicks);
        QFETCH(QByteArray, entry);
        QFETCH(QByteArray, payload);
        QFETCH(QString, caption);
        QVERIFY(writeMacroFile("Burst", {255, {}}) && writeMacroFile(QString(31, 'L'), {})
                && writeMacroFile("Long", {1, QVector<MacroItem>(71, MacroItem::key(1, 0x04, 0))}));
        for (const QByteArray line : {"300", "-2", "abc"}) {
            QFile file(macroFilePath("R" + line));
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(line + "\n0x04 1 0\n"));
        }
        m_page->SlotAddMacroButton();
        fill(openMouse(1));
        g_deviceUiLive = true;
        QFETCH(bool, online);
        HidUsbSim::setMousePower("Mouse1", online);
        const FlashDataMap before = storedRecord();
        const QString captionBefore = this->caption(key);

        for (QString name : clicks.split(' ')) {
            m_confirm = m_confirm && name != "cancel";
            if (name.startsWith("paste="))
                m_pasted = name.mid(6);
            const bool twice = name.endsWith('!');
            name.remove('!');
            QAbstractButton *pressed = button(name);
            for (QAbstractButton *macro : m_page->findChildren<QAbstractButton *>()) {
                if (macro->text() == name)
                    pressed = macro;
            }
            if (twice)
                emit pressed->clicked(true);
            else if (pressed)
                pressed->click();
        }
        const FlashDataMap after = storedRecord();
        QCOMPARE(entryOf(after, key), entry.isEmpty() ? entryOf(before, key) : entry);
        KeyMacro macro;
        if (payload == "macro" && buildMacroBlockFromIni("Burst", &macro))
            payload = QByteArray(reinterpret_cast<const char *>(&macro), sizeof macro);
        const auto *stored = reinterpret_cast<const char *>(&after.KeyDatas[key]);
        if (payload.size() == sizeof macro)
            stored = reinterpret_cast<const char *>(&after.KeyMacros[key]);
        if (!payload.isEmpty())
            QCOMPARE(QByteArray(stored, payload.size()), payload);
        QCOMPARE(this->caption(key), caption.isEmpty() ? captionBefore : expanded(caption));
        QTEST(m_closer->seen, "dialogs");
        QCOMPARE(m_page->findChild<QStackedWidget *>("stackedWidget")->currentWidget()->objectName(), QString("page"));
    }

    // The binding of key 3, the fifth button: the function page shown, the
    // buttons checked on the category list and on that page, and where a list
    // scrolled to.
    void selectingAKeyShowsItsBinding_data()
    {
        QTest::addColumn<int>("type");
        QTest::addColumn<int>("code");
        QTest::addColumn<QByteArray>("payload");
        QTest::addColumn<QString>("page");
        QTest::addColumn<QString>("category");
        QTest::addColumn<QStringList>("checked");
        QTest::addColumn<QString>("list");
        QTest::addColumn<int>("scrolled");
        QTest::newRow("media usage") << 5 << 0 << bytesOfData(consumerKeyData(0xEA)) << "page_3" << "DPI_12"
                                     << QStringList("VolumeDown_4") << "scrollArea_3" << 105;
        // The "4" key's usage has the low byte of a media usage.
        QTest::newRow("combination") << 5 << 0 << bytesOfData(KeyDataFromCombination("4")) << "page_9" << "DPI_8"
                                     << QStringList() << "scrollArea_3" << 0;
        QTest::newRow("DPI lock beyond the list") << 10 << 40 << QByteArray() << "page_8" << "DPI_4" << QStringList()
                                                  << "scrollArea_10" << 0;
        QTest::newRow("macro without its file") << 6 << 3 << QByteArray() << "page_5" << "DPI_10" << QStringList()
                                                << "scrollArea_7" << 0;
    }

    void selectingAKeyShowsItsBinding()
    {
        QFETCH(int, type);
        QFETCH(int, code);
        QFETCH(QByteArray, payload);
        QFETCH(QString, category);
        QFETCH(QString, list);
        fillKey3(type, code, payload);
        m_page->show();
        button("TopMusic")->click();

        QWidget *shown = m_page->findChild<QStackedWidget *>("stackedWidget_2")->currentWidget();
        QTEST(shown->objectName(), "page");
        QVERIFY(button(category)->isChecked());
        QStringList checked;
        for (QAbstractButton *function : shown->findChildren<QAbstractButton *>()) {
            if (function->isChecked())
                checked << function->objectName();
        }
        QTEST(checked, "checked");
        QTEST(m_page->findChild<QScrollArea *>(list)->verticalScrollBar()->value(), "scrolled");
    }

    // The folder's macros in its order, padded to seven rows by hidden
    // buttons ("-"); the buttons of macros that stay are kept, unchecked.
    void theMacroListFollowsTheFolder_data()
    {
        QTest::addColumn<QStringList>("after");
        QTest::addColumn<QString>("rows");
        QTest::newRow("one added") << QStringList{"c", "a", "B"} << "a B c - - - -";
        QTest::newRow("one renamed") << QStringList{"a", "d"} << "a d - - - - -";
        QTest::newRow("eight") << QString("abcdefgh").split("", Qt::SkipEmptyParts) << "a b c d e f g h";
        QTest::newRow("none") << QStringList() << "";
    }

    void theMacroListFollowsTheFolder()
    {
        QFETCH(QStringList, after);
        QVERIFY(writeMacroFile("a", {}) && writeMacroFile("c", {}));
        m_page->SlotAddMacroButton();
        QLayout *list = m_page->findChild<QWidget *>("scrollAreaWidgetContents_7")->layout();
        QPointer<QAbstractButton> a = static_cast<QAbstractButton *>(list->itemAt(0)->widget());
        a->setChecked(true);
        QVERIFY(QFile::remove(macroFilePath("a")) && QFile::remove(macroFilePath("c")));
        for (const QString &name : after)
            QVERIFY(writeMacroFile(name, {}));
        m_page->SlotAddMacroButton();
        QStringList rows;
        for (int row = 0; row < list->count(); ++row) {
            auto *macro = static_cast<QAbstractButton *>(list->itemAt(row)->widget());
            rows << (macro->isHidden() ? "-" : macro->text());
        }
        QTEST(rows.join(' '), "rows");
        QVERIFY(after.isEmpty() ? !a : list->itemAt(0)->widget() == a && !a->isChecked());
    }

    // "Jump", bound to key 2 to repeat twice, saved with `keys` keys: its
    // steps (0) or its repeat mode alone (1) changed; `left`: the frame
    // leaves the device at once, and the macro page answers.
    void aSavedMacroReachesItsKeysWholeOrNotAtAll_data()
    {
        QTest::addColumn<int>("keys");
        QTest::addColumn<int>("change");
        QTest::addColumn<bool>("left");
        QTest::newRow("steps the device plays whole") << 2 << 0 << false;
        QTest::newRow("steps beyond what it plays") << 80 << 0 << false;
        QTest::newRow("the repeat mode of steps beyond it") << 80 << 1 << false;
        QTest::newRow("steps, the device left within the pause") << 2 << 0 << true;
    }

    void aSavedMacroReachesItsKeysWholeOrNotAtAll()
    {
        QFETCH(int, keys);
        QFETCH(int, change);
        QFETCH(bool, left);
        const std::unique_ptr<Macro> macroPage(left ? new Macro : nullptr);
        FlashDataMap record = openMouse(1);
        bindMacro(record, 2, "Jump", 2);
        DeviceProtocolData.set(record);
        sendWholeRecord();
        fill(record);
        g_deviceUiLive = true;
        QVERIFY(writeMacroFile("Jump", {1, QVector<MacroItem>(keys, MacroItem::key(1, 0x04, 0))}));
        QSignalSpy asked(PostMsg::instance(), SIGNAL(SigMacroDownLoadData(QString,int)));
        if (left) // as the frame leaves it
            QTimer::singleShot(0, [this] {
                m_page->sendSavedMacros();
                UsbServer_Exit();
            });
        emit PostMsg::instance()->SigUpDataMacro("Jump", change);
        const bool whole = keys <= KeyMacro::MaxSteps;
        QCOMPARE(asked.count(), whole ? 1 : 0);
        if (left) // the file's repeat mode came with its steps
            record.KeyFunctions[2].param = 1;
        QCOMPARE(entryOf(storedRecord(), 2), entryOf(record, 2));
        QCOMPARE(m_closer->seen, whole ? QStringList() : QStringList("KeyNumberLimit"));
    }

    // Typed without its extension, the export gets the one the import lists
    // before the dialog asks whether to replace a file.
    void aProfileExportAsksBeforeReplacingTheFileItWrites()
    {
        QFile existing(QDir::home().filePath("profile.bin"));
        QVERIFY(existing.open(QIODevice::WriteOnly) && existing.write("mine") && existing.flush());
        m_pasted = "profile";
        button("OutputData")->click();
        QCOMPARE(m_closer->seen, QStringList({"QFileDialog", "QMessageBox"}));
        QCOMPARE(QFileInfo(existing.fileName()).size(), 10464);
        QCOMPARE(QDir::home().entryList({"profile*"}), QStringList("profile.bin"));
    }

    void theResetAsksThenClearsTheDevice()
    {
        fill(openMouse(1));
        HidUsbSim::clearCallLog();
        button("Reset")->click();
        const QStringList calls = HidUsbSim::callLog().filter(
            QRegularExpression("SetBatteryOptimizeEnable|ProtocolDataUpdate|SetClearSetting"));
        QCOMPARE(calls.mid(0, 3), QStringList({"UsbServer_SetBatteryOptimizeEnable(0)", "ProtocolDataUpdate",
                                     "UsbServer_SetClearSetting"}));
        QCOMPARE(m_closer->seen, QStringList({"ContainReset", "UpDataParam"}));
        QVERIFY(!g_importActive);
    }
};

TALVO_TEST_MAIN(tst_KeyPage)
#include "tst_keypage.moc"
