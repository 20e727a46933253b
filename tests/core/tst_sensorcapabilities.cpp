#include "capabilitiestext.h"
#include "keybindingencoder.h"
#include "testenvironment.h"

namespace {

QStringList rowsOf(const SensorCapabilities &capabilities)
{
    QStringList rows;
    for (int row = 0; row < capabilities.rowNames().size(); ++row)
        rows.append(capabilities.rowNames()[row] + '=' + QString::number(capabilities.rowValues()[row]));
    return rows;
}

QStringList switchesOf(const SensorCapabilities &capabilities)
{
    QStringList switches;
    for (const QString &name : SensorCapabilities::switchNames()) {
        if (!capabilities.switchText(name).isEmpty())
            switches.append(name + '=' + capabilities.switchText(name));
    }
    return switches;
}

} // namespace

class tst_SensorCapabilities : public QObject
{
    Q_OBJECT

private slots:
    void eachLineShapeIsReadByItsRule_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("switches");
        const QStringList none;
        QTest::newRow("hexadecimal row") << QByteArray("#define SENSOR_3395_DPI_100\t0x01\n")
                                         << QStringList{"SENSOR_3395_DPI_100=1"} << none;
        QTest::newRow("decimal row") << QByteArray("#define SENSOR_3395_DPI_100\t01\n")
                                     << QStringList{"SENSOR_3395_DPI_100=1"} << none;
        QTest::newRow("capital X is no hexadecimal") << QByteArray("#define SENSOR_3395_DPI_100\t0X01\n")
                                                     << QStringList{"SENSOR_3395_DPI_100=0"} << none;
        QTest::newRow("empty items between") << QByteArray("#define  A\t\t5\n") << QStringList{"A=5"} << none;
        QTest::newRow("row on a last line without its end") << QByteArray("#define A\t1\n#define B\t2")
                                                             << QStringList{"A=1"} << none;
        QTest::newRow("carriage returns") << QByteArray("#define A\t0x10\r\n#define SUPPORT_RIPPLE\t3395\r\n")
                                          << QStringList{"A=16"} << QStringList{"SUPPORT_RIPPLE=3395"};
        QTest::newRow("switch in a commented-out define")
            << QByteArray("//#define SUPPORT_RIPPLE\t3395,3950\n") << none
            << QStringList{"SUPPORT_RIPPLE=3395,3950"};
        QTest::newRow("switch on a last line without its end")
            << QByteArray("#define SUPPORT_FIXLINE\t3950") << none << QStringList{"SUPPORT_FIXLINE=3950"};
        QTest::newRow("switch with a remark is a commented row")
            << QByteArray("#define SUPPORT_RIPPLE\t3950 //later\n") << QStringList{"SUPPORT_RIPPLE=3950"} << none;
        QTest::newRow("commented row is decimal") << QByteArray("#define SENSOR_1_DPI_400\t0x07 //x\n")
                                                  << QStringList{"SENSOR_1_DPI_400=0"} << none;
        QTest::newRow("define without a value") << QByteArray("#define DRIVER_SENSOR_H\n") << none << none;
        QTest::newRow("TAB after #define") << QByteArray("#define\tA\t1\n") << none << none;
    }

    void eachLineShapeIsReadByItsRule()
    {
        QFETCH(QByteArray, text);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, switches);
        const SensorCapabilities capabilities = capabilitiesOf(text);
        QCOMPARE(rowsOf(capabilities), rows);
        QCOMPARE(switchesOf(capabilities), switches);
    }

    void dpiLockCodesFollowTheSensor_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("sensor");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("storedCode");
        QTest::addColumn<int>("shownDpi");
        const QByteArray row1600("#define SENSOR_3395_DPI_1600\t0x1F\n");
        QTest::newRow("steps of 50") << QByteArray() << "3395" << 800 << 15 << 7 << 400;
        QTest::newRow("another sensor's table") << QByteArray("#define SENSOR_3950_DPI_400\t4\n") << "3395" << 400
                                                << 7 << 15 << 800;
        QTest::newRow("table row") << row1600 << "3395" << 1600 << 31 << 31 << 1600;
        const QByteArray rows200To1600 = "#define SENSOR_3395_DPI_200\t4\n#define SENSOR_3395_DPI_400\t7\n" + row1600;
        QTest::newRow("table without the row") << row1600 << "3395" << 800 << 31 << 5 << 0;
        QTest::newRow("without the row: the nearest") << rows200To1600 << "3395" << 800 << 7 << 7 << 400;
        QTest::newRow("below every row") << rows200To1600 << "3395" << 100 << 4 << 4 << 200;
        QTest::newRow("row without a number") << QByteArray("#define SENSOR_3395_DPI_\t9\n") << "3395" << 100 << 2
                                              << 9 << 0;
    }

    void dpiLockCodesFollowTheSensor()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, sensor);
        QFETCH(int, dpi);
        QFETCH(int, code);
        QFETCH(int, storedCode);
        QFETCH(int, shownDpi);
        const SensorCapabilities capabilities = capabilitiesOf(text);
        QCOMPARE(DpiCodeForValue(capabilities, sensor, dpi), code);
        QCOMPARE(DpiValueForCode(capabilities, sensor, storedCode), shownDpi);
    }
};

TALVO_TEST_GUILESS_MAIN(tst_SensorCapabilities)
#include "tst_sensorcapabilities.moc"
