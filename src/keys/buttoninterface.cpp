#include "buttoninterface.h"

#include "languagetables.h"
#include "pagestate.h"
#include "postmsg.h"
#include "ui_buttoninterface.h"
#include "worker.h"

#include <HIDUsb.h>

namespace {

constexpr int DebounceEntries = 21;
constexpr int DefaultDebounce = 4;
// The sleep time the page announces when no record exists, in seconds.
constexpr int DefaultSleepSeconds = 60;

} // namespace

Buttoninterface::Buttoninterface(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::Buttoninterface)
{
    ui->setupUi(this);
    PostMsg *hub = PostMsg::instance();
    connect(hub, SIGNAL(SigMouseIndex(int)), this, SLOT(SlotMouseIndex(int)));

    const auto blocking = Qt::BlockingQueuedConnection;
    connect(hub, SIGNAL(SigUpDataLightUIButton(FlashDataMap)), this, SLOT(SlotUpDataButtonUIButton(FlashDataMap)),
            blocking);
    connect(hub, SIGNAL(SigUpDataConfigUI(int,int,bool)), this, SLOT(SlotUpDataConfigUI(int,int,bool)), blocking);
    connect(hub, SIGNAL(SigUpDataButtonUIC(FlashDataMap)), this, SLOT(SlotUpDataButtonUIB(FlashDataMap)));
    connect(hub, SIGNAL(SigAddMacroButton()), this, SLOT(SlotAddMacroButton()));
    connect(hub, SIGNAL(SigDeleteMacroButton(QString)), this, SLOT(SlotDeleteMacroButton(QString)));
    connect(hub, SIGNAL(SigUpDataMacro(QString,int)), this, SLOT(SlotUpDataMacro(QString,int)));
    connect(hub, SIGNAL(SigMacroRename(QString,QString)), this, SLOT(SlotMacroRename(QString,QString)));
    connect(hub, SIGNAL(SigFormReset()), this, SLOT(SlotFormResetButton()), blocking);

    // The worker has no parent: it is started only once a device is chosen.
    g_workerThread = new Worker(this);
    // The page takes its texts from the first language switch the top-level
    // window announces.
    connect(hub, SIGNAL(SigAllLanguage(int)), this, SLOT(SlotAllLanguage(int)));
}

// The worker may be waiting for a page to take a record: it is told to stop
// and waited for while events are still handled, and nothing reaches this
// page meanwhile. The hot-plug watch stops first, so that none of those
// events asks the dying worker for a run.
Buttoninterface::~Buttoninterface()
{
    StopUsbChanged();
    Worker::clearRunRequest();
    PostMsg::instance()->disconnect(this);
    delete g_workerThread;
    delete ui;
}

void Buttoninterface::SlotUpDataButtonUIButton(FlashDataMap DataMap)
{
    g_buttonUiApplied = false;
    fillFrom(DataMap);
    g_buttonUiApplied = true;
}

void Buttoninterface::SlotUpDataButtonUIB(FlashDataMap DataMap)
{
    fillFrom(DataMap);
}

// While the page fills its controls from a record, what they report is
// only sent again, never reported as offline.
void Buttoninterface::fillFrom(const FlashDataMap &record)
{
    g_buttonUiFilling = true;
    emit PostMsg::instance()->SigLightToFrom(record.SleepTime * 10);
    ui->DebunceButton->setDebounceIndex(record.DebounceTime);
    g_buttonUiFilling = false;
}

void Buttoninterface::SlotFormResetButton()
{
    g_buttonUiFilling = true;
    emit PostMsg::instance()->SigMouseIndex(0);
    ui->DebunceButton->setDebounceIndex(DefaultDebounce);
    emit PostMsg::instance()->SigLightToFrom(DefaultSleepSeconds);
    g_buttonUiFilling = false;
}

void Buttoninterface::SlotUpDataConfigUI(int, int, bool)
{
}

void Buttoninterface::SlotMouseIndex(int)
{
}

void Buttoninterface::SlotAddMacroButton()
{
}

void Buttoninterface::SlotDeleteMacroButton(QString)
{
}

void Buttoninterface::SlotUpDataMacro(QString, int)
{
}

void Buttoninterface::SlotMacroRename(QString, QString)
{
}

void Buttoninterface::SlotAllLanguage(int index)
{
    const auto text = [index](int position) { return languageText(LanguageSection::Buttoninterface, index, position); };
    ui->label_2->setText(text(0));
    ui->debounceCaption->setText(text(49));
    for (int entry = 0; entry < DebounceEntries; ++entry)
        ui->DebunceButton->setNumberedItemText(entry, text(57));
}
