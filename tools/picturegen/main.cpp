// Draws the program folder's pictures from the manifest:
//   talvo-picturegen MANIFEST OUTPUT_FOLDER
// Run at build time on the offscreen platform.

#include "manifestentry.h"
#include "picturepainter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>

namespace {

// The program decodes pictures while it starts, so each is stored in the
// lightest form that keeps every pixel: without an alpha channel when it is
// opaque (Qt then neither scans it for transparency nor copies it), and
// with a palette when that loses nothing (a quarter of the bytes to inflate).
QImage storedForm(const QImage &drawn)
{
    QImage form = drawn.convertToFormat(QImage::Format_ARGB32);
    const QImage opaque = form.convertToFormat(QImage::Format_RGB32);
    if (opaque.convertToFormat(QImage::Format_ARGB32) == form)
        form = opaque;
    const QImage indexed = form.convertToFormat(QImage::Format_Indexed8);
    return indexed.convertToFormat(form.format()) == form ? indexed : form;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 3) {
        std::fprintf(stderr, "usage: talvo-picturegen MANIFEST OUTPUT_FOLDER\n");
        return 2;
    }
    QFile manifest(arguments.at(1));
    if (!manifest.open(QIODevice::ReadOnly | QIODevice::Text)) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(manifest.fileName()),
                     qPrintable(manifest.errorString()));
        return 1;
    }
    QStringList errors;
    const QList<ManifestEntry> entries = readManifest(QString::fromUtf8(manifest.readAll()), &errors);
    const QDir output(arguments.at(2));
    for (const ManifestEntry &entry : entries) {
        QString error;
        const QImage image = PicturePainter::draw(entry, &error);
        const QString path = output.filePath(entry.path);
        if (image.isNull()) {
            errors << QStringLiteral("line %1: %2").arg(entry.line).arg(error);
        } else if (!QDir().mkpath(QFileInfo(path).path()) || !storedForm(image).save(path, "PNG")) {
            errors << QStringLiteral("line %1: cannot write %2").arg(entry.line).arg(path);
        }
    }
    for (const QString &error : errors)
        std::fprintf(stderr, "%s: %s\n", qPrintable(manifest.fileName()), qPrintable(error));
    return errors.isEmpty() ? 0 : 1;
}
