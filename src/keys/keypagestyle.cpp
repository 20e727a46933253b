#include "keypagestyle.h"

#include "appinfo.h"
#include "configinistore.h"

namespace {

// A tool button drawn from a picture per state; `states` pairs a state
// ("checked", "hover", "pressed") with its picture.
QString buttonRules(const QString &selector, const QString &dir, const char *normal,
                    std::initializer_list<std::pair<const char *, const char *>> states)
{
    QString rules = QStringLiteral("%1{color: rgb(%2);border-image: url(%3%4);}")
                        .arg(selector, optionColour("ButtonColor"), dir, QLatin1String(normal));
    for (const auto &state : states) {
        QString stateSelector = selector;
        stateSelector.replace(QLatin1Char(','), QStringLiteral(":%1,").arg(QLatin1String(state.first)));
        rules += QStringLiteral("%1:%2{border-image: url(%3%4);}")
                     .arg(stateSelector, QLatin1String(state.first), dir, QLatin1String(state.second));
    }
    return rules;
}

} // namespace

QString keyPagePictureDir()
{
    return programFolderPath() + QStringLiteral("/Picture/Buttoninterface/");
}

QString keyPageStyleSheet()
{
    const QString dir = keyPagePictureDir();
    const QString label = optionColour("LabelColor");
    QString sheet = QStringLiteral(
        "QScrollArea{background-color: transparent;}"
        "QScrollBar:vertical{border: 0px solid grey;background: rgb(28,28,28);color: rgb(28,28,28);width: 10px;"
        "margin: 2px 0 2px 0;}"
        "QScrollBar::handle:vertical,QScrollBar::handle:vertical:pressed{border: 0px solid rgb(28,28,28);"
        "background: rgb(255,255,255);border-radius: 3px;min-height: 30px;margin: 0px 2px 0px 2px;}"
        "QScrollBar::add-line:vertical{border: 0px solid grey;height: 25px;background: rgb(28,28,28);"
        "subcontrol-position: bottom;subcontrol-origin: margin;}"
        "QScrollBar::sub-line:vertical{border: 0px solid grey;height: 25px;background: rgb(28,28,28);"
        "subcontrol-position: top;subcontrol-origin: margin;}"
        "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical,"
        "QScrollBar::up-arrow:vertical,QScrollBar::down-arrow:vertical{background: transparent;border: none;}");
    sheet +=
        QStringLiteral("#MainWindow{border: 0;}"
                       "#groupBox{border: 0px;border-image: url(%1TiltleBack.png);}"
                       "#groupBox_4{border: 0;}"
                       "#scrollArea_3,#scrollArea_4,#scrollArea_6,#scrollArea_7,#scrollArea_8,#scrollArea_9,"
                       "#scrollArea_10,#scrollArea_11,#scrollArea_12{border: 0;}"
                       // The lists show the page's ground, the function pages' lists too.
                       "#scrollAreaWidgetContents_3,#scrollAreaWidgetContents_4,#scrollAreaWidgetContents_6,"
                       "#scrollAreaWidgetContents_7,#scrollAreaWidgetContents_8,#scrollAreaWidgetContents_9,"
                       "#scrollAreaWidgetContents_10,#scrollAreaWidgetContents_11,#scrollAreaWidgetContents_12"
                       "{background: transparent;}"
                       "#label{border: 0px;background-image: url(%1Config.png);background-position: center;"
                       "background-repeat: no-repeat;}"
                       "#scrollAreaWidgetContents_11 QLabel{color: rgb(%2);border-image: url(%1LabelNumber.png);}")
            .arg(dir, label);
    sheet += buttonRules(QStringLiteral("#scrollAreaWidgetContents_11 QToolButton"), dir, "AMenuTitle.png",
                         {{"checked", "AMenuTitleChecked.png"}});
    sheet += buttonRules(QStringLiteral("#scrollAreaWidgetContents_4 QToolButton"), dir, "BMenuTitle.png",
                         {{"checked", "BMenuTitleChecked.png"}});
    sheet += buttonRules(QStringLiteral("#stackedWidget_2 QToolButton"), dir, "BMenuTitleB.png",
                         {{"checked", "BMenuTitleCheckedB.png"}});
    // The macro list comes after the function pages it sits in, so its own
    // pictures win.
    sheet += buttonRules(QStringLiteral("#scrollAreaWidgetContents_7 QToolButton"), dir, "CMenuTitle.png",
                         {{"checked", "CMenuTitleChecked.png"}});
    sheet += buttonRules(QStringLiteral("#Reset,#ImportData,#OutputData"), dir, "Reset.png",
                         {{"hover", "ResetHover.png"}, {"pressed", "ResetClick.png"}});
    sheet += buttonRules(QStringLiteral("#Number1,#Number2,#Number3,#Number4,#Number5,#Number6"),
                         dir, "NumberOrigin.png", {{"hover", "NumberHover.png"}, {"pressed", "NumberClick.png"}});
    sheet += QStringLiteral("#ProjectChoose{color: rgb(%2);border-image: url(%1ComboboxBack.png);}"
                            "#ProjectChoose::drop-down{border: 0px;}"
                            "#ProjectChoose::down-arrow{image: url(%1Menu.png);right: 6px;}"
                            "#ProjectChoose::down-arrow:on{image: url(%1MenuClicked.png);}"
                            "#ProjectChoose QAbstractItemView{outline: 0px;border: 0px;color: rgb(%2);"
                            "background-color: rgb(%3);border-image: url(%1ComboboxTextBack.png);"
                            "selection-background-color: rgb(%4);}")
                 .arg(dir, optionColour("ComboxTextColor"), optionColour("ComboxBackGroundColor"),
                      optionColour("ComboxSelectColor"));
    return sheet;
}

QString mousePictureStyleSheet()
{
    return QStringLiteral("#widget{border:0px;background-position:center;background-repeat:no-repeat;"
                          "background-image: url(%1mouse0.png);}")
        .arg(keyPagePictureDir());
}
