#include "macro.h"

#include "languagetables.h"
#include "postmsg.h"
#include "ui_macro.h"

Macro::Macro(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::Macro)
{
    ui->setupUi(this);
    PostMsg *hub = PostMsg::instance();
    connect(hub, SIGNAL(SigButtonToMacro(FlashDataMap,int)), this, SLOT(SlotButtonToMacro(FlashDataMap,int)));
    connect(hub, SIGNAL(SigMacroDownLoadData(QString,int)), this, SLOT(SlotMacroDownLoadData(QString,int)));
    connect(hub, SIGNAL(SigSetMacroPage()), this, SLOT(SlotSetMacroPage()));
    connect(hub, SIGNAL(SigAllLanguage(int)), this, SLOT(SlotAllLanguage(int)));
    SlotAllLanguage(currentLanguageIndex);
}

Macro::~Macro()
{
    delete ui;
}

void Macro::SlotButtonToMacro(FlashDataMap, int)
{
}

void Macro::SlotMacroDownLoadData(QString, int)
{
}

void Macro::SlotSetMacroPage()
{
    emit PostMsg::instance()->SigStartRecord(1);
}

void Macro::SlotAllLanguage(int index)
{
    ui->label->setText(languageText(LanguageSection::Macro, index, 0));
}
