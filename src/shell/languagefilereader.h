#pragma once

#include "languagetables.h"

#include <QStringList>
#include <QXmlStreamReader>

#include <functional>

class QIODevice;

// Reads the XML language files into the language tables. Each file fills
// its own row of every table, whatever happens to the other files: English
// row 0, Russian row 1, the product file row 2. A text takes the position
// of its element's name in the section's list, so a section that lacks an
// element, stops short or comes twice keeps every text it has in its place;
// a text a row lacks stays null and windows fall back to the English one.
// Unknown sections and elements are skipped whole; a wrong root name or an
// XML error ends the reading of that file where it stands.
class LanguageFileReader
{
public:
    explicit LanguageFileReader(LanguageTables &tables);

    // "0-English.xml" and "4-Russia.xml" (root "Total") and "Net.xml"
    // (root "Profile"), each into its own row.
    static void loadLanguageFolder(const QString &folder, LanguageTables &tables);

    // False when the file does not open; nothing is read then.
    bool readFile(const QString &path, const QString &rootName, int row);
    void read(QIODevice *device, const QString &rootName, int row);

    // With the reader on the root's start element: every section below it.
    void readSections();
    // With the reader on the section's start element: its texts, each into
    // the current row as soon as it is read.
    void readSection(LanguageSection section);
    // With the reader on a start element: past its end, children included.
    void skipElement();

    static QString sectionName(LanguageSection section);
    // The accepted element names in position order.
    static const QStringList &sectionElements(LanguageSection section);

private:
    // With the reader on an element's start: `readChild` for every child
    // element, which leaves the reader past that child; returns past the
    // element's end.
    void readChildren(const std::function<void()> &readChild);
    void storeText(LanguageSection section, int position, const QString &text);

    LanguageTables &m_tables;
    QXmlStreamReader m_xml;
    int m_row = 0;
};
