#pragma once

#include "noticedialog.h"

namespace Ui {
class LessThree;
}

// Warns that a very short button debounce time can cause double clicks.
class LessThree : public NoticeDialog
{
    Q_OBJECT
public:
    explicit LessThree(QWidget *parent = nullptr);
    ~LessThree() override;

public slots:
    void SlotAllLanguage(int index) override;

private:
    Ui::LessThree *ui;
};
