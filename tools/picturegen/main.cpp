// Draws the program folder's pictures from the manifest:
//   talvo-picturegen MANIFEST OUTPUT_FOLDER
// Run at build time on the offscreen platform.

#include "manifestentry.h"
#include "picturepainter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QVector>

#include <algorithm>
#include <cstdio>

namespace {

bool isOpaque(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        if (!std::all_of(line, line + image.width(), [](QRgb pixel) { return qAlpha(pixel) == 255; }))
            return false;
    }
    return true;
}

// The picture with a palette of its own colours, or a null image when it
// has more than 256.
QImage withPalette(const QImage &image)
{
    QImage indexed(image.size(), QImage::Format_Indexed8);
    QVector<QRgb> colours;
    QHash<QRgb, uchar> indexOf;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        uchar *out = indexed.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            auto found = indexOf.constFind(line[x]);
            if (found == indexOf.constEnd()) {
                if (colours.size() == 256)
                    return QImage();
                found = indexOf.insert(line[x], uchar(colours.size()));
                colours.append(line[x]);
            }
            out[x] = *found;
        }
    }
    indexed.setColorTable(colours);
    return indexed;
}

// The program decodes pictures while it starts, so an opaque one is stored
// without an alpha channel (Qt then neither scans it for transparency nor
// copies it), and with a palette when it has few colours (a quarter of the
// bytes to inflate). Built pixel by pixel: Qt converts large pictures on a
// thread pool, which a thread-sanitized build of this tool cannot follow.
QImage storedForm(const QImage &drawn)
{
    if (!isOpaque(drawn))
        return drawn;
    QImage opaque = drawn;
    opaque.reinterpretAsFormat(QImage::Format_RGB32);
    const QImage indexed = withPalette(opaque);
    return indexed.isNull() ? opaque : indexed;
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
