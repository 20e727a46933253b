#include "languagetables.h"

#include "macroinistore.h"
#include "postmsg.h"

#include <algorithm>

LanguageTables languageTextTable;
int currentLanguageIndex = 0;

QString languageText(LanguageSection section, int language, int position)
{
    const LanguageTable &table = languageTable(languageTextTable, section);
    const QString text = table.value(language).value(position);
    return text.isNull() ? table.value(0).value(position) : text;
}

int loadedLanguageCount()
{
    int count = 0;
    for (int section = 0; section < languageSectionCount; ++section) {
        if (section != int(LanguageSection::English))
            count = std::max(count, int(languageTextTable[std::size_t(section)].size()));
    }
    return count;
}

int usableLanguageIndex(int storedIndex)
{
    return storedIndex >= 0 && storedIndex < loadedLanguageCount() ? storedIndex : 0;
}

void chooseLanguage(int index)
{
    MacroIniStore::instance()->setValue(QStringLiteral("Language"), QStringLiteral("Language"),
                                        QString::number(index));
    currentLanguageIndex = index;
    emit PostMsg::instance()->SigAllLanguage(index);
}
