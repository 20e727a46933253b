// Writes the sample firmware images a manifest lists into a folder, with
// the ids and identifiers of the program's Config.ini:
//   talvo-firmwaregen MANIFEST CONFIG_INI OUTPUT_FOLDER
// The build runs it into the program folder's "bin/".

#include "samplefirmwareimage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QSettings>
#include <QTextStream>

#include <cstdio>

namespace {

QString decoded(const QSettings &ini, const QString &key)
{
    return QString::fromUtf8(QByteArray::fromBase64(ini.value(key).toString().toLatin1())).trimmed();
}

bool fail(const QString &message)
{
    std::fprintf(stderr, "talvo-firmwaregen: %s\n", qPrintable(message));
    return false;
}

// "name kind group key version"; blank lines and lines from "#" are skipped.
bool writeImage(const QString &line, const QSettings &ini, const QDir &output)
{
    const QStringList fields = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (fields.size() != 5)
        return fail(QStringLiteral("not an image line: ") + line);
    const QString &group = fields.at(2);
    bool versionOk = false;
    SampleFirmwareImage image;
    image.kind = fields.at(1).toInt();
    image.cid = decoded(ini, QStringLiteral("Option/CID")).toInt();
    image.mid = ini.value(group + QStringLiteral("/MID")).toInt();
    image.identifier = decoded(ini, group + QLatin1Char('/') + fields.at(3)).toLocal8Bit();
    image.version = fields.at(4).toUInt(&versionOk, 0);
    if (!versionOk || image.identifier.isEmpty())
        return fail(QStringLiteral("no version or identifier for: ") + line);
    QSaveFile file(output.filePath(fields.at(0)));
    if (!file.open(QIODevice::WriteOnly) || file.write(image.bytes()) < 0 || !file.commit())
        return fail(QStringLiteral("cannot write ") + file.fileName());
    return true;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: talvo-firmwaregen MANIFEST CONFIG_INI OUTPUT_FOLDER\n");
        return 2;
    }
    QFile manifest(arguments.at(1));
    if (!manifest.open(QIODevice::ReadOnly | QIODevice::Text)) {
        fail(QStringLiteral("cannot read ") + manifest.fileName());
        return 1;
    }
    const QSettings ini(arguments.at(2), QSettings::IniFormat);
    QDir output(arguments.at(3));
    output.mkpath(QStringLiteral("."));
    // Images of an earlier manifest would still be offered.
    for (const QString &stale : output.entryList({QStringLiteral("*.bin")}, QDir::Files))
        output.remove(stale);
    QTextStream lines(&manifest);
    bool ok = true;
    while (!lines.atEnd()) {
        const QString line = lines.readLine().section(QLatin1Char('#'), 0, 0).simplified();
        if (!line.isEmpty())
            ok = writeImage(line, ini, output) && ok;
    }
    return ok ? 0 : 1;
}
