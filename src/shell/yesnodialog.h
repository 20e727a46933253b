#pragma once

#include "languagedialog.h"

// A question with OK and Cancel buttons and a close button, named so in the
// form. After exec() the caller reads `accepted`: true only when the user
// pressed OK; Cancel, the close button and Esc leave it false.
class YesNoDialog : public LanguageDialog
{
    Q_OBJECT
public:
    bool accepted = false;

protected slots:
    void on_CloseButton_clicked();
    void on_OK_clicked();
    void on_Cancel_clicked();

protected:
    using LanguageDialog::LanguageDialog;

private:
    void answer(bool confirmed);
};
