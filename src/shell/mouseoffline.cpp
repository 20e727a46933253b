#include "mouseoffline.h"

#include "languagetables.h"
#include "postmsg.h"
#include "ui_mouseoffline.h"

int g_offlineMessageIndex = 0;

MouseOffLine::MouseOffLine(QWidget *parent)
    : NoticeDialog(parent)
    , ui(new Ui::MouseOffLine)
{
    ui->setupUi(this);
    connect(PostMsg::instance(), SIGNAL(SigCloseOffOnline()), this, SLOT(on_CloseButton_clicked()));
    applySkin(ui->MouseOffLineA, ui->label, ui->CloseButton, {ui->NewHong});
    followLanguage();
}

MouseOffLine::~MouseOffLine()
{
    delete ui;
}

void MouseOffLine::SlotAllLanguage(int index)
{
    // Other reasons keep the form's message; the caption always follows the
    // language, so the time-out message never sits above the form's caption.
    if (g_offlineMessageIndex == 0 || g_offlineMessageIndex == 1)
        ui->label->setText(languageText(LanguageSection::MouseOffLine, index, g_offlineMessageIndex));
    ui->NewHong->setText(languageText(LanguageSection::MouseOffLine, index, 2));
}
