// The device models of a program settings file as discovery uses them,
// whatever the file says.
#include "configinistore.h"
#include "deviceidentification.h"
#include "testenvironment.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

namespace {

// Option with the customer id 35, then `models` model groups whose model
// ids are 1, 2, ...
QByteArray settingsFile(const QByteArray &option, int models)
{
    QByteArray content = "[Option]\nCID=" + QByteArray("35").toBase64() + "\n" + option;
    for (int model = 1; model <= models; ++model)
        content += "[Drive" + QByteArray::number(model) + "]\nMID=" + QByteArray::number(model) + "\n";
    return content;
}

QString writeIni(const QByteArray &content)
{
    static int count = 0;
    const QString path = QDir::homePath() + QStringLiteral("/Config-%1.ini").arg(++count);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(content);
    return path;
}

} // namespace

class tst_ConfiguredModels : public QObject
{
    Q_OBJECT

private slots:
    void theModelCountIsBoundByTheModelGroupsTheFileHolds_data()
    {
        QTest::addColumn<QByteArray>("deviceTotal");
        QTest::addColumn<int>("groups");
        QTest::addColumn<int>("models");
        QTest::newRow("as many as groups") << QByteArray("2") << 2 << 2;
        QTest::newRow("fewer than groups") << QByteArray("1") << 2 << 1;
        QTest::newRow("zero") << QByteArray("0") << 2 << 0;
        QTest::newRow("not a number") << QByteArray("two") << 2 << 0;
        QTest::newRow("largest integer") << QByteArray("2147483647") << 2 << 2;
        QTest::newRow("a billion, one group") << QByteArray("1000000000") << 1 << 1;
        QTest::newRow("past the integers") << QByteArray("99999999999") << 2 << 2;
        QTest::newRow("negative") << QByteArray("-1") << 2 << 2;
        QTest::newRow("smallest integer") << QByteArray("-2147483648") << 3 << 3;
        QTest::newRow("no groups") << QByteArray("2147483647") << 0 << 0;
    }

    void theModelCountIsBoundByTheModelGroupsTheFileHolds()
    {
        QFETCH(QByteArray, deviceTotal);
        QFETCH(int, groups);
        QFETCH(int, models);
        const ConfigIniStore config(writeIni(settingsFile("DeviceTotal=" + deviceTotal + "\n", groups)));
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(configuredModelCount(config), models);
        // Every configured model is told, and a mouse of no model is found
        // unmatched at once, not after a question per counted model.
        for (int model = 1; model <= models; ++model)
            QCOMPARE(matchConfiguredModel(35, model, config), model - 1);
        QCOMPARE(matchConfiguredModel(35, 200, config), -1);
        QCOMPARE(matchConfiguredModel(36, 1, config), -1);
        QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
    }

    void aFileThatFindsOrTellsNoDeviceSaysWhy_data()
    {
        const QByteArray ids = "VID=" + QByteArray("0x3F1A").toBase64() + "\nUSB_PID="
                               + QByteArray("0x5A01").toBase64() + "\n";
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("problems");
        QTest::newRow("usable") << settingsFile(ids + "DeviceTotal=2\n", 2) << QStringList();
        QTest::newRow("empty") << QByteArray()
                               << QStringList{"no device model", "no vendor id", "no product id"};
        QTest::newRow("no model groups") << settingsFile(ids + "DeviceTotal=2\n", 0)
                                         << QStringList{"no device model"};
        QTest::newRow("no vendor id") << settingsFile("USB_PID=" + QByteArray("0x5A01").toBase64() + "\nDeviceTotal=1\n", 1)
                                      << QStringList{"no vendor id"};
        QTest::newRow("only empty product ids") << settingsFile("VID=" + QByteArray("0x3F1A").toBase64()
                                                                    + "\nUSB_PID=,\nDeviceTotal=1\n", 1)
                                                << QStringList{"no product id"};
        QTest::newRow("more models counted than described") << settingsFile(ids + "DeviceTotal=9\n", 2)
                                                            << QStringList{"\"9\" but describe 2 device models: 2"};
        QTest::newRow("no model counted") << settingsFile(ids, 2) << QStringList{"no device model is used"};
    }

    void aFileThatFindsOrTellsNoDeviceSaysWhy()
    {
        QFETCH(QByteArray, content);
        QFETCH(QStringList, problems);
        const QStringList found = programSettingsProblems(ConfigIniStore(writeIni(content)));
        QCOMPARE(found.size(), problems.size());
        for (int index = 0; index < problems.size(); ++index)
            QVERIFY2(found.at(index).contains(problems.at(index)), qPrintable(found.at(index)));
    }
};

TALVO_TEST_GUILESS_MAIN(tst_ConfiguredModels)
#include "tst_configuredmodels.moc"
