#pragma once

#include "languagedialog.h"

namespace Ui {
class QuestiondialogB;
}

// Tells the user that two identical devices are plugged in. It has no
// confirm button: the close button or Esc closes it.
class QuestiondialogB : public LanguageDialog
{
    Q_OBJECT
public:
    explicit QuestiondialogB(QWidget *parent = nullptr);
    ~QuestiondialogB() override;

public slots:
    void SlotAllLanguage(int index) override;

private slots:
    void on_CloseButton_clicked();

private:
    Ui::QuestiondialogB *ui;
};
