#pragma once

#include <QString>
#include <QVector>

#include <array>

// The texts of one window kind: one row per language file (row 0 English,
// row 1 Russian), and inside a row the texts in the order of the section's
// element names. A text the file lacks is a null string.
using LanguageTable = QVector<QVector<QString>>;

// The sections of the language files, one per window kind, in the order in
// which the loader tests their names.
enum class LanguageSection {
    DialogChange,
    Light,
    Macro,
    Sensor,
    Buttoninterface,
    Progress,
    UpDataParam,
    QuestionB,
    Question,
    MouseOffLine,
    Match,
    AutoRepair,
    SameMacro,
    RePair,
    MakeMacro,
    ButtonOnly,
    Limit,
    MaxThree,
    GroupKey,
    FireKey,
    DeleteConfirm,
    EXEIsRun,
    ContainReset,
    AddKey,
    AddDelayTime,
    DialogMain,
    FormSetting,
    InportFail,
    NewVer,
    LessThree,
    ScreenInfo,
    English,
};
constexpr int languageSectionCount = int(LanguageSection::English) + 1;

using LanguageTables = std::array<LanguageTable, languageSectionCount>;

// Filled once while the top-level window is built, read by every window.
extern LanguageTables languageTextTable;

// The row every window reads: 0 English, 1 Russian.
extern int currentLanguageIndex;

inline LanguageTable &languageTable(LanguageTables &tables, LanguageSection section)
{
    return tables[std::size_t(section)];
}

// The one way windows read a text: a text the language's row lacks (no
// row, a short one, a null text) is taken from row 0, and one row 0 lacks
// too is empty, so a missing or damaged language file never takes a window
// down nor shows another language than it must.
QString languageText(LanguageSection section, int language, int position);

// How many languages the loaded files provide: the most rows any window's
// table holds (the product's name and addresses do not count).
int loadedLanguageCount();

// The stored language choice when the loaded files provide it, otherwise 0.
int usableLanguageIndex(int storedIndex);

// The user chose a language on a page: it is written down, becomes current
// and every window takes its texts (the hub's SigAllLanguage).
void chooseLanguage(int index);
