#include "languagefilereader.h"

#include <QFile>

namespace {

struct SectionSchema
{
    QString name;
    QStringList elements;
};

QStringList numbered(const QString &stem, int first, int last)
{
    QStringList names;
    for (int i = first; i <= last; ++i)
        names << stem + QString::number(i);
    return names;
}

// In the order of LanguageSection.
const std::array<SectionSchema, languageSectionCount> &schemas()
{
    static const std::array<SectionSchema, languageSectionCount> all = {{
        {"DialogChange",
         {"label_2", "label_3", "OfflineTips1", "OfflineTips2", "RepairDevice", "label", "NewHong",
          "NoApear", "MouseIsNewTips"}},
        {"Light",
         QStringList{"label", "LightMod"} + numbered("LightMod", 1, 6)
             + QStringList{"label_2", "label_3", "label_4", "label_5", "StopCloseTime"}
             + numbered("StopCloseTime", 1, 10)
             + QStringList{"label_6", "label_8", "label_13", "label_11", "label_10", "label_12"}},
        {"Macro",
         QStringList{"label", "label_2", "NewHong", "DeleteHong", "Amend", "DeleteKey",
                     "StartRecord", "StopRecord", "AutoInsertDelay", "DefaultDelay",
                     "ReUntilLoose", "ReUntilClick", "ReUntil", "ReNumber", "label_3"}
             + numbered("ChooseEvent", 1, 8) + QStringList{"Save", "MacroReal"}
             + numbered("Key", 1, 5) + QStringList{"RenameFail", "DeleteFail", "NameRefused", "SaveFail"}},
        {"Sensor",
         QStringList{"label_2", "label_3", "label_5", "label_11", "label_12", "Performance",
                     "label", "label_6", "label_7", "PerformanceOpen"}
             + numbered("PerformanceOpen", 1, 5)
             + QStringList{"label_4", "Model", "Model1", "Model2", "label_14", "label_15",
                           "ModeSelectDes", "LODDes", "FullPerformanceDes", "MotionSyncDes",
                           "FixLineDes", "RippleDes"}},
        {"Buttoninterface",
         {"label_2",      "Reset",        "ImportData",   "OutputData",   "FireKey",
          "RightKey",     "BackKey",      "StartPause",   "TopMusic",     "BackMusic",
          "LeftKey_3",    "RightKey_3",   "MidKey",       "BackKey_2",    "ForWardKey",
          "DPI_2",        "DPI_3",        "DPI_6",        "DPI_8",        "DPI_5",
          "DPI_13",       "DPI_11",       "DPI_10",       "DPI_9",        "DPI_7",
          "DPI_12",       "DPI_4",        "Player",       "StartPause_2", "BackMusic_2",
          "TopMusic_2",   "Mute",         "VolumeUp",     "VolumeDown",   "VolumeDown_4",
          "VolumeDown_5", "VolumeDown_6", "VolumeDown_3", "VolumeDown_8", "VolumeDown_9",
          "VolumeDown_7", "VolumeDown_10", "VolumeDown_12", "VolumeDown_13", "VolumeDown_11",
          "VolumeUp_4",   "VolumeUp_5",   "VolumeUp_6",   "VolumeUp_7",   "checkBox",
          "VolumeUp_2",   "VolumeDown_2", "VolumeUp_8",   "VolumeUp_14",  "VolumeDown_14",
          "Macro_",       "Config",       "S1"}},
        {"Progress", {"UpdateNotMove", "UpDateSuccess", "UpDateFail", "Confirm"}},
        {"UpDataParam", {"label", "label_1"}},
        {"QuestionB", {"label"}},
        {"Question", {"label", "label_2", "NewHong", "NewHong_2"}},
        {"MouseOffLine", {"label", "Timeout", "NewHong"}},
        {"Match",
         {"label", "textEdit", "MatchButton", "Matching", "MatchFail", "MatchSuccess"}},
        {"AutoRepair",
         {"ToolText", "Cancel", "Confirm", "UpdateNotMove", "NoDevice", "SameDevice",
          "UpdateFail", "UpdateSuccess", "NewHong_2", "NoRecieve", "NoUSB", "Error",
          "FileError", "Error2", "MultiMouse", "MultiDongle", "ReadyUpdate", "MouseWaits"}},
        {"SameMacro", {"label", "NewHong"}},
        {"RePair", {"label", "OK", "Cancel"}},
        {"MakeMacro", {"label", "NewHong"}},
        {"ButtonOnly", {"label"}},
        {"Limit", {"label", "NewHong"}},
        {"MaxThree", {"label", "NewHong"}},
        {"groupKey", {"label", "NewHong", "NewHong_2"}},
        {"FireKey", {"label", "label_2", "label_3", "NewHong", "NewHong_2"}},
        {"DeleteConfirm", {"label", "NewHong"}},
        {"EXEIsRun", {"label", "label_2", "NewHong", "PleaseStop"}},
        {"ContainReset", {"label", "OK", "Cancel"}},
        {"AddKey", {"label", "NewHong", "NewHong_2"}},
        {"AddDelayTime", {"label", "NewHong", "NewHong_2"}},
        {"DialogMain", {"MainForm", "Exit"}},
        {"FormSetting",
         QStringList{"label", "label_2", "label_3", "label_4", "label_6", "label_8",
                     "pushButton_2", "Receive", "Mouse", "label_9", "label_10", "pushButton",
                     "label_11", "textEdit", "WiredMode", "NoDevice", "NewLabel", "SameDevice",
                     "VerNew", "label_14", "textEdit_2", "textEdit_3", "textEdit_4", "NoRecieve",
                     "NoUSB", "Error", "MultiMouse", "MultiDongle", "StopCloseTime"}
             + numbered("StopCloseTime", 1, 10)
             + QStringList{"label_12", "label_13", "RecieveInfo", "ScreenInfo", "LihghtMode",
                           "NoMouseSettings"}},
        {"InportFail", {"label", "label_1", "NewHong"}},
        {"NewVer", {"label", "NewHong", "NoApear"}},
        {"LessThree", {"label", "NewHong"}},
        {"ScreenInfo",
         QStringList{"label", "label_2", "label_3", "Input", "Output", "Light", "LightMod"}
             + numbered("LightMod", 1, 6)
             + QStringList{"Bri", "Speed", "ColorPre", "LightColor", "SetColor", "R", "G", "B"}},
        {"English", {"CompanyName", "CompanyNameCn", "CompanyWebcn", "CompanyWeben"}},
    }};
    return all;
}

const SectionSchema &schema(LanguageSection section)
{
    return schemas()[std::size_t(section)];
}

} // namespace

LanguageFileReader::LanguageFileReader(LanguageTables &tables)
    : m_tables(tables)
{
}

void LanguageFileReader::loadLanguageFolder(const QString &folder, LanguageTables &tables)
{
    LanguageFileReader reader(tables);
    reader.readFile(folder + QStringLiteral("/0-English.xml"), QStringLiteral("Total"), 0);
    reader.readFile(folder + QStringLiteral("/4-Russia.xml"), QStringLiteral("Total"), 1);
    reader.readFile(folder + QStringLiteral("/Net.xml"), QStringLiteral("Profile"), 2);
}

bool LanguageFileReader::readFile(const QString &path, const QString &rootName, int row)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return false;
    read(&file, rootName, row);
    return true;
}

void LanguageFileReader::read(QIODevice *device, const QString &rootName, int row)
{
    m_row = row;
    m_xml.setDevice(device);
    m_xml.readNext();
    while (!m_xml.atEnd()) {
        if (!m_xml.isStartElement()) {
            m_xml.readNext();
        } else if (m_xml.name() == rootName) {
            readSections();
        } else {
            m_xml.raiseError(QStringLiteral("Not a labels file"));
        }
    }
    m_xml.setDevice(nullptr);
}

void LanguageFileReader::readSections()
{
    readChildren([this] {
        for (int i = 0; i < languageSectionCount; ++i) {
            const auto section = LanguageSection(i);
            if (m_xml.name() == schema(section).name) {
                readSection(section);
                return;
            }
        }
        skipElement();
    });
}

void LanguageFileReader::readSection(LanguageSection section)
{
    const QStringList &names = schema(section).elements;
    readChildren([&] {
        const int position = names.indexOf(m_xml.name().toString());
        if (position < 0) {
            skipElement();
            return;
        }
        const QString text = m_xml.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement);
        if (!m_xml.hasError())
            storeText(section, position, text);
        if (m_xml.isEndElement())
            m_xml.readNext();
    });
}

void LanguageFileReader::storeText(LanguageSection section, int position, const QString &text)
{
    LanguageTable &table = languageTable(m_tables, section);
    if (table.size() <= m_row)
        table.resize(m_row + 1);
    QVector<QString> &row = table[m_row];
    row.resize(schema(section).elements.size());
    // Null marks a text the file lacks; an empty element is a text too.
    row[position] = text.isNull() ? QString(QLatin1String("")) : text;
}

void LanguageFileReader::readChildren(const std::function<void()> &readChild)
{
    m_xml.readNext();
    while (!m_xml.atEnd()) {
        if (m_xml.isEndElement()) {
            m_xml.readNext();
            return;
        }
        if (m_xml.isStartElement())
            readChild();
        else
            m_xml.readNext();
    }
}

void LanguageFileReader::skipElement()
{
    // Counted rather than recursive, so a deeply nested file cannot exhaust
    // the stack.
    int depth = 1;
    m_xml.readNext();
    while (!m_xml.atEnd()) {
        if (m_xml.isEndElement()) {
            m_xml.readNext();
            if (--depth == 0)
                return;
        } else {
            if (m_xml.isStartElement())
                ++depth;
            m_xml.readNext();
        }
    }
}

QString LanguageFileReader::sectionName(LanguageSection section)
{
    return schema(section).name;
}

const QStringList &LanguageFileReader::sectionElements(LanguageSection section)
{
    return schema(section).elements;
}
