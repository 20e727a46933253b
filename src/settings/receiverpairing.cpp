#include "receiverpairing.h"

#include "dialogplacement.h"
#include "match.h"
#include "repair.h"

bool runPairingDialog(QWidget *reference, int dx, int dy)
{
    Match dialog;
    dialog.prepare();
    placeDialog(&dialog, reference, dx, dy);
    dialog.exec();
    return dialog.closedItself();
}

bool askRePair(QWidget *reference)
{
    RePair question;
    placeDialog(&question, reference);
    question.exec();
    return question.accepted;
}
