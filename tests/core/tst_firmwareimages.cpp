// Firmware image files: the header fields, the version text, and which file
// each scan takes as the update.

#include "configinistore.h"
#include "deviceallinfo.h"
#include "firmwareimageheader.h"
#include "firmwareimagescan.h"
#include "samplefirmwareimage.h"
#include "testenvironment.h"

#include <QDir>
#include <QFile>

namespace {

QString firmwareFolder()
{
    return qEnvironmentVariable("TALVO_FIRMWARE_FOLDER");
}

QString configValue(const char *group, const char *key)
{
    return ConfigIniStore::instance()->value(QLatin1String(group), QLatin1String(key));
}

// An image for model 1 (Config.ini's Drive1) of the configured customer.
SampleFirmwareImage modelImage(int kind, const char *identifierKey, quint32 version)
{
    SampleFirmwareImage image;
    image.kind = kind;
    image.cid = configValue("Option", "CID").toInt();
    image.mid = configValue("Drive1", "MID").toInt();
    image.identifier = configValue("Drive1", identifierKey).toLocal8Bit();
    image.version = version;
    return image;
}

// "name:version" files of the mouse image of model 1; a third field makes
// the file "foreign" (another model), "short" (cut inside the header),
// "large" (beyond the size an image may have) or "unreadable" (even by root).
void writeImages(const QStringList &files)
{
    QDir(firmwareFolder()).removeRecursively();
    QDir().mkpath(firmwareFolder());
    for (const QString &file : files) {
        const QStringList fields = file.split(':');
        SampleFirmwareImage image = modelImage(210, "MM", fields.at(1).toUInt(nullptr, 0));
        const QString flaw = fields.value(2);
        if (flaw == "foreign")
            image.mid += 1;
        if (flaw == "large")
            image.bodySize = int(MaxImageSize);
        QByteArray bytes = image.bytes();
        if (flaw == "short")
            bytes.truncate(FirmwareImageHeader::Size - 1);
        QFile out(QDir(firmwareFolder()).filePath(fields.at(0)));
        if (flaw == "unreadable") {
            QVERIFY(QFile::link("/proc/sys/vm/drop_caches", out.fileName()));
            QVERIFY(!out.open(QIODevice::ReadOnly));
            continue;
        }
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(bytes);
    }
}

QString chosenVersion(const QList<QByteArray> &list)
{
    FirmwareImageHeader header;
    return list.size() == 1 && FirmwareImageHeader::read(list.first(), &header) ? header.versionText() : QString();
}

} // namespace

class tst_FirmwareImages : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        QDir(firmwareFolder()).removeRecursively();
        FirmwareImageList.clear();
        RepairImageList.clear();
    }

    void theHeaderGivesKindIdsIdentifierAndVersion_data()
    {
        QTest::addColumn<quint32>("versionWord");
        QTest::addColumn<QByteArray>("identifier");
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("versionText");
        QTest::addColumn<QString>("readIdentifier");

        const QByteArray letters(64, 'Q');
        QTest::newRow("minor in hexadecimal") << 0x0112u << QByteArray("ABC") << 728 << "v1.12" << "ABC";
        QTest::newRow("a letter for a minor") << 0x010Cu << QByteArray("ABC") << 4000 << "v1.c" << "ABC";
        QTest::newRow("zero") << 0u << QByteArray() << 728 << "v0.0" << "";
        QTest::newRow("a major beyond a byte") << 0x12345u << letters << 728 << "v291.45" << QString(letters);
        QTest::newRow("one byte short of a header") << 0x0112u << QByteArray("ABC") << 727 << "" << "";
    }

    void theHeaderGivesKindIdsIdentifierAndVersion()
    {
        QFETCH(quint32, versionWord);
        QFETCH(QByteArray, identifier);
        QFETCH(int, size);
        QFETCH(QString, versionText);
        QFETCH(QString, readIdentifier);
        SampleFirmwareImage image;
        image.kind = 211;
        image.cid = 7;
        image.mid = 9;
        image.version = versionWord;
        image.identifier = identifier;
        image.bodySize = 4000;
        FirmwareImageHeader header;
        const bool read = FirmwareImageHeader::read(image.bytes().left(size), &header);
        QCOMPARE(read, !versionText.isEmpty());
        if (!read)
            return;
        QCOMPARE(header.versionText(), versionText);
        QCOMPARE(header.identifier, readIdentifier);
        QVERIFY(header.matches(211, readIdentifier, 7, 9));
        QVERIFY(!header.matches(210, readIdentifier, 7, 9));
        QVERIFY(!header.matches(211, readIdentifier + "x", 7, 9));
        QVERIFY(!header.matches(211, readIdentifier, 8, 9));
    }

    void eachScanTakesItsUpdate_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("deviceVersion");
        QTest::addColumn<QString>("update");
        QTest::addColumn<QString>("repair");

        // The version each scan takes, empty for none.
        QTest::newRow("a newer image") << QStringList{"a.bin:0x0106"} << "v1.5" << "v1.6" << "v1.6";
        QTest::newRow("the same version") << QStringList{"a.bin:0x0105"} << "v1.5" << "" << "";
        QTest::newRow("an older image") << QStringList{"a.bin:0x0104"} << "v1.5" << "v1.4" << "v1.4";
        QTest::newRow("name order ignores case")
            << QStringList{"B.bin:0x0107", "a.bin:0x0105"} << "v1.5" << "v1.7" << "v1.7";
        QTest::newRow("the last update wins")
            << QStringList{"a.bin:0x0106", "b.bin:0x0107"} << "v1.5" << "v1.7" << "v1.7";
        QTest::newRow("1.1 reads as the number 1.10 and ends the scan")
            << QStringList{"a.bin:0x0101", "b.bin:0x0107"} << "v1.10" << "" << "v1.7";
        QTest::newRow("texts that are no numbers end the scan")
            << QStringList{"a.bin:0x010B", "b.bin:0x0107"} << "v1.c" << "" << "v1.7";
        QTest::newRow("an unknown version takes any, the last last")
            << QStringList{"a.bin:0x0105", "b.bin:0x0104"} << "" << "v1.4" << "v1.4";
        QTest::newRow("another model's image") << QStringList{"a.bin:0x0106:foreign"} << "v1.5" << "" << "";
        QTest::newRow("a file cut inside its header")
            << QStringList{"a.bin:0x0106", "b.bin:0x0107:short"} << "v1.5" << "v1.6" << "v1.6";
        QTest::newRow("a file too large for an image")
            << QStringList{"a.bin:0x0106", "b.bin:0x0107:large"} << "v1.5" << "v1.6" << "v1.6";
        QTest::newRow("an unreadable file before an image")
            << QStringList{"a.bin:0x0107:unreadable", "b.bin:0x0106"} << "v1.5" << "v1.6" << "v1.6";
        QTest::newRow("no image files") << QStringList{} << "v1.5" << "" << "";
    }

    void eachScanTakesItsUpdate()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, deviceVersion);
        QFETCH(QString, update);
        QFETCH(QString, repair);
        writeImages(files);
        const QString identifier = configValue("Drive1", "MM");
        const int cid = configValue("Option", "CID").toInt();
        const int mid = configValue("Drive1", "MID").toInt();

        FirmwareImageList = {QByteArray("earlier")};
        QCOMPARE(checkFirmwareFileB(210, deviceVersion, identifier, cid, mid), !update.isEmpty());
        QCOMPARE(FirmwareImageList, QList<QByteArray>{QByteArray("earlier")});
        QCOMPARE(checkFirmwareFile(210, deviceVersion, identifier, cid, mid), !update.isEmpty());
        QCOMPARE(chosenVersion(FirmwareImageList), update);
        QCOMPARE(findFirmwareFiles(210, deviceVersion, identifier, cid, mid), !repair.isEmpty());
        QCOMPARE(chosenVersion(RepairImageList), repair);
    }

    void noFolderNoUpdate()
    {
        QVERIFY(!checkFirmwareFile(210, QString(), configValue("Drive1", "MM"), 35, 1));
        QVERIFY(FirmwareImageList.isEmpty());
    }

    void theAvailabilityCheckTakesTheIdentifierOfItsTarget_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("receiverClass");
        QTest::addColumn<QString>("identifierKey");
        QTest::addColumn<bool>("available");

        QTest::newRow("the mouse") << 210 << 0 << "MM" << true;
        QTest::newRow("a receiver of class 1") << 211 << 1 << "DM" << true;
        QTest::newRow("a receiver of class 2") << 211 << 2 << "D2M" << true;
        QTest::newRow("a receiver of class 4") << 211 << 4 << "D4M" << true;
        QTest::newRow("a receiver of class 8") << 211 << 8 << "D8M" << true;
        QTest::newRow("the image of another class") << 211 << 8 << "D4M" << false;
        QTest::newRow("no receiver") << 211 << 0 << "DM" << false;
    }

    void theAvailabilityCheckTakesTheIdentifierOfItsTarget()
    {
        QFETCH(int, kind);
        QFETCH(int, receiverClass);
        QFETCH(QString, identifierKey);
        QFETCH(bool, available);
        DeviceAllInfo device;
        device.driveIndex = 0;
        CurrentDevice.set(device);
        QDir().mkpath(firmwareFolder());
        QFile out(QDir(firmwareFolder()).filePath("image.bin"));
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(modelImage(kind, identifierKey.toLatin1().constData(), 0x0300).bytes());
        out.close();
        QCOMPARE(hasFirmwareUpdate(kind, "v1.5", receiverClass), available);
        QVERIFY(!hasFirmwareUpdate(kind, "v3.0", receiverClass));
    }
};

TALVO_TEST_GUILESS_MAIN(tst_FirmwareImages)
#include "tst_firmwareimages.moc"
