#include "languagetables.h"
#include "testenvironment.h"

class tst_LanguageTables : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        languageTextTable = LanguageTables();
    }

    void aTextIsReadByLanguageAndPosition()
    {
        languageTable(languageTextTable, LanguageSection::LessThree) = {{"Short", "OK"}, {"Коротко", "ОК"}};
        QCOMPARE(languageText(LanguageSection::LessThree, 1, 0), QStringLiteral("Коротко"));
        QCOMPARE(languageText(LanguageSection::LessThree, 0, 1), QStringLiteral("OK"));
    }

    void aLanguageWithoutARowFallsBackToTheFirstRow()
    {
        languageTable(languageTextTable, LanguageSection::LessThree) = {{"Short", "OK"}};
        QCOMPARE(languageText(LanguageSection::LessThree, 1, 0), QStringLiteral("Short"));
        QCOMPARE(languageText(LanguageSection::LessThree, -1, 1), QStringLiteral("OK"));
    }

    void aMissingPositionOrAnEmptyTableGivesAnEmptyText()
    {
        languageTable(languageTextTable, LanguageSection::LessThree) = {{"Short"}};
        QCOMPARE(languageText(LanguageSection::LessThree, 0, 1), QString());
        QCOMPARE(languageText(LanguageSection::LessThree, 0, -1), QString());
        QCOMPARE(languageText(LanguageSection::QuestionB, 0, 0), QString());
    }

    void theStoredLanguageIsUsedOnlyWhenTheFilesProvideIt()
    {
        QCOMPARE(usableLanguageIndex(0), 0);
        QCOMPARE(usableLanguageIndex(1), 0);

        languageTable(languageTextTable, LanguageSection::DialogMain) = {{"Show", "Exit"}};
        QCOMPARE(loadedLanguageCount(), 1);
        QCOMPARE(usableLanguageIndex(1), 0);

        languageTable(languageTextTable, LanguageSection::QuestionB) = {{"a"}, {"б"}};
        QCOMPARE(loadedLanguageCount(), 2);
        QCOMPARE(usableLanguageIndex(1), 1);
        QCOMPARE(usableLanguageIndex(2), 0);
        QCOMPARE(usableLanguageIndex(-3), 0);
    }

    void theProductFileDoesNotCountAsALanguage()
    {
        languageTable(languageTextTable, LanguageSection::DialogMain) = {{"Show", "Exit"}};
        languageTable(languageTextTable, LanguageSection::English) = {{"a"}, {"b"}, {"c"}};
        QCOMPARE(loadedLanguageCount(), 1);
    }
};

TALVO_TEST_GUILESS_MAIN(tst_LanguageTables)
#include "tst_languagetables.moc"
