#pragma once

#include "languagedialog.h"

namespace Ui {
class AddDelayTime;
}

// Asks for one delay, 10 to 65535 ms. `delayTime` counts only when
// `accepted` is set: only its confirm button sets it.
class AddDelayTime : public LanguageDialog
{
    Q_OBJECT
public:
    explicit AddDelayTime(QWidget *parent = nullptr);
    ~AddDelayTime() override;

    bool accepted = false;
    int delayTime = 0;

public slots:
    void SlotAllLanguage(int index) override;

private slots:
    void on_CloseButton_clicked();
    void on_NewHong_clicked();
    void on_NewHong_2_clicked();

private:
    Ui::AddDelayTime *ui;
};
