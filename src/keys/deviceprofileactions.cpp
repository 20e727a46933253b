#include "deviceprofileactions.h"

#include "configurationsenders.h"
#include "containreset.h"
#include "deviceidentification.h"
#include "dialogplacement.h"
#include "myconmbobox.h"
#include "pagestate.h"
#include "postmsg.h"
#include "updataparam.h"
#include "worker.h"

#include <HIDUsb.h>

#include <QDir>
#include <QFileDialog>

namespace {

constexpr int DialogOffsetX = -75;
constexpr int DialogOffsetY = -65;

bool answersOrReported()
{
    if (currentDeviceAnswers())
        return true;
    emit PostMsg::instance()->SigMouseOffLineo(0);
    return false;
}

void runPlaced(QDialog &dialog, QWidget *page)
{
    placeDialog(&dialog, page, DialogOffsetX, DialogOffsetY);
    dialog.exec();
}

} // namespace

void runProfileImport(QWidget *page)
{
    if (!answersOrReported())
        return;
    g_importActive = true;
    const QString path = QFileDialog::getOpenFileName(page, QStringLiteral("SelectFile"), QDir::homePath(),
                                                      QStringLiteral("File(*.bin)"));
    if (!path.isEmpty()) {
        // The wait dialog takes its text from the mode when it is made.
        g_updataParamMode = 1;
        UpDataParam wait;
        wait.startCloseTimer();
        wait.importMode = true;
        wait.filePath = path;
        runPlaced(wait, page);
        g_updataParamMode = 0;
    }
    g_importActive = false;
}

// The device answers the clearing with a reset event, after which the
// device link reads it whole; the wait holds the window until the pages
// show what it read. The worker's own check stays out of the way meanwhile.
void runDeviceReset(QWidget *page)
{
    if (!answersOrReported())
        return;
    ContainReset question;
    runPlaced(question, page);
    if (!question.accepted)
        return;
    g_importActive = true;
    g_workerThread->pauseOnlineCheck();
    UsbServer_SetBatteryOptimizeEnable(0);
    sendWholeRecord();
    UsbServer_SetClearSetting();
    UpDataParam wait;
    wait.startCloseTimer();
    wait.waitMode = true;
    g_workerThread->requestRun();
    runPlaced(wait, page);
    g_importActive = false;
    g_workerThread->resumeOnlineCheck();
}

void switchActiveConfiguration(MyConmboBox *selector, int index)
{
    if (currentDeviceAnswers() || g_buttonUiFilling) {
        UsbServer_SetCurrentConfig(static_cast<unsigned char>(index));
        return;
    }
    selector->setCurrentIndex(selector->indexAtLastPress());
    emit PostMsg::instance()->SigMouseOffLineo(0);
}
