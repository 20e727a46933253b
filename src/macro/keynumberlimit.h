#pragma once

#include "noticedialog.h"

namespace Ui {
class KeyNumberLimit;
}

// Tells the user that a recording stopped at the most keys a macro holds.
class KeyNumberLimit : public NoticeDialog
{
    Q_OBJECT
public:
    explicit KeyNumberLimit(QWidget *parent = nullptr);
    ~KeyNumberLimit() override;

public slots:
    void SlotAllLanguage(int index) override;

private:
    Ui::KeyNumberLimit *ui;
};
