#include "deviceallinfo.h"
#include "profileexport.h"
#include "profileimport.h"
#include "testenvironment.h"

#include <QBuffer>
#include <QDir>

#include <cstring>

class tst_ProfileExport : public QObject
{
    Q_OBJECT

private slots:
    void theSensorIdTakesTwelveBytes_data()
    {
        QTest::addColumn<QString>("sensor");
        QTest::addColumn<QByteArray>("block");
        QTest::newRow("short") << "3395" << QByteArray("3395").leftJustified(12, '\0');
        QTest::newRow("empty") << "" << QByteArray(12, '\0');
        QTest::newRow("too long") << "ABCDEFGHIJKLMN" << QByteArray("ABCDEFGHIJKL");
    }

    void theSensorIdTakesTwelveBytes()
    {
        QFETCH(QString, sensor);
        QFETCH(QByteArray, block);
        QBuffer file;
        file.open(QIODevice::WriteOnly);
        writeProfile(&file, sensor, FlashDataMap{});
        const QByteArray bytes = file.data();
        QCOMPARE(bytes.size(), 10464);
        QCOMPARE(bytes.left(20), QByteArray::fromHex("0000000c 4465646964 00000000000000 0000000c"));
        QCOMPARE(bytes.mid(20, 12), block);
        QCOMPARE(bytes.mid(32, 4), QByteArray::fromHex("000028bc"));
    }

    // The chosen model is the first of Config.ini, sensor 3950.
    void anExportedProfileImportsAsTheSameRecord()
    {
        FlashDataMap record;
        for (std::size_t index = 0; index < sizeof record; ++index)
            record.bytes()[index] = std::uint8_t(index * 7);
        record.DPIGradeCount = 4;
        const QString path = QDir::homePath() + "/profile.bin";
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(20000, 'x'));
        old.close();

        QVERIFY(exportProfileFile(path, record));
        QCOMPARE(QFileInfo(path).size(), 10464);
        FlashDataMap imported = {};
        QCOMPARE(importProfileFile(path, &imported), int(ProfileAccepted));
        QVERIFY(std::memcmp(&imported, &record, sizeof record) == 0);
        QVERIFY(!exportProfileFile(path + "/inside-a-file.bin", record));
    }
};

TALVO_TEST_GUILESS_MAIN(tst_ProfileExport)
#include "tst_profileexport.moc"
