#include "iconstreamform.h"

#include <QDataStream>
#include <QSize>

#include <cstring>

namespace {

const QString PixmapEngine = QStringLiteral("QPixmapIconEngine");
const QString ThemeEngine = QStringLiteral("QIconLoaderEngine");

bool fail(QDataStream &in)
{
    in.setStatus(QDataStream::ReadCorruptData);
    return false;
}

// Qt writes an image as a PNG file, whose end only its chunks tell.
bool skipPng(QDataStream &in)
{
    char head[8];
    if (in.readRawData(head, 8) != 8 || std::memcmp(head, "\x89PNG\r\n\x1a\n", 8) != 0)
        return fail(in);
    for (;;) {
        quint32 length = 0;
        char type[4];
        in >> length;
        if (in.readRawData(type, 4) != 4 || length > 0x7FFFFFFF || in.skipRawData(int(length)) != int(length)
            || in.skipRawData(4) != 4)
            return fail(in);
        if (std::memcmp(type, "IEND", 4) == 0)
            return true;
    }
}

bool skipPixmapEntries(QDataStream &in)
{
    qint32 entries = 0;
    in >> entries;
    for (qint32 entry = 0; entry < entries && in.status() == QDataStream::Ok; ++entry) {
        qint32 hasImage = 0;
        in >> hasImage;
        if (hasImage != 0 && !skipPng(in))
            return false;
        QString fileName;
        QSize size;
        quint32 mode = 0;
        quint32 state = 0;
        in >> fileName >> size >> mode >> state;
    }
    return in.status() == QDataStream::Ok;
}

} // namespace

void writeIconForm(QDataStream &out, const QString &picturePath)
{
    const qint32 entries = 1;
    const qint32 noImage = 0;
    const quint32 normalMode = 0;
    const quint32 offState = 1;
    out << PixmapEngine << entries << noImage << picturePath << QSize() << normalMode << offState;
}

bool skipIconForm(QDataStream &in)
{
    QString engine;
    in >> engine;
    if (engine == PixmapEngine)
        return skipPixmapEntries(in);
    if (engine == ThemeEngine) {
        QString themeName;
        in >> themeName;
    } else if (!engine.isEmpty()) {
        return fail(in);
    }
    return in.status() == QDataStream::Ok;
}
