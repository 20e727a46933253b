#include "languagefilereader.h"
#include "testenvironment.h"

#include <QFile>

namespace {

QString languageFolder()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Language/");
}

// The section names and, per section, the element names of one language file.
QList<QPair<QString, QStringList>> structureOf(const QString &path, const QString &root)
{
    QList<QPair<QString, QStringList>> sections;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return sections;
    QXmlStreamReader xml(&file);
    if (!xml.readNextStartElement() || xml.name() != root)
        return sections;
    while (xml.readNextStartElement()) {
        QPair<QString, QStringList> section(xml.name().toString(), {});
        while (xml.readNextStartElement()) {
            section.second << xml.name().toString();
            if (xml.readElementText().trimmed().isEmpty())
                section.second.last() += QStringLiteral(" (empty)");
        }
        sections << section;
    }
    if (xml.hasError())
        sections << qMakePair(QStringLiteral("XML error: ") + xml.errorString(), QStringList());
    return sections;
}

} // namespace

class tst_ShippedLanguageFiles : public QObject
{
    Q_OBJECT

private slots:
    void bothLanguageFilesHoldEverySectionCompleteInTheReadersOrder_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("English") << QStringLiteral("0-English.xml");
        QTest::newRow("Russian") << QStringLiteral("4-Russia.xml");
    }

    void bothLanguageFilesHoldEverySectionCompleteInTheReadersOrder()
    {
        QFETCH(QString, file);
        const auto sections = structureOf(languageFolder() + file, QStringLiteral("Total"));
        QCOMPARE(sections.size(), languageSectionCount);
        for (int i = 0; i < languageSectionCount; ++i) {
            const auto section = LanguageSection(i);
            QCOMPARE(sections.at(i).first, LanguageFileReader::sectionName(section));
            QCOMPARE(sections.at(i).second, LanguageFileReader::sectionElements(section));
        }
    }

    void theProductFileHoldsTheEnglishSection()
    {
        const auto sections = structureOf(languageFolder() + "Net.xml", QStringLiteral("Profile"));
        QCOMPARE(sections.size(), 1);
        QCOMPARE(sections.first().first, QStringLiteral("English"));
        QCOMPARE(sections.first().second, LanguageFileReader::sectionElements(LanguageSection::English));
    }

    void theSectionListsHaveTheirDocumentedLengths()
    {
        const QVector<int> lengths = {9, 29, 34, 27, 58, 4, 2, 1, 4, 3, 6, 18, 2, 3, 2, 1,
                                      2, 2, 3, 5, 2, 4, 3, 3, 3, 2, 45, 3, 3, 2, 21, 4};
        for (int i = 0; i < languageSectionCount; ++i)
            QCOMPARE(LanguageFileReader::sectionElements(LanguageSection(i)).size(), lengths.at(i));
    }

    void loadingTheProgramFolderGivesEveryWindowAnEnglishAndARussianRow()
    {
        LanguageTables tables;
        LanguageFileReader::loadLanguageFolder(languageFolder(), tables);
        for (int i = 0; i < languageSectionCount; ++i) {
            const auto section = LanguageSection(i);
            const LanguageTable &table = tables[std::size_t(i)];
            QCOMPARE(table.size(), section == LanguageSection::English ? 3 : 2);
            for (const QVector<QString> &row : table)
                QCOMPARE(row.size(), LanguageFileReader::sectionElements(section).size());
        }
        const LanguageTable &dialogMain = tables[std::size_t(LanguageSection::DialogMain)];
        QCOMPARE(dialogMain.at(1).at(1), QStringLiteral("Выход"));
    }

    void theMacroCaptionPrefixesAgreeBetweenTheMacroAndTheKeyPage()
    {
        // The key page finds a key bound to a deleted macro by comparing its
        // caption with the macro page's prefix and the macro name.
        LanguageTables tables;
        LanguageFileReader::loadLanguageFolder(languageFolder(), tables);
        for (int row = 0; row < 2; ++row) {
            QCOMPARE(tables[std::size_t(LanguageSection::Macro)].at(row).at(24),
                     tables[std::size_t(LanguageSection::Buttoninterface)].at(row).at(55));
        }
    }
};

TALVO_TEST_GUILESS_MAIN(tst_ShippedLanguageFiles)
#include "tst_shippedlanguagefiles.moc"
