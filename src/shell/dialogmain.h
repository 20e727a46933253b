#pragma once

#include <QDialog>
#include <QPoint>
#include <QString>
#include <QSystemTrayIcon>

class Dialog;
class DialogChange;
class QMenu;

namespace Ui {
class DialogMain;
}

// The one top-level window: frameless, fixed at 1020 x 700 and dragged with
// the mouse. Page 0 of its stack is the device-selection page, page 1 the
// configuration frame. It loads the language files, switches pages, hides
// to the tray and back, quits, shows the offline dialog and turns Enter and
// Space into the selection page's and the pairing shortcuts.
class DialogMain : public QDialog
{
    Q_OBJECT

public:
    explicit DialogMain(QWidget *parent = nullptr);
    ~DialogMain() override;

public slots:
    // Ends the program the one way every road out takes (the tray's exit,
    // the session's end, the desktop closing the window): as the close
    // button of the page shown would.
    void shutdown();
    void SlotChangeMainDialog(int index);
    void SlotChangeSize(int index);
    void SlotMouseOffLine(int index);
    void SlotUpPageLight();
    void slotActionMain();
    void slotActionExitApp();
    void SlotAllLanguage(int index);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void loadLanguageFiles();
    void moveLegacyLanguageChoice();
    void on_activatedSysTrayIcon(QSystemTrayIcon::ActivationReason reason);
    void hideToTray();
    void makeTrayIcon();
    void restore(bool announceDriver);
    bool configurationFrameShown() const;
    void endProgram(bool announceInactive);
    void pairFromSelectionPage();
    void pairFoundReceiver();

    Ui::DialogMain *ui;
    // Made when the window first goes to the tray; hidden while the window shows.
    QSystemTrayIcon *trayIcon = nullptr;
    QMenu *trayMenu = nullptr;
    QPoint dragOffset;
    QPoint pressGlobalPos;
    QPoint pressWindowPos;
    DialogChange *selectionPage = nullptr;
    QString skinFolder;
    Dialog *configurationFrame = nullptr;
    QString trayMainText;
    QString trayExitText;
    // Hidden to the tray without a system tray, the window was minimised
    // instead; bringing it back announces the driver as the tray does.
    bool minimisedForTray = false;
    bool ending = false;
};
