#include "testenvironment.h"

#include <QDirIterator>
#include <QImageReader>
#include <QRegularExpression>

namespace {

QString pictureFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Picture/");
}

QString readText(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList captures(const QString &text, const QRegularExpression &pattern)
{
    QStringList found;
    auto matches = pattern.globalMatch(text);
    while (matches.hasNext())
        found << matches.next().captured(1);
    found.removeDuplicates();
    return found;
}

// Source files by class: a header and its source name the same pictures.
QMap<QString, QString> sourcesByClass()
{
    QMap<QString, QString> texts;
    QDirIterator it(QStringLiteral(TALVO_SOURCE_DIR "/src"),
                    {QStringLiteral("*.cpp"), QStringLiteral("*.h"), QStringLiteral("*.ui")},
                    QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        texts[info.path() + '/' + info.completeBaseName()] += readText(info.filePath());
    }
    return texts;
}

struct ManifestPicture
{
    QString path;
    QSize size;
};

QList<ManifestPicture> manifestPictures()
{
    QList<ManifestPicture> pictures;
    const QString manifest = readText(QStringLiteral(TALVO_SOURCE_DIR "/tools/picturegen/pictures.manifest"));
    for (const QString &line : manifest.split('\n')) {
        const QStringList words = line.simplified().split(' ');
        if (words.size() < 4 || words.first().startsWith('#'))
            continue;
        pictures.append({words.at(0), QSize(words.at(1).toInt(), words.at(2).toInt())});
    }
    return pictures;
}

// The number of colours of a picture, counting up to 257, and whether every pixel is opaque.
int colourCount(const QImage &picture, bool *opaque)
{
    const QImage pixels = picture.convertToFormat(QImage::Format_ARGB32);
    QSet<QRgb> colours;
    *opaque = true;
    for (int y = 0; y < pixels.height(); ++y) {
        const QRgb *line = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width() && colours.size() <= 256; ++x) {
            colours.insert(line[x]);
            *opaque = *opaque && qAlpha(line[x]) == 255;
        }
    }
    return colours.size();
}

} // namespace

class tst_Pictures : public QObject
{
    Q_OBJECT

private slots:
    void everyPictureTheStyleSheetsNameExists()
    {
        const QRegularExpression folderPattern(QStringLiteral("/Picture/(\\w+)/"));
        const QRegularExpression picturePattern(QStringLiteral("[\"/(](\\w+\\.png)\\b"));
        int checked = 0;
        const QMap<QString, QString> sources = sourcesByClass();
        for (auto it = sources.cbegin(); it != sources.cend(); ++it) {
            const QStringList pictures = captures(it.value(), picturePattern);
            if (pictures.isEmpty())
                continue;
            const QStringList folders = captures(it.value(), folderPattern);
            QVERIFY2(!folders.isEmpty(),
                     qPrintable(it.key() + " names pictures but no folder under Picture/"));
            for (const QString &picture : pictures) {
                bool found = false;
                for (const QString &folder : folders)
                    found = found || QFile::exists(pictureFolder() + folder + '/' + picture);
                QVERIFY2(found, qPrintable(it.key() + ": " + picture + " is in none of "
                                           + folders.join(", ")));
                ++checked;
            }
        }
        QVERIFY(checked > 0);
    }

    void everyManifestPictureIsDrawnAtItsSize()
    {
        const QList<ManifestPicture> pictures = manifestPictures();
        for (const ManifestPicture &entry : pictures) {
            QImageReader picture(pictureFolder() + entry.path);
            QVERIFY2(picture.canRead(), qPrintable(entry.path));
            QCOMPARE(picture.size(), entry.size);
        }
        QVERIFY(!pictures.isEmpty());
    }

    // The program decodes pictures while it starts: an opaque one is stored
    // without an alpha channel, and with a palette when it has few colours.
    void everyOpaquePictureIsStoredInItsLightestForm()
    {
        for (const ManifestPicture &entry : manifestPictures()) {
            QImageReader reader(pictureFolder() + entry.path);
            const QImage::Format stored = reader.imageFormat();
            bool opaque = false;
            const int colours = colourCount(reader.read(), &opaque);
            if (opaque) {
                const QImage::Format lightest = colours <= 256 ? QImage::Format_Indexed8 : QImage::Format_RGB32;
                QVERIFY2(stored == lightest, qPrintable(entry.path));
            }
        }
    }
};

TALVO_TEST_GUILESS_MAIN(tst_Pictures)
#include "tst_pictures.moc"
