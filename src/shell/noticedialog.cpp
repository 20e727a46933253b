#include "noticedialog.h"

void NoticeDialog::on_CloseButton_clicked()
{
    close();
}

void NoticeDialog::on_NewHong_clicked()
{
    close();
}
