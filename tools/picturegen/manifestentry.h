#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

// One line of the picture manifest: where the picture goes, its size in
// pixels and what it shows (a drawing and its arguments).
struct ManifestEntry
{
    QString path;
    QSize size;
    QString drawing;
    QStringList arguments;
    int line = 0;

    // The argument at `index`, or `fallback` when the line has fewer.
    QString argument(int index, const QString &fallback = QString()) const
    {
        return arguments.value(index, fallback);
    }
};

// Reads "path width height drawing [arguments...]" lines; blank lines and
// lines starting with '#' are skipped. Malformed lines are reported in
// `errors` with their line number.
QList<ManifestEntry> readManifest(const QString &text, QStringList *errors);
