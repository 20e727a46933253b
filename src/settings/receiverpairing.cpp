#include "receiverpairing.h"

void runPairingDialog(QWidget *)
{
}

bool askRePair(QWidget *)
{
    return false;
}
