#include "dialogmain.h"

#include "appinfo.h"
#include "languagefilereader.h"
#include "languagetables.h"
#include "macroinistore.h"

#include <QLabel>
#include <QVBoxLayout>

DialogMain::DialogMain(QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(appName);
    setFixedSize(1020, 700);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(appName, this), 0, Qt::AlignCenter);

    loadLanguageFiles();
    // A hand-edited choice or a missing language file must not leave every
    // window reading a language the tables do not hold.
    const int storedIndex =
        MacroIniStore::instance()->value(QStringLiteral("Language"), QStringLiteral("Language")).toInt();
    currentLanguageIndex = usableLanguageIndex(storedIndex);
}

void DialogMain::loadLanguageFiles()
{
    LanguageFileReader::loadLanguageFolder(programFolderPath() + QStringLiteral("/Language"),
                                           languageTextTable);
}
