#pragma once

#include "noticedialog.h"

namespace Ui {
class SameMacro;
}

// Tells the user that a macro of the chosen name exists already.
class SameMacro : public NoticeDialog
{
    Q_OBJECT
public:
    explicit SameMacro(QWidget *parent = nullptr);
    ~SameMacro() override;

public slots:
    void SlotAllLanguage(int index) override;

private:
    Ui::SameMacro *ui;
};
