#include "exeisrun.h"

#include "appinfo.h"

ExeIsRun::ExeIsRun(QWidget *parent)
    : QMessageBox(QMessageBox::Information, appName,
                  tr("%1 is already running.").arg(appName), QMessageBox::Ok, parent)
{
}
