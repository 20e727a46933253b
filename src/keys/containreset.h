#pragma once

#include "yesnodialog.h"

namespace Ui {
class ContainReset;
}

// A yes/no question: restoring the default settings, or whatever the
// caller puts into it with setMessageText. Return and Enter press OK.
class ContainReset : public YesNoDialog
{
    Q_OBJECT
public:
    explicit ContainReset(QWidget *parent = nullptr);
    ~ContainReset() override;

    void setMessageText(const QString &text);

public slots:
    void SlotAllLanguage(int index) override;

private:
    Ui::ContainReset *ui;
};
