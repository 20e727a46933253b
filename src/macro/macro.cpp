#include "macro.h"

#include "adddelaytime.h"
#include "addkey.h"
#include "configurationsenders.h"
#include "deferredskin.h"
#include "deleteconfirm.h"
#include "dialogplacement.h"
#include "exeisrun.h"
#include "exportfiledialog.h"
#include "keynames.h"
#include "keynumberlimit.h"
#include "languagetables.h"
#include "macroblockbuilder.h"
#include "macroexport.h"
#include "macrofile.h"
#include "macropagestyle.h"
#include "macrorecorder.h"
#include "macrosteplist.h"
#include "myconmbobox.h"
#include "pagestate.h"
#include "panelstyle.h"
#include "postmsg.h"
#include "questiondialog.h"
#include "regularfile.h"
#include "samemacro.h"
#include "ui_macro.h"
#include "updatewarning.h"

#include <QButtonGroup>
#include <QDir>
#include <QFileDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QSaveFile>
#include <QSignalBlocker>

namespace {

// Positions of the page's texts in its language table.
enum PageText {
    FirstChoice = 15, SaveText = 23, PrefixText = 24, MenuTexts = 25,
    RenameFailed = 30, DeleteFailed = 31, NameRefused = 32, SaveFailed = 33
};
constexpr int MenuTextCount = 5;
constexpr int ChoiceCount = 8;
constexpr int LargestDelay = 65535;

// Notices and questions sit left of and above the page's centre; the key
// and delay dialogs a little less far.
void placeNotice(QWidget *dialog, const QWidget *page)
{
    placeDialog(dialog, page, -100, -50);
}

void placeInput(QWidget *dialog, const QWidget *page)
{
    placeDialog(dialog, page, -50, -70);
}

// The message dialog's two requests: to stop the recording first, or to
// choose a macro first.
void askFirst(const QWidget *page, bool stopRecording)
{
    ExeIsRun notice;
    if (stopRecording)
        notice.showPleaseStopText();
    else
        notice.showLabel2Text();
    placeNotice(&notice, page);
    notice.exec();
}

template<typename Notice>
void showNotice(const QWidget *page)
{
    Notice notice;
    placeNotice(&notice, page);
    notice.exec();
}

} // namespace

Macro::Macro(QWidget *parent, const ElapsedClock &clock)
    : QWidget(parent)
    , ui(new Ui::Macro)
    // The page shows only once a device is opened: its pictures wait until then.
    , skin(new DeferredSkin(this))
{
    ui->setupUi(this);
    steps = std::make_unique<MacroStepList>(ui->listWidgetKey);
    recorder = new MacroRecorder(
        clock,
        [this]() -> std::optional<std::uint32_t> {
            return ui->AutoInsertDelay->isChecked() ? std::nullopt
                                                    : std::optional<std::uint32_t>(ui->DelayTime->value());
        },
        this);
    connect(recorder, &MacroRecorder::recorded, this, &Macro::addRecorded);
    connect(recorder, &MacroRecorder::limitReached, this, [this] { showNotice<KeyNumberLimit>(this); });
    connectHub();
    loadMacroList();
    delayModeGroup = new QButtonGroup(this);
    repeatModeGroup = new QButtonGroup(this);
    for (QAbstractButton *box : {ui->AutoInsertDelay, ui->DefaultDelay})
        delayModeGroup->addButton(box);
    for (QAbstractButton *box : {ui->ReUntilLoose, ui->ReUntilClick, ui->ReNumber, ui->ReUntil})
        repeatModeGroup->addButton(box);
    connect(repeatModeGroup, QOverload<QAbstractButton *, bool>::of(&QButtonGroup::buttonToggled), this,
            &Macro::repeatEdited);
    ui->StopRecord->hide();
    applyStyles();
    setSaveActive(false);
    connect(PostMsg::instance(), SIGNAL(SigAllLanguage(int)), this, SLOT(SlotAllLanguage(int)));
    SlotAllLanguage(currentLanguageIndex);
}

Macro::~Macro()
{
    delete ui;
}

void Macro::connectHub()
{
    PostMsg *hub = PostMsg::instance();
    connect(hub, SIGNAL(SigButtonToMacro(FlashDataMap,int)), this, SLOT(SlotButtonToMacro(FlashDataMap,int)));
    connect(hub, SIGNAL(SigMacroDownLoadData(QString,int)), this, SLOT(SlotMacroDownLoadData(QString,int)));
    connect(hub, SIGNAL(SigSetMacroPage()), this, SLOT(SlotSetMacroPage()));
}

void Macro::applyStyles()
{
    // The frame's sheet reaches every control of the page: it waits too.
    skin->setStyleSheet(ui->MacroPage, MacroPageStyle::page());
    skin->setStyleSheet(ui->listWidgetHong, MacroPageStyle::list());
    skin->setStyleSheet(ui->listWidgetKey, MacroPageStyle::list());
    skin->setStyleSheet(ui->ChooseEvent, PanelStyle::comboBox(MacroPageStyle::pictureFolder()));
    ui->ChooseEvent->useSelectionColouredView();
    for (QLabel *label : {ui->label, ui->label_2, ui->label_3, ui->AutoInsertDelayLabel, ui->ReUntilLabel,
                          ui->ReUntilClickLabel, ui->ReUntilLooseLabel})
        skin->setStyleSheet(label, PanelStyle::titleLabel());
    for (QCheckBox *box : {ui->AutoInsertDelay, ui->DefaultDelay, ui->ReUntilLoose, ui->ReUntilClick, ui->ReUntil,
                           ui->ReNumber})
        skin->setStyleSheet(box, MacroPageStyle::checkBox());
    for (QToolButton *button : {ui->NewHong, ui->DeleteHong, ui->Amend, ui->DeleteKey})
        skin->setStyleSheet(button, MacroPageStyle::activeButton());
    skin->setStyleSheet(ui->StartRecord, MacroPageStyle::recordButton(false));
    skin->setStyleSheet(ui->StopRecord, MacroPageStyle::recordButton(true));
    skin->setStyleSheet(ui->DelayTime, MacroPageStyle::numberField());
    skin->setStyleSheet(ui->NumberEdit, MacroPageStyle::numberField());
}

void Macro::loadMacroList()
{
    ui->listWidgetHong->addItems(macroNames());
}

void Macro::SlotAllLanguage(int index)
{
    const auto text = [index](int position) { return languageText(LanguageSection::Macro, index, position); };
    const QList<QWidget *> captions = {ui->label, ui->label_2, ui->NewHong, ui->DeleteHong, ui->Amend,
                                       ui->DeleteKey, ui->StartRecord, ui->StopRecord, ui->AutoInsertDelayLabel,
                                       ui->DefaultDelay, ui->ReUntilLooseLabel, ui->ReUntilClickLabel,
                                       ui->ReUntilLabel, ui->ReNumber, ui->label_3};
    for (int position = 0; position < captions.size(); ++position)
        captions.at(position)->setProperty("text", text(position));
    ui->NewHong->setToolTip(index == 5 ? text(2) : QString());
    for (int choice = 0; choice < ChoiceCount; ++choice)
        ui->ChooseEvent->setItemText(choice + 1, text(FirstChoice + choice));
    ui->Save->setText(text(SaveText));
    macroRealText = text(PrefixText);
    macroMenuTexts.clear();
    for (int entry = 0; entry < MenuTextCount; ++entry)
        macroMenuTexts.append(text(MenuTexts + entry));
    // Mouse buttons are named in the language.
    steps->retext();
}

// The form's own texts come back with a language change; the choices and
// values made on the page stay, and the texts are the language files' again.
void Macro::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        const int choice = ui->ChooseEvent->currentIndex();
        const int delay = ui->DelayTime->value();
        const int count = ui->NumberEdit->value();
        const QSignalBlocker choiceBlocker(ui->ChooseEvent);
        const QSignalBlocker delayBlocker(ui->DelayTime);
        const QSignalBlocker countBlocker(ui->NumberEdit);
        ui->retranslateUi(this);
        ui->ChooseEvent->setCurrentIndex(choice);
        ui->DelayTime->setValue(delay);
        ui->NumberEdit->setValue(count);
        SlotAllLanguage(currentLanguageIndex);
    }
    QWidget::changeEvent(event);
}

// Esc and F12 belong to the recording, not to the window.
void Macro::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F12)
        return;
    QWidget::keyPressEvent(event);
}

// A click beside the number fields ends their editing.
void Macro::mousePressEvent(QMouseEvent *event)
{
    const QPoint position = ui->MacroPage->mapFrom(this, event->pos());
    if (ui->DelayTime->geometry().contains(position) || ui->NumberEdit->geometry().contains(position))
        return;
    ui->DelayTime->clearFocus();
    ui->NumberEdit->clearFocus();
    setFocus(Qt::OtherFocusReason);
}

void Macro::on_DelayTime_valueChanged(int value)
{
    if (value >= LargestDelay)
        ui->DelayTime->setValue(LargestDelay);
}

QString Macro::currentName() const
{
    const QListWidgetItem *entry = ui->listWidgetHong->currentItem();
    return entry ? entry->text() : QString();
}

bool Macro::hasEntry(const QString &name) const
{
    return !ui->listWidgetHong->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty();
}

void Macro::selectNewEntry(const QString &name)
{
    ui->listWidgetHong->addItem(name);
    ui->listWidgetHong->setCurrentRow(ui->listWidgetHong->count() - 1);
}

// The step list always shows the current macro, however it became current
// (a click, the arrow keys, a right click): Save and Export then never put
// one macro's steps under another's name.
void Macro::on_listWidgetHong_currentItemChanged(QListWidgetItem *current)
{
    // Edits of the macro left behind are dropped, so Save sends nothing of them.
    stepsModified = false;
    repeatModified = false;
    setSaveActive(false);
    showMacro(current ? current->text() : QString());
}

void Macro::showMacro(const QString &name)
{
    steps->clear();
    MacroText macro;
    if (name.isEmpty() || !readMacroFile(name, &macro))
        return;
    showRepeat(macro.repeat);
    steps->show(macro.items);
}

int Macro::repeatValue() const
{
    if (ui->ReUntilLoose->isChecked())
        return MacroText::UntilReleased;
    if (ui->ReUntilClick->isChecked())
        return MacroText::UntilClickedAgain;
    if (ui->ReUntil->isChecked())
        return MacroText::WhileHeld;
    return ui->NumberEdit->value();
}

// What a file holds is shown, not a change to save.
void Macro::showRepeat(int repeat)
{
    const QSignalBlocker groupBlocker(repeatModeGroup);
    const QSignalBlocker countBlocker(ui->NumberEdit);
    switch (repeat) {
    case MacroText::UntilReleased:
        ui->ReUntilLoose->setChecked(true);
        break;
    case MacroText::UntilClickedAgain:
        ui->ReUntilClick->setChecked(true);
        break;
    case MacroText::WhileHeld:
        ui->ReUntil->setChecked(true);
        break;
    default:
        ui->ReNumber->setChecked(true);
        ui->NumberEdit->setValue(repeat);
    }
}

void Macro::setSaveActive(bool active)
{
    skin->setStyleSheet(ui->Save, active ? MacroPageStyle::activeButton() : MacroPageStyle::inactiveButton());
    ui->Save->setEnabled(active);
}

void Macro::stepsEdited()
{
    stepsModified = true;
    setSaveActive(true);
}

void Macro::repeatEdited()
{
    repeatModified = true;
    setSaveActive(true);
}

void Macro::on_NumberEdit_valueChanged(int)
{
    repeatEdited();
}

QString Macro::askName(bool rename)
{
    QuestionDialog dialog;
    dialog.showRenameText(rename);
    placeNotice(&dialog, this);
    dialog.exec();
    return dialog.newName;
}

std::optional<MacroItem> Macro::askKey(int action)
{
    addKey dialog;
    placeInput(&dialog, this);
    if (dialog.exec() != QDialog::Accepted || !dialog.accepted)
        return std::nullopt;
    return MacroItem::ofText(dialog.keyName, action);
}

std::optional<MacroItem> Macro::askDelay()
{
    AddDelayTime dialog;
    placeInput(&dialog, this);
    dialog.exec();
    return dialog.accepted ? std::optional<MacroItem>(MacroItem::pause(std::uint32_t(dialog.delayTime)))
                           : std::nullopt;
}

bool Macro::refusedWhileRecording()
{
    const bool recording = g_macroRecording;
    if (recording)
        askFirst(this, true);
    return recording;
}

// The device would play the macro cut short, without a word.
bool Macro::refusedBeyondKeyLimit(int addedKeys)
{
    const bool refused = macroStepCount(steps->items()) + addedKeys > KeyMacro::MaxSteps;
    if (refused)
        showNotice<KeyNumberLimit>(this);
    return refused;
}

// An empty name is a cancelled question and needs no word.
bool Macro::acceptsNewName(const QString &name)
{
    if (name.isEmpty())
        return false;
    if (hasEntry(name)) {
        showNotice<SameMacro>(this);
        return false;
    }
    if (!isDeviceMacroName(name)) {
        tell(NameRefused);
        return false;
    }
    return true;
}

void Macro::tell(int textPosition)
{
    UpDateWarning notice;
    notice.setWarningText(languageText(LanguageSection::Macro, currentLanguageIndex, textPosition));
    placeNotice(&notice, this);
    notice.exec();
}

void Macro::on_NewHong_clicked()
{
    if (refusedWhileRecording())
        return;
    const QString name = askName(false);
    if (!acceptsNewName(name))
        return;
    if (!writeMacroFile(name, MacroText())) {
        tell(SaveFailed);
        return;
    }
    selectNewEntry(name);
}

// A file that is gone already counts as deleted; one that stays keeps its
// entry and the keys bound to it.
void Macro::on_DeleteHong_clicked()
{
    if (refusedWhileRecording() || !ui->listWidgetHong->currentItem())
        return;
    DeleteConfirm dialog;
    placeNotice(&dialog, this);
    dialog.exec();
    QListWidgetItem *entry = ui->listWidgetHong->currentItem();
    if (!dialog.confirmed || !entry)
        return;
    QFile file(macroFilePath(entry->text()));
    if (file.exists() && !file.remove()) {
        tell(DeleteFailed);
        return;
    }
    emit PostMsg::instance()->SigDeleteMacroButton(macroRealText + entry->text());
    {
        const QSignalBlocker blocker(ui->listWidgetHong);
        delete entry;
    }
    ui->listWidgetHong->setCurrentRow(-1);
    steps->clear();
}

void Macro::on_listWidgetHong_customContextMenuRequested(const QPoint &pos)
{
    QMenu menu(this);
    if (ui->listWidgetHong->itemAt(pos)) {
        menu.addAction(macroMenuTexts.value(0), this, &Macro::ExPortMacro);
        menu.addAction(macroMenuTexts.value(1), this, &Macro::RenameMacro);
        menu.addAction(macroMenuTexts.value(2), this, &Macro::on_DeleteHong_clicked);
    } else {
        menu.addAction(macroMenuTexts.value(3), this, &Macro::on_NewHong_clicked);
        menu.addAction(macroMenuTexts.value(4), this, &Macro::InPortMacro);
    }
    menu.exec(QCursor::pos());
}

void Macro::ExPortMacro()
{
    const QString name = currentName();
    if (name.isEmpty())
        return;
    const QString path = askExportPath(this, QStringLiteral("ini"));
    if (path.isEmpty())
        return;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || !MacroExport{name, {repeatValue(), steps->items()}}.write(&file)
        || !file.commit())
        tell(SaveFailed);
}

void Macro::InPortMacro()
{
    const QString path = QFileDialog::getOpenFileName(this, QStringLiteral("SelectFile"), QDir::homePath(),
                                                      QStringLiteral("File(*.ini)"));
    QFile file;
    if (path.isEmpty() || !openRegularFile(&file, path, QIODevice::ReadOnly, SymbolicLinks::Follow))
        return;
    bool nameRefused = false;
    const std::optional<MacroExport> imported = MacroExport::read(&file, &nameRefused);
    if (nameRefused)
        tell(NameRefused);
    if (!imported)
        return;
    if (hasEntry(imported->name)) {
        showNotice<SameMacro>(this);
        return;
    }
    if (!writeMacroFile(imported->name, imported->macro)) {
        tell(SaveFailed);
        return;
    }
    selectNewEntry(imported->name);
}

void Macro::RenameMacro()
{
    if (!ui->listWidgetHong->currentItem())
        return;
    const QString name = askName(true);
    QListWidgetItem *entry = ui->listWidgetHong->currentItem();
    if (!entry || !acceptsNewName(name))
        return;
    const QString former = entry->text();
    if (!renameMacroFile(former, name)) {
        tell(RenameFailed);
        return;
    }
    entry->setText(name);
    // The hub's order: the new name, then the one the key page still shows.
    emit PostMsg::instance()->SigMacroRename(name, former);
}

void Macro::on_Amend_clicked()
{
    const int row = steps->current();
    if (refusedWhileRecording() || row < 0)
        return;
    const MacroItem item = steps->at(row);
    const std::optional<MacroItem> amended = item.type == MacroItem::Delay ? askDelay() : askKey(item.action);
    if (!amended || row >= steps->count())
        return;
    steps->setAt(row, *amended);
    stepsEdited();
}

void Macro::on_ChooseEvent_activated(int index)
{
    if ((index == 1 || index == 2) && !refusedBeyondKeyLimit(1)) {
        const std::optional<MacroItem> key = askKey(index == 1 ? KeyStep::Press : KeyStep::Release);
        if (key && !currentName().isEmpty()) {
            steps->insertKey(*key);
            stepsEdited();
        }
    } else if (index == 3) {
        const std::optional<MacroItem> delay = askDelay();
        if (delay && !currentName().isEmpty() && steps->current() >= 0) {
            steps->setDelayAtCurrent(delay->delay);
            stepsEdited();
        }
    } else if (index > 3 && index <= ChoiceCount && !currentName().isEmpty() && !refusedBeyondKeyLimit(2)) {
        steps->insertMouseClick(mouseButtonCode(index - 4));
        stepsEdited();
    }
}

void Macro::on_DeleteKey_clicked()
{
    if (refusedWhileRecording() || currentName().isEmpty())
        return;
    if (steps->removeCurrentStep())
        stepsEdited();
}

// The name and steps are taken before anything else runs, and the file is
// replaced whole: the key page's answer to the signals reads it.
void Macro::on_Save_clicked()
{
    if (refusedWhileRecording())
        return;
    setSaveActive(false);
    const QString name = currentName();
    if (name.isEmpty())
        return;
    if (!writeMacroFile(name, {repeatValue(), steps->items()})) {
        setSaveActive(true);
        tell(SaveFailed);
        return;
    }
    const bool stepsChanged = std::exchange(stepsModified, false);
    const bool repeatChanged = std::exchange(repeatModified, false);
    // Steps go with the repeat mode, so a change of both is sent once.
    if (stepsChanged)
        emit PostMsg::instance()->SigUpDataMacro(name, 0);
    else if (repeatChanged)
        emit PostMsg::instance()->SigUpDataMacro(name, 1);
}

void Macro::on_StartRecord_clicked()
{
    if (currentName().isEmpty()) {
        askFirst(this, false);
        return;
    }
    emit PostMsg::instance()->SigStartRecord(0);
    stepsModified = true;
    recorder->start();
    showRecording(true);
    steps->clear();
}

void Macro::on_StopRecord_clicked()
{
    emit PostMsg::instance()->SigStartRecord(1);
    recorder->stop();
    showRecording(false);
    setSaveActive(true);
}

// The recorded steps stay, unsaved.
void Macro::SlotSetMacroPage()
{
    emit PostMsg::instance()->SigStartRecord(1);
    recorder->stop();
    showRecording(false);
    setSaveActive(false);
}

void Macro::showRecording(bool recording)
{
    ui->StartRecord->setVisible(!recording);
    ui->StopRecord->setVisible(recording);
    ui->DelayTime->setVisible(!recording);
    ui->NumberEdit->setVisible(!recording);
    ui->ChooseEvent->setEnabled(!recording);
    ui->listWidgetHong->setEnabled(!recording);
}

void Macro::addRecorded(const MacroItem &item)
{
    if (item.type == MacroItem::Delay)
        steps->appendDelay(item.delay);
    else
        steps->appendKey(item);
}

// The key page has made sure the macro has its file (from the device's
// block when it had none): the page only lists it.
void Macro::SlotButtonToMacro(FlashDataMap DataMap, int KeyNumer)
{
    const KeyMacro *block = DataMap.keyMacro(KeyNumer);
    const QString name = block ? macroNameOfBlock(*block) : QString();
    if (!isUsableMacroName(name))
        return;
    if (!hasEntry(name)) {
        const int current = ui->listWidgetHong->currentRow();
        ui->listWidgetHong->insertItem(current < 0 ? ui->listWidgetHong->count() : current + 1, name);
    }
    emit PostMsg::instance()->SigAddMacroButton();
}

// The macro is sent as saved, whichever macro the page shows by now: its
// steps, and its repeat mode in the key's entry.
void Macro::SlotMacroDownLoadData(QString MacroName, int index)
{
    MacroName.remove(QChar(0));
    KeyMacro block;
    int repeat = 0;
    if (index < 0 || index >= FlashDataMap::KeyCount || !buildMacroBlockFromIni(MacroName, &block, &repeat))
        return;
    KeyFunction entry = DeviceProtocolData.get().KeyFunctions[index];
    entry.param = std::uint8_t(repeat);
    setKeyMacro(index, &entry.type, reinterpret_cast<const std::uint8_t *>(&block));
}
