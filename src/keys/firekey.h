#pragma once

#include "languagedialog.h"

namespace Ui {
class FireKey;
}

// Asks for the rapid fire of a mouse button: an interval of 10 to 255 and
// a count of 0 to 3 (0 fires for as long as the button is held). After
// exec() the caller reads `accepted`; only OK sets it, and only OK takes
// the values, so a cancelled dialog leaves them at 10 and 3.
class FireKey : public LanguageDialog
{
    Q_OBJECT
public:
    explicit FireKey(QWidget *parent = nullptr);
    ~FireKey() override;

    // What the boxes show when the dialog opens; out of range, the nearest
    // value.
    void setCount(int value);
    void setInterval(int value);

    bool accepted = false;
    int interval = 10;
    int count = 3;

public slots:
    void SlotAllLanguage(int index) override;

private slots:
    void on_CloseButton_clicked();
    void on_NewHong_2_clicked();
    void on_NewHong_clicked();

private:
    Ui::FireKey *ui;
};
