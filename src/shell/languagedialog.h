#pragma once

#include "skinneddialog.h"

// A skinned dialog whose texts come from its section of the language
// tables and follow every language switch.
class LanguageDialog : public SkinnedDialog
{
    Q_OBJECT
public slots:
    // Takes the texts of the row `index` of the dialog's language table.
    virtual void SlotAllLanguage(int index) = 0;

protected:
    using SkinnedDialog::SkinnedDialog;

    // Takes the current language's texts now and every switch's later.
    void followLanguage();
};
