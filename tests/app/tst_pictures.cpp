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
        const QString manifest = readText(QStringLiteral(TALVO_SOURCE_DIR "/tools/picturegen/pictures.manifest"));
        int count = 0;
        for (const QString &line : manifest.split('\n')) {
            const QStringList words = line.simplified().split(' ');
            if (words.size() < 4 || words.first().startsWith('#'))
                continue;
            QImageReader picture(pictureFolder() + words.at(0));
            QVERIFY2(picture.canRead(), qPrintable(words.at(0)));
            QCOMPARE(picture.size(), QSize(words.at(1).toInt(), words.at(2).toInt()));
            ++count;
        }
        QVERIFY(count > 0);
    }
};

TALVO_TEST_GUILESS_MAIN(tst_Pictures)
#include "tst_pictures.moc"
