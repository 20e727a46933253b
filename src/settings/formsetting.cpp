#include "formsetting.h"

#include "languagetables.h"
#include "pagestate.h"
#include "postmsg.h"
#include "ui_formsetting.h"

namespace {

// What SigSetver asks of the page.
enum VersionRequest { MouseReported = 0, UpdateStarts = 4, DeviceOpening = 6 };

} // namespace

FormSetting::FormSetting(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::FormSetting)
{
    ui->setupUi(this);
    PostMsg *hub = PostMsg::instance();
    const auto blocking = Qt::BlockingQueuedConnection;
    connect(hub, SIGNAL(SigSetver(int)), this, SLOT(SetVer(int)));
    connect(hub, SIGNAL(SigLabelTextB(QString,QString)), this, SLOT(SlotLabelTextB(QString,QString)));
    connect(hub, SIGNAL(SigLanguageSameB(int)), this, SLOT(SlotLanguageSameB(int)));
    connect(hub, SIGNAL(SigAllLanguage(int)), this, SLOT(SlotAllLanguage(int)));
    connect(hub, SIGNAL(SigCheckUpdate()), this, SLOT(SlotCheckUpdate()));
    connect(hub, SIGNAL(SigFormB()), this, SLOT(SlotFormB()));
    connect(hub, SIGNAL(SigForm()), this, SLOT(SlotForm()), blocking);
    connect(hub, SIGNAL(SigFormReset()), this, SLOT(SlotFormResetForm()), blocking);
    connect(hub, SIGNAL(SigRGBValue(DongleRGB*)), this, SLOT(SlotRGBValue(DongleRGB*)), blocking);
    connect(hub, SIGNAL(SigLongRangeMode(bool)), this, SLOT(SlotLongRangeMode(bool)), blocking);
    SlotAllLanguage(currentLanguageIndex);
}

FormSetting::~FormSetting()
{
    delete ui;
}

void FormSetting::SetVer(int index)
{
    if (index == DeviceOpening) {
        ui->version->clear();
        ui->mouseVersion->clear();
    } else if (index == MouseReported) {
        const DeviceAllInfo device = CurrentDevice.get();
        ui->version->setText(device.version);
        ui->mouseVersion->setText(device.mouseVersion);
    }
}

void FormSetting::SlotLabelTextB(QString TextA, QString)
{
    ui->version->setText(TextA);
}

void FormSetting::SlotLanguageSameB(int)
{
}

void FormSetting::SlotAllLanguage(int index)
{
    const auto text = [index](int position) { return languageText(LanguageSection::FormSetting, index, position); };
    ui->label_3->setText(text(2));
    ui->label_4->setText(text(3));
    ui->label_6->setText(text(4));
    g_updateWarningText = text(14);
}

void FormSetting::SlotCheckUpdate()
{
}

void FormSetting::SlotFormB()
{
}

void FormSetting::SlotForm()
{
}

void FormSetting::SlotFormResetForm()
{
}

void FormSetting::SlotRGBValue(DongleRGB *)
{
}

void FormSetting::SlotLongRangeMode(bool)
{
}
