#include "registrystore.h"
#include "testenvironment.h"

#include <QDir>

#include <thread>
#include <vector>

namespace {

const QString versionKey =
    QStringLiteral("HKEY_CURRENT_USER\\Software\\Talvo Lumerant 4K\\Talvo Lumerant 4K\\Mouse Drive Test");

} // namespace

class tst_RegistryStore : public QObject
{
    Q_OBJECT

private slots:
    void fileLivesInTheUserConfigurationFolder()
    {
        QCOMPARE(RegistryStore::defaultFilePath(),
                 QDir::homePath() + "/.config/Talvo Lumerant 4K/registry.ini");
        const QByteArray saved = qgetenv("XDG_CONFIG_HOME");
        qunsetenv("XDG_CONFIG_HOME");
        QCOMPARE(RegistryStore::defaultFilePath(),
                 QDir::homePath() + "/.config/Talvo Lumerant 4K/registry.ini");
        qputenv("XDG_CONFIG_HOME", "/elsewhere");
        QCOMPARE(RegistryStore::defaultFilePath(), QString("/elsewhere/Talvo Lumerant 4K/registry.ini"));
        qputenv("XDG_CONFIG_HOME", saved);
    }

    void valuesSurviveANewStore()
    {
        const QString path = QDir::homePath() + "/survive/registry.ini";
        RegistryStore(path).setValue(versionKey, "MouseVer3501", "v1.2");
        RegistryStore(path).setValue(versionKey, "UpdateFailInfo", "35,1,4,0");

        RegistryStore reopened(path);
        QCOMPARE(reopened.value(versionKey, "MouseVer3501").toString(), QString("v1.2"));
        QCOMPARE(reopened.value(versionKey, "UpdateFailInfo").toString(), QString("35,1,4,0"));
    }

    void keyPathsKeepTheirValuesApart()
    {
        RegistryStore store(QDir::homePath() + "/apart.ini");
        store.setValue(versionKey, "LanguageIndex", 1);
        store.setValue("HKEY_CURRENT_USER\\Software\\Other", "LanguageIndex", 2);
        QCOMPARE(store.value(versionKey, "LanguageIndex").toInt(), 1);
        QCOMPARE(store.value("HKEY_CURRENT_USER\\Software\\Other", "LanguageIndex").toInt(), 2);
    }

    void removedAndMissingValuesGiveTheDefault()
    {
        const QString path = QDir::homePath() + "/removed.ini";
        RegistryStore store(path);
        store.setValue(versionKey, "LanguageIndex", 1);
        store.remove(versionKey, "LanguageIndex");
        QCOMPARE(RegistryStore(path).value(versionKey, "LanguageIndex", 0).toInt(), 0);
        QVERIFY(!store.value(versionKey, "Nothing").isValid());
    }

    void writesFromManyThreadsAreAllKept()
    {
        const QString path = QDir::homePath() + "/threads.ini";
        RegistryStore store(path);
        std::vector<std::thread> writers;
        for (int t = 0; t < 4; ++t) {
            writers.emplace_back([&store, t] {
                for (int i = 0; i < 25; ++i)
                    store.setValue(versionKey, QString("v%1_%2").arg(t).arg(i), i);
            });
        }
        for (std::thread &writer : writers)
            writer.join();
        RegistryStore reopened(path);
        for (int t = 0; t < 4; ++t)
            QCOMPARE(reopened.value(versionKey, QString("v%1_24").arg(t)).toInt(), 24);
    }
};

TALVO_TEST_GUILESS_MAIN(tst_RegistryStore)
#include "tst_registrystore.moc"
