#include "yesnodialog.h"

void YesNoDialog::on_CloseButton_clicked()
{
    answer(false);
}

void YesNoDialog::on_OK_clicked()
{
    answer(true);
}

void YesNoDialog::on_Cancel_clicked()
{
    answer(false);
}

void YesNoDialog::answer(bool confirmed)
{
    accepted = confirmed;
    close();
}
