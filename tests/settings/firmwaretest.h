#pragma once

// Shared set-up of the firmware tests: a receiver with its mouse on the
// cable, and images beside the program that suit them.

#include "configinistore.h"
#include "samplefirmwareimage.h"

#include <HIDUsb.h>
#include <hidusb_sim.h>

#include <QDir>
#include <QFile>
#include <QtTest>

namespace FirmwareTest {

const QByteArray CabledMouseScenario = R"([Receiver1]
Kind=5
Pid=0x5A18
Id=0x12,0x34,0x56
Version=0x0105
Mouse=Mouse1
[Mouse1]
Cid=35
Mid=1
Version=0x0213
Cable=true
CablePid=0x5A02
CableKind=3
)";

inline QString firmwareFolder()
{
    return qEnvironmentVariable("TALVO_FIRMWARE_FOLDER");
}

inline QString stateFolder()
{
    return qEnvironmentVariable("XDG_STATE_HOME") + "/Talvo Lumerant 4K";
}

inline QString updateLog()
{
    return QDir::homePath() + "/AppData/Local/Talvo Lumerant 4K/Exception/UpDateLog.txt";
}

// An image of model 1 for the identifier Config.ini names under `key`.
inline void writeImage(const QString &name, int kind, const char *key, quint32 version)
{
    SampleFirmwareImage image;
    image.kind = kind;
    image.cid = 35;
    image.mid = 1;
    image.version = version;
    image.identifier = ConfigIniStore::instance()->value("Drive1", key).toLocal8Bit();
    QDir().mkpath(firmwareFolder());
    QFile file(firmwareFolder() + '/' + name);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(image.bytes());
}

inline int receiverVersionWord()
{
    unsigned char attribute[HIDUSB_ATTRIBUTE_SIZE] = {};
    UsbFinderC_GetUsbDeviceAttribute(HidUsbSim::receiverPath("Receiver1").constData(), attribute);
    return attribute[8] | attribute[9] << 8;
}

} // namespace FirmwareTest
