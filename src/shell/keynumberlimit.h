#pragma once

#include "noticedialog.h"

namespace Ui {
class KeyNumberLimit;
}

// Tells the user that a macro holds the most keys a device plays: a
// recording stopped, a key more is refused, or a macro of more keys cannot
// be bound.
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
