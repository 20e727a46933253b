#pragma once

#include "languagedialog.h"

// A language dialog with a close button and a confirm button (`NewHong`)
// that both only close it: the shape of most notices.
class NoticeDialog : public LanguageDialog
{
    Q_OBJECT
protected slots:
    void on_CloseButton_clicked();
    void on_NewHong_clicked();

protected:
    using LanguageDialog::LanguageDialog;
};
