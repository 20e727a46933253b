#pragma once

#include "noticedialog.h"

namespace Ui {
class InportFail;
}

// The result of the last profile import: 0 accepted, 1 the file cannot be
// opened or is no profile, 2 the profile was made for another model.
extern int g_importResult;

// Tells the user why a profile file was refused, by `g_importResult`.
class InportFail : public NoticeDialog
{
    Q_OBJECT
public:
    explicit InportFail(QWidget *parent = nullptr);
    ~InportFail() override;

public slots:
    void SlotAllLanguage(int index) override;

private:
    Ui::InportFail *ui;
};
