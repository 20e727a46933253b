#include "firmwarerepair.h"

void runFirmwareUpgrade(QWidget *)
{
}

void openRepairDialog(QWidget *)
{
}
