#pragma once

#include "languagedialog.h"

namespace Ui {
class LessThree;
}

// Warns that a very short button debounce time can cause double clicks.
class LessThree : public LanguageDialog
{
    Q_OBJECT
public:
    explicit LessThree(QWidget *parent = nullptr);
    ~LessThree() override;

public slots:
    void SlotAllLanguage(int index) override;

private slots:
    void on_CloseButton_clicked();
    void on_NewHong_clicked();

private:
    Ui::LessThree *ui;
};
