#pragma once

#include "languagedialog.h"

namespace Ui {
class LeftButtonOnly;
}

// Tells the user that the only button with the left click keeps it.
class LeftButtonOnly : public LanguageDialog
{
    Q_OBJECT
public:
    explicit LeftButtonOnly(QWidget *parent = nullptr);
    ~LeftButtonOnly() override;

public slots:
    void SlotAllLanguage(int index) override;

private:
    Ui::LeftButtonOnly *ui;
};
