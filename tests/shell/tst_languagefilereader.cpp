#include "languagefilereader.h"
#include "testenvironment.h"

#include <QBuffer>
#include <QTemporaryDir>

namespace {

const LanguageTable &table(const LanguageTables &tables, LanguageSection section)
{
    return tables[std::size_t(section)];
}

LanguageTables readText(const QByteArray &xml, const QString &root = QStringLiteral("Total"))
{
    LanguageTables tables;
    QBuffer buffer;
    buffer.setData(xml);
    buffer.open(QIODevice::ReadOnly);
    LanguageFileReader(tables).read(&buffer, root, 0);
    return tables;
}

QByteArray mainSection(const QByteArray &inner)
{
    return "<Total><DialogMain>" + inner + "</DialogMain></Total>";
}

QByteArray productFile(const QByteArray &root)
{
    return '<' + root + "><English><CompanyName>a</CompanyName><CompanyNameCn>b</CompanyNameCn>"
           "<CompanyWebcn>c</CompanyWebcn><CompanyWeben>d</CompanyWeben></English></" + root + '>';
}

void writeFile(const QString &path, const QByteArray &content)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
}

} // namespace

class tst_LanguageFileReader : public QObject
{
    Q_OBJECT

private slots:
    void textsTakeThePositionsOfTheirNames()
    {
        const auto tables = readText(mainSection("<MainForm>Show</MainForm><Exit>Quit</Exit>"));
        QCOMPARE(table(tables, LanguageSection::DialogMain),
                 LanguageTable({{QStringLiteral("Show"), QStringLiteral("Quit")}}));
    }

    void textsInAnotherOrderStillTakeThePositionsOfTheirNames()
    {
        const auto tables = readText(mainSection("<Exit>Quit</Exit><MainForm>Show</MainForm>"));
        QCOMPARE(table(tables, LanguageSection::DialogMain),
                 LanguageTable({{QStringLiteral("Show"), QStringLiteral("Quit")}}));
    }

    void unknownElementsAreSkippedWholeAndTakeNoPosition()
    {
        const auto tables = readText(mainSection(
            "<Note><Deep><Deeper>x</Deeper></Deep></Note><MainForm>Show</MainForm>"
            "<Other/><Exit>Quit</Exit>"));
        QCOMPARE(table(tables, LanguageSection::DialogMain),
                 LanguageTable({{QStringLiteral("Show"), QStringLiteral("Quit")}}));
    }

    void unknownSectionsAreSkippedWithTheirChildren()
    {
        const auto tables = readText("<Total><Nothing><Exit>no</Exit></Nothing>"
                                     "<QuestionB><label>Two</label></QuestionB></Total>");
        QVERIFY(table(tables, LanguageSection::DialogMain).isEmpty());
        QCOMPARE(table(tables, LanguageSection::QuestionB), LanguageTable({{QStringLiteral("Two")}}));
    }

    void namesAreCaseSensitive()
    {
        const auto tables = readText("<Total><dialogmain><MainForm>a</MainForm><Exit>b</Exit>"
                                     "</dialogmain><DialogMain><mainform>a</mainform>"
                                     "<Exit>b</Exit></DialogMain></Total>");
        QCOMPARE(table(tables, LanguageSection::DialogMain), LanguageTable({{QString(), QStringLiteral("b")}}));
        QVERIFY(table(tables, LanguageSection::DialogMain).at(0).at(0).isNull());
    }

    void entitiesAreResolvedAndWhiteSpaceIsKept()
    {
        const auto tables = readText(mainSection(
            "<MainForm>  Tom &amp; Jerry &lt;3 </MainForm><Exit>Macro: </Exit>"));
        QCOMPARE(table(tables, LanguageSection::DialogMain),
                 LanguageTable({{QStringLiteral("  Tom & Jerry <3 "), QStringLiteral("Macro: ")}}));
    }

    void anEmptyElementTakesItsPositionWithAnEmptyText()
    {
        const auto tables = readText(mainSection("<MainForm/><Exit>Quit</Exit>"));
        QCOMPARE(table(tables, LanguageSection::DialogMain),
                 LanguageTable({{QString(), QStringLiteral("Quit")}}));
        QVERIFY(!table(tables, LanguageSection::DialogMain).at(0).at(0).isNull());
    }

    void aSectionTwiceFillsOneRowTheLaterTextsReplacingTheEarlier()
    {
        const auto tables = readText("<Total><DialogMain><MainForm>a</MainForm><Exit>b</Exit>"
                                     "</DialogMain><DialogMain><MainForm>c</MainForm>"
                                     "</DialogMain></Total>");
        QCOMPARE(table(tables, LanguageSection::DialogMain),
                 LanguageTable({{QStringLiteral("c"), QStringLiteral("b")}}));
    }

    void anElementTwiceKeepsItsLaterText()
    {
        const auto tables = readText(mainSection(
            "<MainForm>a</MainForm><Exit>b</Exit><Exit>c</Exit><MainForm>late</MainForm>"));
        QCOMPARE(table(tables, LanguageSection::DialogMain),
                 LanguageTable({{QStringLiteral("late"), QStringLiteral("c")}}));
    }

    void aSectionCutShortKeepsWhatItRead()
    {
        const auto tables = readText("<Total><DialogMain><MainForm>a</MainForm>");
        QCOMPARE(table(tables, LanguageSection::DialogMain), LanguageTable({{QStringLiteral("a"), QString()}}));
        QVERIFY(table(tables, LanguageSection::DialogMain).at(0).at(1).isNull());
    }

    void aWrongRootReadsNothing()
    {
        const auto tables = readText(mainSection("<MainForm>a</MainForm><Exit>b</Exit>"),
                                     QStringLiteral("Profile"));
        QVERIFY(table(tables, LanguageSection::DialogMain).isEmpty());
    }

    void anXmlErrorEndsTheFileButKeepsTheRowsReadBeforeIt()
    {
        const auto tables = readText("<Total><QuestionB><label>One</label></QuestionB>"
                                     "<DialogMain><MainForm>a<b/></MainForm><Exit>c</Exit>"
                                     "</DialogMain><LessThree><label>x</label>"
                                     "<NewHong>y</NewHong></LessThree></Total>");
        QCOMPARE(table(tables, LanguageSection::QuestionB).size(), 1);
        QVERIFY(table(tables, LanguageSection::DialogMain).isEmpty());
        QVERIFY(table(tables, LanguageSection::LessThree).isEmpty());
    }

    void deeplyNestedUnknownElementsDoNotExhaustTheStack()
    {
        const int depth = 50000;
        const QByteArray xml = "<Total><Junk>" + QByteArray("<a>").repeated(depth)
                               + QByteArray("</a>").repeated(depth)
                               + "</Junk><QuestionB><label>x</label></QuestionB></Total>";
        const auto tables = readText(xml);
        QCOMPARE(table(tables, LanguageSection::QuestionB).size(), 1);
    }

    void eachFileOfTheFolderFillsItsOwnRow()
    {
        QTemporaryDir folder;
        writeFile(folder.filePath("0-English.xml"), mainSection("<MainForm>Show</MainForm><Exit>Exit</Exit>"));
        writeFile(folder.filePath("4-Russia.xml"), mainSection("<MainForm>Показать</MainForm><Exit>Выход</Exit>"));
        writeFile(folder.filePath("Net.xml"), productFile("Profile"));
        LanguageTables tables;
        LanguageFileReader::loadLanguageFolder(folder.path(), tables);
        QCOMPARE(table(tables, LanguageSection::DialogMain).size(), 2);
        QCOMPARE(table(tables, LanguageSection::DialogMain).at(1).at(1), QStringLiteral("Выход"));
        QCOMPARE(table(tables, LanguageSection::English).size(), 3);
        QCOMPARE(table(tables, LanguageSection::English).at(2).at(3), QStringLiteral("d"));
    }

    void aMissingRussianFileLeavesOnlyTheEnglishRows()
    {
        QTemporaryDir folder;
        writeFile(folder.filePath("0-English.xml"), mainSection("<MainForm>Show</MainForm><Exit>Exit</Exit>"));
        writeFile(folder.filePath("Net.xml"), productFile("Profile"));
        LanguageTables tables;
        LanguageFileReader::loadLanguageFolder(folder.path(), tables);
        QCOMPARE(table(tables, LanguageSection::DialogMain).size(), 1);
        QCOMPARE(table(tables, LanguageSection::English).size(), 3);
    }

    void aMissingEnglishFileLeavesTheEnglishRowEmpty()
    {
        QTemporaryDir folder;
        writeFile(folder.filePath("4-Russia.xml"), mainSection("<MainForm>a</MainForm><Exit>b</Exit>"));
        LanguageTables tables;
        LanguageFileReader::loadLanguageFolder(folder.path(), tables);
        QCOMPARE(table(tables, LanguageSection::DialogMain),
                 LanguageTable({{}, {QStringLiteral("a"), QStringLiteral("b")}}));
    }

    void wrongRootsSkipThatFileOnly()
    {
        QTemporaryDir folder;
        writeFile(folder.filePath("0-English.xml"),
                  "<Profile><DialogMain><MainForm>a</MainForm><Exit>b</Exit></DialogMain></Profile>");
        writeFile(folder.filePath("4-Russia.xml"), mainSection("<MainForm>c</MainForm><Exit>d</Exit>"));
        writeFile(folder.filePath("Net.xml"), productFile("Total"));
        LanguageTables tables;
        LanguageFileReader::loadLanguageFolder(folder.path(), tables);
        QCOMPARE(table(tables, LanguageSection::DialogMain),
                 LanguageTable({{}, {QStringLiteral("c"), QStringLiteral("d")}}));
        QVERIFY(table(tables, LanguageSection::English).isEmpty());
    }

    void aDamagedFileShowsItsOwnTextsAndFallsBackToEnglishPerText_data()
    {
        QTest::addColumn<QByteArray>("english");
        QTest::addColumn<QByteArray>("russian");
        QTest::addColumn<QStringList>("englishTexts");
        QTest::addColumn<QStringList>("russianTexts");
        const QByteArray english = mainSection("<MainForm>Show</MainForm><Exit>Exit</Exit>");
        const QByteArray russian = mainSection("<MainForm>Показать</MainForm><Exit>Выход</Exit>");
        const QStringList russianTexts{"Показать", "Выход"};
        QTest::newRow("empty English") << QByteArray() << russian << QStringList{"", ""} << russianTexts;
        QTest::newRow("English cut short") << QByteArray("<Total><DialogMain><MainForm>Show</MainForm>") << russian
                                           << QStringList{"Show", ""} << russianTexts;
        QTest::newRow("English missing an element") << mainSection("<Exit>Exit</Exit>") << russian
                                                    << QStringList{"", "Exit"} << russianTexts;
        QTest::newRow("English section twice")
            << QByteArray("<Total><DialogMain><MainForm>Old</MainForm><Exit>Exit</Exit></DialogMain>"
                          "<DialogMain><MainForm>Show</MainForm></DialogMain></Total>")
            << russian << QStringList{"Show", "Exit"} << russianTexts;
        QTest::newRow("Russian missing an element") << english << mainSection("<MainForm>Показать</MainForm>")
                                                    << QStringList{"Show", "Exit"} << QStringList{"Показать", "Exit"};
        QTest::newRow("empty Russian") << english << QByteArray() << QStringList{"Show", "Exit"}
                                       << QStringList{"Show", "Exit"};
    }

    void aDamagedFileShowsItsOwnTextsAndFallsBackToEnglishPerText()
    {
        QFETCH(QByteArray, english);
        QFETCH(QByteArray, russian);
        QFETCH(QStringList, englishTexts);
        QFETCH(QStringList, russianTexts);
        QTemporaryDir folder;
        writeFile(folder.filePath("0-English.xml"), english);
        writeFile(folder.filePath("4-Russia.xml"), russian);
        languageTextTable = LanguageTables();
        LanguageFileReader::loadLanguageFolder(folder.path(), languageTextTable);
        for (int position = 0; position < 2; ++position) {
            QCOMPARE(languageText(LanguageSection::DialogMain, 0, position), englishTexts.at(position));
            QCOMPARE(languageText(LanguageSection::DialogMain, 1, position), russianTexts.at(position));
        }
    }
};

TALVO_TEST_GUILESS_MAIN(tst_LanguageFileReader)
#include "tst_languagefilereader.moc"
