#include "deviceallinfo.h"
#include "testenvironment.h"

#include <QThread>

class tst_DeviceAllInfo : public QObject
{
    Q_OBJECT

private slots:
    void aDefaultDescriptorNamesNoDevice()
    {
        const DeviceAllInfo device;
        QVERIFY(device.path.isEmpty());
        QCOMPARE(device.vid, QString("0"));
        QCOMPARE(device.pid, QString("0"));
        QCOMPARE(device.driveIndex, 0);
        QVERIFY(!device.online && !device.isWired);
        QVERIFY(device.version.isEmpty() && device.mouseVersion.isEmpty() && device.receiverId.isEmpty());
        QCOMPARE(int(device.kind), 0);
    }

    void aCopyKeepsItsIdsAndVersions()
    {
        DeviceAllInfo device;
        device.receiverId = QByteArray("\x01\x02\x03", 3);
        device.version = "v1.5";
        device.mouseVersion = "v2.13";
        const DeviceAllInfo copy = device;
        device.receiverId[0] = 9;
        QCOMPARE(copy.receiverId, QByteArray("\x01\x02\x03", 3));
        QCOMPARE(copy.version, QString("v1.5"));
        QCOMPARE(copy.mouseVersion, QString("v2.13"));
    }

    void connectionKindsAndTexts()
    {
        for (int kind : {0, 1, 4, 5})
            QVERIFY(!DeviceAllInfo::isWiredKind(kind));
        for (int kind : {2, 3, 8})
            QVERIFY(DeviceAllInfo::isWiredKind(kind));
        QCOMPARE(DeviceAllInfo::receiverClass(0), 1);
        QCOMPARE(DeviceAllInfo::receiverClass(1), 4);
        QCOMPARE(DeviceAllInfo::receiverClass(4), 2);
        QCOMPARE(DeviceAllInfo::receiverClass(5), 8);
        QCOMPARE(DeviceAllInfo::receiverClass(3), 0);
        QCOMPARE(DeviceAllInfo::versionText(0x0213), QString("v2.13"));
        QCOMPARE(DeviceAllInfo::versionText(0x020A), QString("v2.a"));
        QCOMPARE(DeviceAllInfo::versionText(0x0105), QString("v1.5"));
        QCOMPARE(DeviceAllInfo::cacheFileName(35, 10), QString("Device_CID23_MID0A.bin"));
    }

    void theCurrentDeviceIsCopiedWholeAcrossThreads()
    {
        Guarded<DeviceAllInfo> holder;
        Guarded<QByteArray> path;
        std::atomic<bool> stop{false};
        QThread *writer = QThread::create([&] {
            for (int round = 0; round == 0 || !stop; ++round) {
                DeviceAllInfo device;
                device.path = QString("path-%1").arg(round);
                device.mouseVersion = device.path;
                holder.set(device);
                path.set(device.path.toLatin1());
                holder.update([](DeviceAllInfo &current) { current.online = true; });
            }
        });
        writer->start();
        for (int round = 0; round < 5000; ++round) {
            const DeviceAllInfo seen = holder.get();
            QCOMPARE(seen.mouseVersion, seen.path);
            path.get().size();
        }
        stop = true;
        writer->wait();
        delete writer;
        QVERIFY(holder.get().online);
    }
};

TALVO_TEST_GUILESS_MAIN(tst_DeviceAllInfo)
#include "tst_deviceallinfo.moc"
