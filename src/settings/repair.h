#pragma once

#include "yesnodialog.h"

namespace Ui {
class RePair;
}

// Asks whether the mouse should be paired with its receiver again.
class RePair : public YesNoDialog
{
    Q_OBJECT
public:
    explicit RePair(QWidget *parent = nullptr);
    ~RePair() override;

public slots:
    void SlotAllLanguage(int index) override;

private:
    Ui::RePair *ui;
};
