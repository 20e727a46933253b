#include "devicecache.h"
#include "devicelinktest.h"
#include "testenvironment.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>

using namespace DeviceLinkTest;

namespace {

FlashDataMap patterned()
{
    FlashDataMap record;
    for (int index = 0; index < int(sizeof record); ++index)
        record.bytes()[index] = std::uint8_t(index * 7 + 3);
    return record;
}

void writeRaw(const QString &name, const QByteArray &content)
{
    QDir().mkpath(QFileInfo(deviceCachePath(name)).absolutePath());
    QFile file(deviceCachePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(content);
}

QByteArray block(const QByteArray &bytes)
{
    QByteArray content;
    QDataStream stream(&content, QIODevice::WriteOnly);
    stream << bytes;
    return content;
}

bool isZero(const FlashDataMap &record)
{
    return bytesOf(record) == QByteArray(sizeof record, '\0');
}

} // namespace

class tst_DeviceCache : public QObject
{
    Q_OBJECT

private slots:
    void aCacheFileIsOneByteBlockAndReadsBackIdentically()
    {
        const FlashDataMap record = patterned();
        saveDeviceConfigCache("Device_CID23_MID01.bin", record);
        QFile file(deviceCachePath("Device_CID23_MID01.bin"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        QCOMPARE(content.size(), 10432);
        QCOMPARE(content.left(4), QByteArray("\x00\x00\x28\xBC", 4));
        QVERIFY(deviceCachePath("x").startsWith(QDir::homePath() + "/AppData/Local/Talvo Lumerant 4K/Device_Info/"));

        FlashDataMap loaded;
        QVERIFY(loadDeviceConfigCache("Device_CID23_MID01.bin", &loaded));
        QCOMPARE(bytesOf(loaded), bytesOf(record)); // reserved and alignment bytes too

        // Rewriting goes through a temporary file and leaves nothing behind.
        saveDeviceConfigCache("Device_CID23_MID01.bin", FlashDataMap{});
        QCOMPARE(QDir(QFileInfo(file).absolutePath()).entryList(QDir::Files), QStringList{"Device_CID23_MID01.bin"});
    }

    void aLongerBlockGivesItsFirstRecord()
    {
        const QByteArray longer = bytesOf(patterned()) + QByteArray(100, '\x7F');
        writeRaw("long.bin", block(longer));
        FlashDataMap loaded;
        QVERIFY(loadDeviceConfigCache("long.bin", &loaded));
        QCOMPARE(bytesOf(loaded), longer.left(10428));
    }

    void missingEmptyShortOrBrokenFilesGiveNothing_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("short block") << block(QByteArray(100, '\x01'));
        QTest::newRow("truncated") << block(bytesOf(patterned())).left(5000);
        QTest::newRow("huge length claimed") << QByteArray("\x7F\xFF\xFF\xFF\x01\x02", 6);
        QTest::newRow("null block") << QByteArray("\xFF\xFF\xFF\xFF", 4);
    }

    void missingEmptyShortOrBrokenFilesGiveNothing()
    {
        QFETCH(QByteArray, content);
        writeRaw("broken.bin", content);
        FlashDataMap loaded = patterned();
        QVERIFY(!loadDeviceConfigCache("broken.bin", &loaded));
        QVERIFY(isZero(loaded));

        FlashDataMap missing = patterned();
        QVERIFY(!loadDeviceConfigCache("Device_CID00_MID00.bin", &missing));
        QVERIFY(isZero(missing));
    }

    void unfinishedSavesAreRemovedAndEverythingElseKept_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("removed");
        QTest::newRow("a save's temporary file") << "Device_CID23_MID01.bin.a1B2c3" << true;
        QTest::newRow("another model's") << "Device_CID23_MID02.bin.ZZZZZZ" << true;
        QTest::newRow("a cache") << "Device_CID23_MID01.bin" << false;
        QTest::newRow("five random characters") << "Device_CID23_MID01.bin.a1B2c" << false;
        QTest::newRow("a cache's copy") << "Device_CID23_MID01.bin.old" << false;
        QTest::newRow("someone else's file") << "notes.txt.a1B2c3" << false;
    }

    void unfinishedSavesAreRemovedAndEverythingElseKept()
    {
        QFETCH(QString, name);
        QFETCH(bool, removed);
        writeRaw(name, "x");
        removeUnfinishedCacheWrites();
        QCOMPARE(QFile::exists(deviceCachePath(name)), !removed);
        QFile::remove(deviceCachePath(name));
    }
};

TALVO_TEST_GUILESS_MAIN(tst_DeviceCache)
#include "tst_devicecache.moc"
