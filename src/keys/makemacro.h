#pragma once

#include "noticedialog.h"

namespace Ui {
class MakeMacro;
}

// Asks the user to make a macro first: the page has none to bind.
class MakeMacro : public NoticeDialog
{
    Q_OBJECT
public:
    explicit MakeMacro(QWidget *parent = nullptr);
    ~MakeMacro() override;

public slots:
    void SlotAllLanguage(int index) override;

private:
    Ui::MakeMacro *ui;
};
