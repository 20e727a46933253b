// The process-wide sensor model: which features the current sensor has, the
// model's keys of Config.ini, and DPI levels written to the simulated mouse.

#include "capabilitiestext.h"
#include "configinistore.h"
#include "paneltest.h"
#include "sensormodel.h"
#include "testenvironment.h"

#include <QTemporaryDir>

using namespace PanelTest;

class tst_SensorModel : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        openDefaultMouse();
        g_sensorCapabilities = SensorCapabilities();
        g_dpiRange = DpiRange();
        currentSensorId.clear();
    }

    void aSwitchNamesTheSensorsItsTextHolds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("sensor");
        QTest::addColumn<bool>("on");
        QTest::newRow("listed") << "3395,3950" << "3950" << true;
        QTest::newRow("part of an id") << "3395,3950" << "395" << true;
        QTest::newRow("not listed") << "3395" << "3950" << false;
        QTest::newRow("case counts") << "pmw3950" << "PMW3950" << false;
        QTest::newRow("no sensor id") << "3395,3950" << "" << false;
        QTest::newRow("no switch text") << "" << "3950" << false;
    }

    void aSwitchNamesTheSensorsItsTextHolds()
    {
        QFETCH(QString, text);
        QFETCH(QString, sensor);
        QFETCH(bool, on);
        QCOMPARE(switchNamesSensor(text, sensor), on);
        g_sensorCapabilities = capabilitiesOf("#define SUPPORT_RIPPLE\t" + text.toLatin1() + "\n");
        currentSensorId = sensor;
        QCOMPARE(currentSensorHas(QStringLiteral("SUPPORT_RIPPLE")), on);
    }

    void theModelsKeysGiveTheSensorAndItsRange()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Config.ini"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        // "3327" in Base64, as the file keeps sensor ids.
        file.write("[Drive3]\nSensor=MzMyNw==\nDPIRange=100,1200,100,1600,3200,400,0\nDPIMaxGrade=10\n");
        file.close();
        currentSensorId = QStringLiteral("3395");
        readSensorModel(ConfigIniStore(path), 3);
        QCOMPARE(currentSensorId, QStringLiteral("3327"));
        QCOMPARE(g_dpiRange.maximums(), (QVector<int>{1200, 3200}));
        QCOMPARE(modelDpiLevelCount(ConfigIniStore(path), 3), 8); // the record's levels

        readSensorModel(ConfigIniStore(path), 9);
        QVERIFY(currentSensorId.isEmpty());
        QCOMPARE(g_dpiRange.count(), 0);
        QCOMPARE(modelDpiLevelCount(ConfigIniStore(path), 9), 0);
    }

    void aLevelsDpiReachesTheMouse_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<QByteArray>("entry");
        QTest::newRow("level 2") << 2 << 12800 << QByteArray("\x7F\x7F\x22", 3);
        QTest::newRow("level 7") << 7 << 800 << QByteArray("\x0F\x0F\x00", 3);
        QTest::newRow("no level") << -1 << 800 << QByteArray();
        QTest::newRow("no such level") << 8 << 800 << QByteArray();
    }

    void aLevelsDpiReachesTheMouse()
    {
        QFETCH(int, level);
        QFETCH(int, dpi);
        QFETCH(QByteArray, entry);
        currentSensorId = QStringLiteral("3395");
        g_dpiRange = DpiRange::fromItems(QString("100,10000,100,10100,26000,100,22").split(','));
        encodeDpiValue(level, dpi);
        QCOMPARE(recordsSent(), entry.isEmpty() ? 0 : 1);
        if (!entry.isEmpty()) {
            const QByteArray stored = HidUsbSim::storedConfiguration("Mouse1", 0);
            QCOMPARE(stored.mid(15 + 6 * level, 3), entry);
            QCOMPARE(decodeDpiValue(std::uint8_t(entry[0]), std::uint8_t(entry[2])), dpi);
        }
    }

    // A table sensor whose level shows step 100 counts a DPI without any
    // numbered row in units of 100.
    void aTableSensorWithoutNumberedRowsFallsBackToTheLevelsUnit()
    {
        currentSensorId = QStringLiteral("3327");
        g_sensorCapabilities = capabilitiesOf("#define SENSOR_3327_DPI\t7\n");
        presetRecordByte(15 + 2, 0x22);
        encodeDpiValue(0, 1000);
        QCOMPARE(recordByte(15), 10);
        presetRecordByte(15 + 2, 0x00);
        encodeDpiValue(0, 1000);
        QCOMPARE(recordByte(15), 20);
    }
};

TALVO_TEST_MAIN(tst_SensorModel)
#include "tst_sensormodel.moc"
