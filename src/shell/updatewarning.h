#pragma once

#include "noticedialog.h"

namespace Ui {
class UpDateWarning;
}

// Shows a message its caller chooses, mostly the firmware warnings. The
// message stays through language switches; only the caption follows them.
// Return closes it too.
class UpDateWarning : public NoticeDialog
{
    Q_OBJECT
public:
    explicit UpDateWarning(QWidget *parent = nullptr);
    ~UpDateWarning() override;

    void setWarningText(const QString &text);

    // Runs the firmware warning (g_updateWarningText) centred on `reference`,
    // 20 pixels to the left.
    static void showFirmwareWarning(QWidget *reference);

public slots:
    void SlotAllLanguage(int index) override;

private:
    Ui::UpDateWarning *ui;
};
