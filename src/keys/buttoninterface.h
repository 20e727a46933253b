#pragma once

#include "flashdatamap.h"

#include <QWidget>

namespace Ui {
class Buttoninterface;
}

// The key-assignment page, the first page of the configuration frame: what
// the mouse's six programmable buttons do, the on-board configuration and
// the buttons' debounce time. It creates the device worker, which lives
// as long as the page.
class Buttoninterface : public QWidget
{
    Q_OBJECT

public:
    explicit Buttoninterface(QWidget *parent = nullptr);
    // Stops the device worker and the hot-plug watch.
    ~Buttoninterface() override;

public slots:
    // A record the device link delivered; the settings-update wait waits
    // for g_buttonUiApplied.
    void SlotUpDataButtonUIButton(FlashDataMap DataMap);
    // An imported record.
    void SlotUpDataButtonUIB(FlashDataMap DataMap);
    // No record exists: the page shows the defaults.
    void SlotFormResetButton();
    void SlotUpDataConfigUI(int ToTalItem, int SelectIndex, bool ItemEnable);
    void SlotMouseIndex(int index);
    void SlotAddMacroButton();
    void SlotDeleteMacroButton(QString MacroName);
    void SlotUpDataMacro(QString MacroName, int index);
    void SlotMacroRename(QString Rename, QString Name);
    void SlotAllLanguage(int index);

private:
    void fillFrom(const FlashDataMap &record);

    Ui::Buttoninterface *ui;
};
