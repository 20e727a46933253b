#include "manifestentry.h"

#include <QRegularExpression>

QList<ManifestEntry> readManifest(const QString &text, QStringList *errors)
{
    QList<ManifestEntry> entries;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines.at(i).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList words = line.split(QRegularExpression(QStringLiteral("\\s+")));
        bool widthOk = false;
        bool heightOk = false;
        ManifestEntry entry;
        if (words.size() >= 4) {
            entry.path = words.at(0);
            entry.size = QSize(words.at(1).toInt(&widthOk), words.at(2).toInt(&heightOk));
            entry.drawing = words.at(3);
            entry.arguments = words.mid(4);
            entry.line = i + 1;
        }
        if (!widthOk || !heightOk || entry.size.isEmpty() || entry.path.contains(QLatin1String(".."))) {
            errors->append(QStringLiteral("line %1: expected \"path width height drawing ...\"").arg(i + 1));
            continue;
        }
        entries.append(entry);
    }
    return entries;
}
