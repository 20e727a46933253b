// Writes the binary seeds of the fuzz targets, which git does not hold, with
// the program's own writers and the simulated device library:
//   talvo-fuzzseeds OUTPUT_FOLDER
// Each target's seeds go into OUTPUT_FOLDER/<target>/, beside the text seeds
// fuzz/CMakeLists.txt copies there. Runs from the program folder, whose
// Config.ini the simulated devices take their ids from.

#include "devicecache.h"
#include "flashdatamap.h"
#include "macroexport.h"
#include "profileexport.h"
#include "samplefirmwareimage.h"
#include "screenclock.h"

#include <HIDUsb.h>
#include <hidusb_sim.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMutex>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

QString g_outputFolder;
bool g_failed = false;

void writeSeed(const char *target, const QString &name, const QByteArray &bytes)
{
    const QString folder = g_outputFolder + QLatin1Char('/') + QLatin1String(target);
    QFile file(folder + QLatin1Char('/') + name);
    if (!QDir().mkpath(folder) || !file.open(QIODevice::WriteOnly | QIODevice::Truncate)
        || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "Cannot write %s\n", qPrintable(file.fileName()));
        g_failed = true;
    }
}

// What the device answers, as fuzz_deviceeventcallback reads its input: a
// control byte (the header's length, and 0x40 for a record already loaded),
// the header, the payload.
QMutex g_answersLock;
QVector<QByteArray> g_answers;

void keepAnswer(const unsigned char *header, int headerLength, const unsigned char *payload, int payloadLength)
{
    QByteArray seed(1, char(0x40 | headerLength));
    seed.append(reinterpret_cast<const char *>(header), headerLength);
    seed.append(reinterpret_cast<const char *>(payload), payloadLength);
    QMutexLocker lock(&g_answersLock);
    g_answers.append(seed);
}

void waitUntilIdle()
{
    QElapsedTimer clock;
    clock.start();
    while (!HidUsbSim::isIdle() && clock.elapsed() < 5000) {
        QCoreApplication::processEvents();
        QThread::msleep(5);
    }
}

void writeDeviceAnswers()
{
    const QByteArray path = HidUsbSim::receiverPath(QStringLiteral("Receiver1"));
    UsbServerC_Start(path.constData(), path.constData(), keepAnswer);
    for (void (*request)() : {UsbServer_ReadAllFlashData, UsbServer_ReadReportRate, UsbServer_ReadCurrentDPI,
                              UsbServer_ReadDPILed, UsbServer_ReadLedBar, UsbServer_ReadBatteryLevel,
                              UsbServer_ReadConfig, UsbServer_ReadVersion})
        request();
    HidUsbSim::pressDpiButton(QStringLiteral("Mouse1"));
    HidUsbSim::reportReceiverLight(QStringLiteral("Receiver1"));
    HidUsbSim::dropLongRange(QStringLiteral("Receiver1"));
    HidUsbSim::triggerReset(QStringLiteral("Mouse1"));
    waitUntilIdle();
    while (UsbServer_Exit() == 0)
        QThread::msleep(5);
    QMutexLocker lock(&g_answersLock);
    if (g_answers.size() < 8) {
        std::fprintf(stderr, "The simulated device gave %d answers\n", g_answers.size());
        g_failed = true;
    }
    for (int index = 0; index < g_answers.size(); ++index)
        writeSeed("fuzz_deviceeventcallback", QStringLiteral("answer-%1").arg(index, 2, 10, QLatin1Char('0')),
                  g_answers.at(index));
}

// The default mouse's first configuration, as it leaves the factory.
FlashDataMap factoryRecord()
{
    FlashDataMap record;
    const QByteArray stored = HidUsbSim::storedConfiguration(QStringLiteral("Mouse1"), 0);
    std::memset(&record, 0, sizeof record);
    std::memcpy(&record, stored.constData(), std::min<std::size_t>(sizeof record, std::size_t(stored.size())));
    return record;
}

void writeRecordFiles(const FlashDataMap &record)
{
    for (const char *sensor : {"3950", "3395"}) {
        QBuffer profile;
        profile.open(QIODevice::WriteOnly);
        writeProfile(&profile, QLatin1String(sensor), record);
        writeSeed("fuzz_profileimport", QStringLiteral("profile-%1.bin").arg(QLatin1String(sensor)), profile.data());
    }
    const QString cacheName = QStringLiteral("Device_CID23_MID01.bin");
    saveDeviceConfigCache(cacheName, record);
    QFile cache(deviceCachePath(cacheName));
    writeSeed("fuzz_devicecache", cacheName, cache.open(QIODevice::ReadOnly) ? cache.readAll() : QByteArray());
}

void writeFirmwareImages()
{
    SampleFirmwareImage mouse;
    mouse.cid = 35;
    mouse.mid = 1;
    mouse.version = 0x0214;
    mouse.identifier = "TLM4K-M1";
    mouse.bodySize = 256;
    SampleFirmwareImage receiver = mouse;
    receiver.kind = 211;
    receiver.version = 0x0106;
    receiver.identifier = "TLM4K-R8";
    writeSeed("fuzz_firmwareimage", QStringLiteral("mouse.bin"), mouse.bytes());
    writeSeed("fuzz_firmwareimage", QStringLiteral("receiver.bin"), receiver.bytes());
}

void writeExchangedMacro()
{
    MacroExport exported;
    exported.name = QStringLiteral("Shifted A");
    exported.macro.repeat = MacroText::UntilReleased;
    exported.macro.items = {MacroItem::key(KeyStep::Modifier, 0x02, KeyStep::Press),
                            MacroItem::key(KeyStep::Key, 0x04, KeyStep::Press), MacroItem::pause(10),
                            MacroItem::key(KeyStep::Key, 0x04, KeyStep::Release),
                            MacroItem::key(KeyStep::Modifier, 0x02, KeyStep::Release)};
    QBuffer stream;
    stream.open(QIODevice::WriteOnly);
    if (!exported.write(&stream))
        g_failed = true;
    writeSeed("fuzz_macroexport", QStringLiteral("shifted-a.macro"), stream.data());
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "Usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    // The simulated mouse's state and the device cache go to a home of
    // their own, not the user's.
    QTemporaryDir home(QDir::tempPath() + QStringLiteral("/talvo-fuzzseeds-XXXXXX"));
    const QByteArray homePath = QFile::encodeName(home.path());
    setenv("HOME", homePath.constData(), 1);
    setenv("XDG_STATE_HOME", (homePath + "/state").constData(), 1);
    QCoreApplication app(argc, argv);
    g_outputFolder = QString::fromLocal8Bit(argv[1]);

    HidUsbSim::loadDefaultScenario();
    HidUsbSim::setLatency(0);
    writeRecordFiles(factoryRecord());
    writeDeviceAnswers();
    writeFirmwareImages();
    writeExchangedMacro();
    // The clock packet fuzz_screenreply checks replies against, echoed whole.
    writeSeed("fuzz_screenreply", QStringLiteral("echo.bin"),
              screenClockPacket(QDateTime(QDate(2026, 12, 6), QTime(23, 4, 5))));
    return g_failed ? 1 : 0;
}
