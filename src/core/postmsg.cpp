#include "postmsg.h"

#include <QCoreApplication>
#include <QThread>

PostMsg *PostMsg::instance()
{
    static PostMsg *const hub = new PostMsg;
    return hub;
}

PostMsg::PostMsg()
{
    qRegisterMetaType<FlashDataMap>("FlashDataMap");
    qRegisterMetaType<DeviceAllInfo>("DeviceAllInfo");
    qRegisterMetaType<DongleRGB *>("DongleRGB*");
    // Slots of objects that connect with the default connection type run
    // where the hub lives: that must be the GUI thread, whoever asks first.
    if (QCoreApplication *app = QCoreApplication::instance(); app && thread() != app->thread())
        moveToThread(app->thread());
}
