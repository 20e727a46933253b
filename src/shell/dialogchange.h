#pragma once

#include "devicetilegrid.h"

#include <QWidget>

#include <memory>

namespace Ui {
class DialogChange;
}

// The device-selection page, the first page of the top-level window: every
// mouse and receiver of the configured ids as a tile with its online state,
// connection kind and polling-rate class, a language box, a repair button
// while a firmware update waits to be repaired, and the window buttons.
// Discovery (selectiondiscovery.h) fills the found lists and asks the page
// to rebuild its tiles; clicking a tile opens that device.
class DialogChange : public QWidget
{
    Q_OBJECT

public:
    explicit DialogChange(QWidget *parent = nullptr);
    ~DialogChange() override;

    // Rebuilds every tile from FoundDeviceList, or asks the user to unplug
    // one of two identical devices.
    void rebuildTiles();
    // Identifies device k again and shows its tile as it is now. Always true.
    bool refreshDeviceTile(int k);
    // Shows or hides the repair button, with the hint that goes with it.
    void showRepairButton(bool shown);

public slots:
    void SlotAllLanguage(int index);
    void SlotEnterKey();
    void SlotSameLanguageA(int index);
    void SlotUpDateButton(bool IsHide);
    void slotButtonClicked();

private slots:
    void on_comboBox_activated(int index);
    void on_NoApear_clicked(bool checked);
    void on_Repair_clicked();
    void on_LeftButton_clicked();
    void on_RightButton_clicked();
    void on_MinButton_clicked();
    void on_CloseButton_clicked();
    void on_CloseButton_2_clicked();
    void on_NewHong_clicked();

protected:
    void changeEvent(QEvent *event) override;

private:
    void applySkin();
    void applyNoticeSkin();
    void showTilePage(int page);
    static bool answers(const DeviceAllInfo &device);
    bool firmwareAllowsOpening(const DeviceAllInfo &device);
    void pairWith(const DeviceAllInfo &device);
    QString offlineTip() const;

    Ui::DialogChange *ui;
    const QString m_skinFolder;
    std::unique_ptr<DeviceTileGrid> m_tiles;
    // Option/DeviceTotal: a device whose model index equals it is unrecognised.
    int m_modelCount = 0;
    bool m_questionShown = false;
    QString m_selectionHintText;
    QString m_repairHintText;
    QString m_offlineTipText1;
    QString m_offlineTipText2;
};

// The one selection page, while it exists.
extern DialogChange *g_selectionPage;

// The notice that the mouse firmware is newer than the receiver's, in the
// current language; the top-level window asks it before a firmware repair.
extern QString g_mouseIsNewText;
