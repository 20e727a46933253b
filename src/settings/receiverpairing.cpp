#include "receiverpairing.h"

#include "deviceallinfo.h"
#include "deviceeventcallback.h"
#include "deviceopening.h"
#include "devicepagediscovery.h"
#include "dialogplacement.h"
#include "founddevices.h"
#include "match.h"
#include "repair.h"

#include <HIDUsb.h>

PairingOutcome runPairingDialog(QWidget *reference, int dx, int dy)
{
    Match dialog;
    dialog.prepare();
    placeDialog(&dialog, reference, dx, dy);
    dialog.exec();
    if (!dialog.closedItself())
        return PairingOutcome::ProgramEnded;
    return dialog.paired() ? PairingOutcome::Paired : PairingOutcome::NotPaired;
}

void pairChosenReceiver(QWidget *reference, int dx, int dy)
{
    const PairingOutcome outcome = runPairingDialog(reference, dx, dy);
    if (outcome == PairingOutcome::ProgramEnded)
        return;
    StartUsbChanged(usbHotplugCallback, HotplugInterval);
    const QByteArray path = CurrentDevicePath.get();
    UsbServerC_Start(path.constData(), path.constData(), deviceEventCallback);
    if (outcome == PairingOutcome::Paired)
        reopenChosenDevice();
}

bool askRePair(QWidget *reference)
{
    RePair question;
    placeDialog(&question, reference);
    question.exec();
    return question.accepted;
}
