#pragma once

#include "noticedialog.h"

namespace Ui {
class MouseOffLine;
}

// Why the offline dialog opens, set by its opener just before it builds
// the dialog: 0 a setting could not be sent because the device is offline,
// 1 the device did not answer a settings update in time.
extern int g_offlineMessageIndex;

// Tells the user that the device is offline or did not answer. It closes
// by itself when the device comes back (the hub's SigCloseOffOnline).
class MouseOffLine : public NoticeDialog
{
    Q_OBJECT
public:
    explicit MouseOffLine(QWidget *parent = nullptr);
    ~MouseOffLine() override;

public slots:
    void SlotAllLanguage(int index) override;

private:
    Ui::MouseOffLine *ui;
};
