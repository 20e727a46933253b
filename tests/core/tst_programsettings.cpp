// The shipped Config.ini is data the whole program reads: these checks keep
// it complete and decodable as models are added.
#include "advancedfeatures.h"
#include "configinistore.h"
#include "deviceidentification.h"
#include "sensorcapabilities.h"
#include "testenvironment.h"

#include <hidusb_sim.h>

#include <QRegularExpression>

namespace {

ConfigIniStore &config()
{
    return *ConfigIniStore::instance();
}

bool isColour(const QStringList &items)
{
    if (items.size() != 3)
        return false;
    for (const QString &item : items) {
        bool ok = false;
        const int value = item.toInt(&ok);
        if (!ok || value < 0 || value > 255)
            return false;
    }
    return true;
}

int modelCount()
{
    return config().value("Option", "DeviceTotal").toInt();
}

} // namespace

class tst_ProgramSettings : public QObject
{
    Q_OBJECT

private slots:
    void idsDecodeToNumbers()
    {
        bool ok = false;
        QCOMPARE(config().value("Option", "CID").toInt(&ok), 35);
        QVERIFY(ok);
        const QRegularExpression hexId("^0x[0-9A-F]{4}$");
        QVERIFY(hexId.match(config().value("Option", "VID")).hasMatch());
        for (const char *key : {"USB_PID", "Wireless_PID", "Wireless2_PID", "Wireless4_PID",
                                "Wireless8_PID"}) {
            const QStringList ids = config().valueList("Option", key);
            QVERIFY2(!ids.isEmpty(), key);
            for (const QString &id : ids)
                QVERIFY2(hexId.match(id).hasMatch(), qPrintable(QString(key) + ": " + id));
        }
    }

    void optionColoursAreThreeBytes()
    {
        for (const char *key : {"LabelColor", "ButtonColor", "ComboxTextColor", "ComboxSelectColor",
                                "ComboxBackGroundColor", "LinEditColor", "LinEditColorSecond",
                                "SliderColor"})
            QVERIFY2(isColour(config().valueList("Option", key)), key);
    }

    void everyModelHasEveryKey()
    {
        QVERIFY(modelCount() >= 2);
        QSet<QString> mids;
        for (int n = 1; n <= modelCount(); ++n) {
            const QString group = QString("Drive%1").arg(n);
            const QString mid = config().value(group, "MID");
            QVERIFY2(mid.toInt() > 0 && !mids.contains(mid), qPrintable(group));
            mids.insert(mid);
            QVERIFY(QRegularExpression("^\\d{4}$").match(config().value(group, "Sensor")).hasMatch());
            QVERIFY(config().value(group, "DPIMaxGrade").toInt() >= 1);
            const QStringList range = config().valueList(group, "DPIRange");
            QVERIFY2(range.size() >= 4 && (range.size() - 1) % 3 == 0, qPrintable(group));
            QCOMPARE(config().valueList(group, "DPIColor").size(), 24);
            QVERIFY(config().valueList(group, "DPIGrade").size()
                    >= config().value(group, "DPIMaxGrade").toInt());
            QCOMPARE(config().value(group, "KeyNumber").toInt(), 6);
            for (int key = 1; key <= 6; ++key) {
                const QStringList binding = config().valueList(group, QString("KeyParam%1").arg(key));
                QVERIFY(binding.size() >= 3);
                QVERIFY(binding.first().startsWith("0x"));
            }
            QCOMPARE(config().valueList(group, "Adveanced").size(), 2);
            for (const char *key : {"MM", "DM", "D2M", "D4M", "D8M"})
                QVERIFY2(!config().value(group, key).isEmpty(), key);
        }
    }

    void theAdvancedListGrantsEveryReceiverFeatureNotMinusOne_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<bool>("longRange");
        QTest::addColumn<bool>("receiverLed");

        QTest::newRow("both") << QStringList{"0", "2"} << true << true;
        QTest::newRow("neither") << QStringList{"-1", "-1"} << false << false;
        QTest::newRow("long range only") << QStringList{"1", "-1"} << true << false;
        QTest::newRow("any other text grants") << QStringList{"-1", "x"} << false << true;
        QTest::newRow("a missing item") << QStringList{"0"} << true << false;
        QTest::newRow("no list") << QStringList{} << false << false;
    }

    void theAdvancedListGrantsEveryReceiverFeatureNotMinusOne()
    {
        QFETCH(QStringList, items);
        QFETCH(bool, longRange);
        QFETCH(bool, receiverLed);
        const AdvancedFeatures features = AdvancedFeatures::fromList(items);
        QCOMPARE(features.longRange, longRange);
        QCOMPARE(features.receiverLed, receiverLed);
    }

    void sensorsDifferBetweenModels()
    {
        QVERIFY(config().value("Drive1", "Sensor") != config().value("Drive2", "Sensor"));
    }

    // Each DPI road needs a model: steps in two segments (the first two
    // models), steps in four segments with every flag, and a table.
    void modelsCoverEveryDpiEncoding()
    {
        const SensorCapabilities capabilities = SensorCapabilities::load();
        QStringList roads;
        for (int n = 1; n <= modelCount(); ++n) {
            const QString group = QString("Drive%1").arg(n);
            const QStringList range = config().valueList(group, "DPIRange");
            roads.append(capabilities.isTableSensor(config().value(group, "Sensor"))
                             ? "table"
                             : QString("%1 segments, flags %2").arg(range.size() / 3).arg(range.last()));
        }
        QCOMPARE(roads.mid(0, 2), (QStringList{"2 segments, flags 22", "2 segments, flags 22"}));
        QVERIFY(roads.contains("4 segments, flags 33"));
        QVERIFY(roads.contains("table"));
    }

    // A table-driven sensor must have a row, with a value of its own, for
    // every DPI its range lets the user choose and for its default levels.
    void tableSensorsHaveARowForEveryDpiTheyOffer()
    {
        const SensorCapabilities capabilities = SensorCapabilities::load();
        for (int n = 1; n <= modelCount(); ++n) {
            const QString group = QString("Drive%1").arg(n);
            const QString sensor = config().value(group, "Sensor");
            if (!capabilities.isTableSensor(sensor))
                continue;
            QList<int> offered;
            const QStringList range = config().valueList(group, "DPIRange");
            for (int segment = 0; segment + 3 < range.size(); segment += 3) {
                for (int dpi = range[segment].toInt(); dpi <= range[segment + 1].toInt();
                     dpi += range[segment + 2].toInt())
                    offered.append(dpi);
            }
            for (const QString &level : config().valueList(group, "DPIGrade"))
                offered.append(level.toInt());
            for (const int dpi : offered) {
                int value = 0;
                int back = 0;
                QVERIFY2(capabilities.tableValueOf(sensor, dpi, &value), qPrintable(QString::number(dpi)));
                QVERIFY(capabilities.tableDpiOf(sensor, value, &back));
                QCOMPARE(back, dpi);
            }
        }
    }

    void theEveryModelScenarioHoldsAMouseOfEachModel()
    {
        QVERIFY(HidUsbSim::loadScenario(TALVO_SCENARIO_DIR "/every-model.ini"));
        QSet<int> models;
        for (int receiver = 1; receiver <= modelCount(); ++receiver) {
            const HidDeviceIds ids = queryDeviceIds(HidUsbSim::receiverPath(QString("Receiver%1").arg(receiver)));
            models.insert(matchConfiguredModel(ids.cid, ids.mid));
        }
        QVERIFY(!models.contains(-1));
        QCOMPARE(models.size(), modelCount());
    }
};

TALVO_TEST_GUILESS_MAIN(tst_ProgramSettings)
#include "tst_programsettings.moc"
