#include "exeisrun.h"

#include "appinfo.h"
#include "macroinistore.h"
#include "postmsg.h"
#include "ui_exeisrun.h"

#include <QFile>

ExeIsRun::ExeIsRun(QWidget *parent)
    : SkinnedDialog(parent)
    , ui(new Ui::ExeIsRun)
{
    ui->setupUi(this);
    applySkin(ui->DeleteConfirmA, ui->label, ui->CloseButton, {ui->NewHong});
    connect(PostMsg::instance(), SIGNAL(SigChangeLanguage(int)), this,
            SLOT(SlotChangeLanguage(int)));
    SlotChangeLanguage(
        MacroIniStore::instance()->value(QStringLiteral("Language"), QStringLiteral("Language")).toInt());
}

ExeIsRun::~ExeIsRun()
{
    delete ui;
}

QString ExeIsRun::languageFilePath(int index)
{
    return programFolderPath()
           + (index == 1 ? QStringLiteral("/Language/4-Russia.xml")
                         : QStringLiteral("/Language/0-English.xml"));
}

void ExeIsRun::showLabel2Text()
{
    ui->label->setText(label2Text);
}

void ExeIsRun::showPleaseStopText()
{
    ui->label->setText(pleaseStopText);
}

void ExeIsRun::SlotChangeLanguage(int index)
{
    QFile file(languageFilePath(index));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    languageReader.setDevice(&file);
    while (!languageReader.atEnd()) {
        languageReader.readNext();
        if (!languageReader.isStartElement())
            continue;
        if (languageReader.name() == QLatin1String("Total"))
            readRoot();
        else
            languageReader.raiseError(QStringLiteral("Not a labels file"));
    }
    languageReader.setDevice(nullptr);
}

void ExeIsRun::readRoot()
{
    while (languageReader.readNextStartElement()) {
        if (languageReader.name() == QLatin1String("EXEIsRun"))
            readTexts();
        else
            languageReader.skipCurrentElement();
    }
}

void ExeIsRun::readTexts()
{
    while (languageReader.readNextStartElement()) {
        const QString name = languageReader.name().toString();
        if (name == QLatin1String("label"))
            ui->label->setText(languageReader.readElementText());
        else if (name == QLatin1String("NewHong"))
            ui->NewHong->setText(languageReader.readElementText());
        else if (name == QLatin1String("label_2"))
            label2Text = languageReader.readElementText();
        else if (name == QLatin1String("PleaseStop"))
            pleaseStopText = languageReader.readElementText();
        else
            languageReader.skipCurrentElement();
    }
}

void ExeIsRun::on_CloseButton_clicked()
{
    close();
}

void ExeIsRun::on_NewHong_clicked()
{
    close();
}
