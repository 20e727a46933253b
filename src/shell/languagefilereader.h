#pragma once

#include "languagetables.h"

#include <QStringList>
#include <QXmlStreamReader>

#include <functional>

class QIODevice;

// Reads the XML language files into the language tables. Each section of a
// file adds one row to its table when its closing element (the last name of
// the section's list) has been read; texts take positions in document
// order. Unknown sections and elements are skipped whole; a wrong root name
// or an XML error ends the reading of that file where it stands.
class LanguageFileReader
{
public:
    explicit LanguageFileReader(LanguageTables &tables);

    // "0-English.xml" and "4-Russia.xml" (root "Total"), then "Net.xml"
    // (root "Profile"); each file is tried only when the one before it opened.
    static void loadLanguageFolder(const QString &folder, LanguageTables &tables);

    // False when the file does not open; nothing is read then.
    bool readFile(const QString &path, const QString &rootName);
    void read(QIODevice *device, const QString &rootName);

    // With the reader on the root's start element: every section below it.
    void readSections();
    // With the reader on the section's start element: one row of its texts.
    void readSection(LanguageSection section);
    // With the reader on a start element: past its end, children included.
    void skipElement();

    static QString sectionName(LanguageSection section);
    // The accepted element names in position order; the last closes a row.
    static const QStringList &sectionElements(LanguageSection section);

private:
    // With the reader on an element's start: `readChild` for every child
    // element, which leaves the reader past that child; returns past the
    // element's end.
    void readChildren(const std::function<void()> &readChild);

    LanguageTables &m_tables;
    QXmlStreamReader m_xml;
};
