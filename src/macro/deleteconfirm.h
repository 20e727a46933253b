#pragma once

#include "languagedialog.h"

namespace Ui {
class DeleteConfirm;
}

// Asks whether the selected macro is to be deleted; `confirmed` only after
// its confirm button, however else it closes.
class DeleteConfirm : public LanguageDialog
{
    Q_OBJECT
public:
    explicit DeleteConfirm(QWidget *parent = nullptr);
    ~DeleteConfirm() override;

    bool confirmed = false;

public slots:
    void SlotAllLanguage(int index) override;

private slots:
    void on_NewHong_clicked();
    void on_CloseButton_clicked();

private:
    Ui::DeleteConfirm *ui;
};
