#pragma once

#include "noticedialog.h"

namespace Ui {
class GroupMaxThree;
}

// Tells the user that a key combination holds at most three keys.
class GroupMaxThree : public NoticeDialog
{
    Q_OBJECT
public:
    explicit GroupMaxThree(QWidget *parent = nullptr);
    ~GroupMaxThree() override;

public slots:
    void SlotAllLanguage(int index) override;

private:
    Ui::GroupMaxThree *ui;
};
