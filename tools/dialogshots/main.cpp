// Shows each shared dialog, the macro page and its dialogs, the top-level
// window on the simulated devices and the sensor panels no page places, in
// English and in Russian, and saves what the display shows of them as PNG
// files; then walks through a firmware update of a receiver and its mouse on
// the cable, from the settings page's update button to the new versions,
// through pairing a waiting mouse, and through the repair of a receiver whose
// update failed, from the selection page's repair button:
//   talvo-dialogshots OUTPUT_FOLDER
// scripts/screenshots runs it under Xvfb.

#include "appinfo.h"
#include "deviceregistry.h"
#include "dialogmain.h"
#include "dialogplacement.h"
#include "languagefilereader.h"
#include "languagetables.h"
#include "macrofile.h"
#include "macroinistore.h"
#include "match.h"
#include "pagestate.h"
#include "updaterepair.h"
#include "windowgallery.h"

#include <hidusb_sim.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <cstdio>
#include <functional>
#include <memory>

namespace {

struct Shot
{
    const char *name;
    std::function<QWidget *()> make;
    // How long the window needs to settle, e.g. for the devices to appear.
    int settle = 200;
};

bool grabShown(QWidget *window, const QString &path)
{
    const QPoint topLeft = window->mapToGlobal(QPoint(0, 0));
    const QPixmap pixmap = window->screen()->grabWindow(0, topLeft.x(), topLeft.y(),
                                                         window->width(), window->height());
    return pixmap.save(path, "PNG");
}

bool saveShot(QWidget *window, const QString &path, int settle)
{
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        return false;
    QTest::qWait(settle);
    const bool saved = grabShown(window, path);
    window->hide();
    return saved;
}

void useScenario(const char *name)
{
    HidUsbSim::loadScenario(QStringLiteral(TALVO_SCENARIO_DIR "/") + QLatin1String(name));
}

void click(QWidget *window, const char *name)
{
    if (auto *button = window->findChild<QAbstractButton *>(QLatin1String(name)))
        button->click();
}

// The top-level window in the current language, its devices found.
DialogMain *openSelectionPage()
{
    MacroIniStore::instance()->setValue(QStringLiteral("Language"), QStringLiteral("Language"),
                                        QString::number(currentLanguageIndex));
    auto *window = new DialogMain;
    window->show();
    QTest::qWait(1000);
    return window;
}

// The same with a device opened (the first unless `tile` names another) and
// the page of the page button `pageButton` shown.
DialogMain *openPage(const char *pageButton, const char *tile = "btn0")
{
    DialogMain *window = openSelectionPage();
    click(window, tile);
    QTest::qWait(4000);
    click(window, pageButton);
    QTest::qWait(500);
    return window;
}

DialogMain *openSettingsPage()
{
    return openPage("FormSetting");
}

// The sensor page of the model the tile opens, among one mouse of each model.
DialogMain *openSensorPage(const char *tile)
{
    useScenario("every-model.ini");
    return openPage("SensorButton", tile);
}

// A few macros in the macro folder, the first with the steps of a recording.
void writeSampleMacros()
{
    QDir().mkpath(macroFolderPath());
    const auto key = [](int code, int action) { return MacroItem::key(KeyStep::Key, code, action); };
    const auto shift = [](int action) { return MacroItem::key(KeyStep::Modifier, 0x02, action); };
    writeMacroFile(QStringLiteral("Combo"),
                   {3, {shift(KeyStep::Press), MacroItem::pause(42), key(0x04, KeyStep::Press), MacroItem::pause(95),
                        key(0x04, KeyStep::Release), MacroItem::pause(10), shift(KeyStep::Release),
                        MacroItem::pause(120), MacroItem::key(KeyStep::MouseButton, 0x01, KeyStep::Press),
                        MacroItem::pause(10), MacroItem::key(KeyStep::MouseButton, 0x01, KeyStep::Release)}});
    writeMacroFile(QStringLiteral("Reload"), {1, {key(0x15, KeyStep::Press), MacroItem::pause(10),
                                                  key(0x15, KeyStep::Release)}});
    writeMacroFile(QStringLiteral("Sprint"), {254, {}});
}

// The macro page of the opened default device, its first macro chosen.
DialogMain *openMacroPage()
{
    writeSampleMacros();
    DialogMain *window = openPage("MacroButton");
    if (auto *macros = window->findChild<QListWidget *>(QStringLiteral("listWidgetHong")))
        macros->setCurrentRow(0);
    return window;
}

// Waits until `done` holds, for at most `limit` milliseconds.
bool waitFor(const std::function<bool()> &done, int limit)
{
    for (int waited = 0; waited < limit && !done(); waited += 100)
        QTest::qWait(100);
    return done();
}

QString shotPath(const QDir &output, const QString &language, const char *name)
{
    return output.filePath(QStringLiteral("%1-%2.png").arg(QLatin1String(name), language));
}

// The simulated devices forget what they kept: upgraded firmware would
// leave nothing to update, and other pictures would show its versions.
void forgetDeviceState()
{
    QDir(qEnvironmentVariable("XDG_STATE_HOME", QDir::homePath() + QStringLiteral("/.local/state"))
         + QStringLiteral("/Talvo Lumerant 4K"))
        .removeRecursively();
}

// Starts the update dialog's upgrade, shows it under way and done, and
// closes the dialog.
int upgradeShots(const QString &underWay, const QString &done)
{
    click(g_repairDialog, "NewHong_2");
    auto *bar = g_repairDialog->findChild<QProgressBar *>(QStringLiteral("progressBar_2"));
    waitFor([bar] { return bar->value() >= 20; }, 15000);
    int failures = grabShown(g_repairDialog, underWay) ? 0 : 1;
    waitFor([bar] { return bar->value() == 100; }, 30000);
    QTest::qWait(300);
    failures += grabShown(g_repairDialog, done) ? 0 : 1;
    click(g_repairDialog, "NewHong_2");
    return failures;
}

// The window closes and the simulated devices go back to the defaults.
void leave(DialogMain *window)
{
    window->close();
    forgetDeviceState();
    HidUsbSim::loadDefaultScenario();
}

// A receiver and its mouse on the cable, both offered newer firmware: the
// update dialog ready, upgrading, done, and the page with the new versions.
int updateShots(const QDir &output, const QString &language)
{
    forgetDeviceState();
    useScenario("cabled-mouse.ini");
    std::unique_ptr<DialogMain> window(openSettingsPage());
    int failures = grabShown(window.get(), shotPath(output, language, "SettingsPage-update-offered")) ? 0 : 1;
    click(window.get(), "Receive_2");
    QTest::qWait(500);
    failures += grabShown(g_repairDialog, shotPath(output, language, "UpdateDialog-ready")) ? 0 : 1;
    failures += upgradeShots(shotPath(output, language, "UpdateDialog-upgrading"),
                             shotPath(output, language, "UpdateDialog-done"));
    QTest::qWait(1500);
    failures += grabShown(window.get(), shotPath(output, language, "SettingsPage-updated")) ? 0 : 1;
    leave(window.get());
    return failures;
}

// The selection page with one receiver, and the pairing dialog for it:
// ready, paired with the mouse that waits, failed when none waits any more.
int pairingShots(const QDir &output, const QString &language)
{
    forgetDeviceState();
    useScenario("pairing.ini");
    g_devicePageState = 0; // as at the program's start, whatever earlier shots opened
    std::unique_ptr<DialogMain> window(openSelectionPage());
    // Each attempt in a dialog of its own, as the page opens one each time.
    int failures = 0;
    for (const char *outcome : {"PairingDialog-paired", "PairingDialog-failed"}) {
        Match dialog;
        dialog.prepare();
        placeDialog(&dialog, window.get());
        dialog.show();
        QTest::qWait(300);
        if (qstrcmp(outcome, "PairingDialog-paired") == 0)
            failures += grabShown(&dialog, shotPath(output, language, "PairingDialog-ready")) ? 0 : 1;
        click(&dialog, "MatchButton");
        QTest::qWait(1500);
        failures += grabShown(&dialog, shotPath(output, language, outcome)) ? 0 : 1;
        dialog.close();
    }
    leave(window.get());
    return failures;
}

// A receiver left waiting in boot mode by a failed update, its mouse on the
// cable: the repair dialog ready, repairing, done.
int repairShots(const QDir &output, const QString &language)
{
    forgetDeviceState();
    useScenario("cabled-mouse.ini");
    HidUsbSim::setBootMode(QStringLiteral("Receiver1"), true);
    recordFirmwareFailure(211, 8, 35, 1);
    std::unique_ptr<DialogMain> window(openSelectionPage());
    click(window.get(), "Repair");
    QTest::qWait(300);
    int failures = grabShown(g_repairDialog, shotPath(output, language, "RepairDialog-ready")) ? 0 : 1;
    failures += upgradeShots(shotPath(output, language, "RepairDialog-repairing"),
                             shotPath(output, language, "RepairDialog-done"));
    leave(window.get());
    clearFirmwareFailure();
    return failures;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        std::fprintf(stderr, "usage: talvo-dialogshots OUTPUT_FOLDER\n");
        return 2;
    }
    const QDir output(app.arguments().at(1));
    QDir().mkpath(output.path());
    LanguageFileReader::loadLanguageFolder(programFolderPath() + QStringLiteral("/Language"),
                                           languageTextTable);
    QList<Shot> shots;
    for (const WindowGallery::Window &window : WindowGallery::deviceFreeWindows())
        shots.append({window.name, window.make});
    shots += {
        {"MacroPage", [] { return openMacroPage(); }, 500},
        // The window reads the stored language choice itself.
        {"SelectionPage",
         [] {
             MacroIniStore::instance()->setValue(QStringLiteral("Language"), QStringLiteral("Language"),
                                                 QString::number(currentLanguageIndex));
             return new DialogMain;
         },
         1000},
        // The default device opened: the frame with its page buttons and battery.
        {"ConfigurationFrame",
         [] {
             MacroIniStore::instance()->setValue(QStringLiteral("Language"), QStringLiteral("Language"),
                                                 QString::number(currentLanguageIndex));
             auto *window = new DialogMain;
             window->show();
             QTest::qWait(1000);
             if (auto *tile = window->findChild<QAbstractButton *>(QStringLiteral("btn0")))
                 tile->click();
             return window;
         },
         4000},
        // The key page with its sixth key selected: its function shows.
        {"KeyPage-key-selected",
         [] {
             DialogMain *window = openPage("ButtonMain");
             click(window, "BackMusic");
             return window;
         },
         500},
        // The default receiver of the 8000 Hz class, whose image is newer.
        {"SettingsPage", [] { return openSettingsPage(); }, 500},
        // The sensor page of a model with every sensor option and of one
        // without them.
        {"SensorPage", [] { return openSensorPage("btn1"); }, 500},
        {"SensorPage-reduced", [] { return openSensorPage("btn0"); }, 500},
        // A receiver of the 4000 Hz class shows its LED indicator's modes.
        {"SettingsPage-receiver-LED",
         [] {
             useScenario("receiver-kind1.ini");
             DialogMain *window = openSettingsPage();
             HidUsbSim::reportReceiverLight(QStringLiteral("Receiver1"));
             QTest::qWait(300);
             auto *page = window->findChild<QScrollArea *>(QStringLiteral("scrollArea"));
             page->verticalScrollBar()->setValue(page->verticalScrollBar()->maximum());
             return window;
         },
         1000},
    };
    int failures = 0;
    for (const char *language : {"en", "ru"}) {
        currentLanguageIndex = qstrcmp(language, "ru") == 0 ? 1 : 0;
        for (const Shot &shot : shots) {
            std::unique_ptr<QWidget> window(shot.make());
            const QString path = shotPath(output, QLatin1String(language), shot.name);
            if (!saveShot(window.get(), path, shot.settle)) {
                std::fprintf(stderr, "cannot take %s\n", qPrintable(path));
                ++failures;
            }
            HidUsbSim::loadDefaultScenario();
        }
        failures += updateShots(output, QLatin1String(language));
        failures += pairingShots(output, QLatin1String(language));
        failures += repairShots(output, QLatin1String(language));
    }
    return failures == 0 ? 0 : 1;
}
