// Starting at login: the registry value and the XDG autostart entry, and
// the desktop's mouse settings.

#include "autostart.h"
#include "desktopmousesettings.h"
#include "registrystore.h"
#include "testenvironment.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

QString execLine(const QString &entryPath)
{
    QFile entry(entryPath);
    if (!entry.open(QIODevice::ReadOnly))
        return QString();
    for (const QByteArray &line : entry.readAll().split('\n')) {
        if (line.startsWith("Exec="))
            return QString::fromUtf8(line.mid(5));
    }
    return QString();
}

QString fileText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()).trimmed() : QString();
}

} // namespace

class tst_AutoStart : public QObject
{
    Q_OBJECT

private slots:
    void anEntryStartsTheProgramAndGoesAwayAgain_data()
    {
        QTest::addColumn<QString>("programPath");
        QTest::addColumn<QString>("exec");
        QTest::addColumn<QString>("registryValue");

        QTest::newRow("a plain path") << "/opt/Tools/App" << "\"/opt/Tools/App\"" << "\\opt\\Tools\\App";
        QTest::newRow("a blank") << "/home/a b/App" << "\"/home/a b/App\"" << "\\home\\a b\\App";
        QTest::newRow("a percent sign") << "/tmp/100%/App" << "\"/tmp/100%%/App\"" << "\\tmp\\100%\\App";
        QTest::newRow("characters the quotes reserve")
            << "/tmp/$d/\"q\"/`t`" << "\"/tmp/\\\\$d/\\\\\"q\\\\\"/\\\\`t\\\\`\"" << "\\tmp\\$d\\\"q\"\\`t`";
        QTest::newRow("a backslash") << "/tmp/a\\b/App" << "\"/tmp/a\\\\\\\\b/App\"" << "\\tmp\\a\\b\\App";
    }

    void anEntryStartsTheProgramAndGoesAwayAgain()
    {
        QFETCH(QString, programPath);
        QFETCH(QString, exec);
        QFETCH(QString, registryValue);
        QTemporaryDir configHome;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome.path()));
        const QString entry = AutoStart::entryPath("talvo-lumerant");
        QCOMPARE(entry, configHome.path() + "/autostart/talvo-lumerant.desktop");

        AutoStart::enable("talvo-lumerant", "Talvo Lumerant 4K", programPath);
        QCOMPARE(execLine(entry), exec);
        QCOMPARE(RegistryStore::instance()->value(AutoStart::runKey(), "talvo-lumerant").toString(), registryValue);
        QProcess validate;
        validate.start("desktop-file-validate", {entry});
        QVERIFY2(validate.waitForFinished(), "desktop-file-validate is missing: run scripts/setup");
        const QByteArray complaints = validate.readAllStandardOutput() + validate.readAllStandardError();
        QVERIFY2(validate.exitCode() == 0 && complaints.isEmpty(), complaints.constData());

        AutoStart::disable("talvo-lumerant");
        QVERIFY(!QFile::exists(entry));
        QVERIFY(!RegistryStore::instance()->value(AutoStart::runKey(), "talvo-lumerant").isValid());
    }

    void theFirstMouseSettingsProgramPresentIsStarted_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("started");

        QTest::newRow("GNOME before Xfce") << QStringList{"xfce4-mouse-settings", "gnome-control-center"}
                                           << "gnome-control-center mouse";
        QTest::newRow("Plasma") << QStringList{"systemsettings5", "lxinput"} << "systemsettings5 kcm_mouse";
        QTest::newRow("MATE") << QStringList{"lxinput", "mate-mouse-properties"} << "mate-mouse-properties";
        QTest::newRow("none") << QStringList{"unrelated-tool"} << "";
    }

    void theFirstMouseSettingsProgramPresentIsStarted()
    {
        QFETCH(QStringList, present);
        QFETCH(QString, started);
        QTemporaryDir bin;
        const QString marker = bin.filePath("started");
        for (const QString &program : present) {
            QFile script(bin.filePath(program));
            QVERIFY(script.open(QIODevice::WriteOnly));
            script.write(QStringLiteral("#!/bin/sh\necho \"%1 $*\" > '%2'\n").arg(program, marker).toUtf8());
            script.setPermissions(script.permissions() | QFile::ExeOwner);
        }
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()));
        const bool opened = DesktopMouseSettings::open();
        qputenv("PATH", path);
        QCOMPARE(opened, !started.isEmpty());
        if (opened)
            QTRY_COMPARE(fileText(marker), started);
    }
};

TALVO_TEST_GUILESS_MAIN(tst_AutoStart)
#include "tst_autostart.moc"
