#pragma once

#include "flashdatamap.h"

#include <QWidget>

namespace Ui {
class Macro;
}

// The macro page, the third page of the configuration frame: macros
// recorded from the keyboard, kept as files and downloaded to a button.
class Macro : public QWidget
{
    Q_OBJECT

public:
    explicit Macro(QWidget *parent = nullptr);
    ~Macro() override;

public slots:
    // The macro stored for key KeyNumer in the record joins the page's list.
    void SlotButtonToMacro(FlashDataMap DataMap, int KeyNumer);
    // Sends the named macro to key `index`.
    void SlotMacroDownLoadData(QString MacroName, int index);
    // The frame went back to the device selection: recording stops.
    void SlotSetMacroPage();
    void SlotAllLanguage(int index);

private:
    Ui::Macro *ui;
};
