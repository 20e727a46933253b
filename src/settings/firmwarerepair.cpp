#include "firmwarerepair.h"

#include "dialogplacement.h"
#include "postmsg.h"
#include "updaterepair.h"

void runFirmwareUpgrade(QWidget *reference, const DeviceAllInfo &device)
{
    UpDateRepair dialog;
    placeDialog(&dialog, reference);
    dialog.startUpgrade(device);
    dialog.exec();
}

// The settings page makes the shared dialog with the configuration frame.
void openRepairDialog(QWidget *reference)
{
    if (!g_repairDialog)
        return;
    placeDialog(g_repairDialog, reference);
    g_repairDialog->resetView();
    g_repairDialog->setModal(true);
    emit PostMsg::instance()->SigRepairCheckUpdate();
    // The one dialog may be older than the window it now stands over.
    g_repairDialog->show();
    g_repairDialog->raise();
}
