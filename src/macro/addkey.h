#pragma once

#include "languagedialog.h"

#include <memory>

class KeyboardCapture;

namespace Ui {
class addKey;
}

// Names one keyboard key: the last key typed while it shows, named as the
// recorder names keys (side modifiers, keypad and function keys), so keys a
// text field never sees count too. `keyName` counts only when `accepted` is
// set; it is empty for a key without a name.
class addKey : public LanguageDialog
{
    Q_OBJECT
public:
    explicit addKey(QWidget *parent = nullptr);
    ~addKey() override;

    bool accepted = false;
    QString keyName;

public slots:
    void SlotAllLanguage(int index) override;

private slots:
    void on_CloseButton_clicked();
    void on_NewHong_clicked();
    void on_NewHong_2_clicked();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    // However the dialog goes, its capture goes with it: the capture calls
    // back into the dialog.
    void hideEvent(QHideEvent *event) override;

private:
    void UpdateCapslockTip(int keyCode);

    Ui::addKey *ui;
    std::unique_ptr<KeyboardCapture> capture;
};
