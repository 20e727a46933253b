#include "buttoninterface.h"

#include "bindingtype.h"
#include "configinistore.h"
#include "configurationsenders.h"
#include "deferredskin.h"
#include "deviceallinfo.h"
#include "deviceprofileactions.h"
#include "dialogplacement.h"
#include "eventwait.h"
#include "exportfiledialog.h"
#include "firekey.h"
#include "groupkey.h"
#include "keybindingencoder.h"
#include "keynames.h"
#include "keynumberlimit.h"
#include "keypagestyle.h"
#include "keyselectionview.h"
#include "languagetables.h"
#include "leftbuttononly.h"
#include "macroblockbuilder.h"
#include "macrofile.h"
#include "makemacro.h"
#include "myconmbobox.h"
#include "pagestate.h"
#include "panelstyle.h"
#include "postmsg.h"
#include "profileexport.h"
#include "ui_buttoninterface.h"
#include "updatewarning.h"
#include "worker.h"

#include <HIDUsb.h>

#include <QButtonGroup>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>
#include <QSet>

#include <algorithm>
#include <cstring>

namespace {

constexpr int LeftClick = 1;
// Where the page's own dialogs stand from the page's centre.
constexpr int DialogOffsetX = -50;
constexpr int DialogOffsetY = -70;
// The rows of the page's lists are this high.
constexpr int ListRowHeight = 15;
// The key list's scroll bar while a key's functions show, and otherwise.
constexpr int NarrowKeyListBar = 0;
constexpr int KeyListBar = 10;

constexpr int DebounceEntries = 21;
constexpr int DefaultDebounce = 4;
// The sleep time the page announces when no record exists, in seconds.
constexpr int DefaultSleepSeconds = 60;
// Both languages' captions fit the category buttons at this size.
constexpr int CategoryFontPoints = 9;
// A shorter macro list is padded with hidden entries up to this length.
constexpr int MacroListLength = 7;
// How long the macro page's save takes to settle before its macro is sent.
constexpr int MacroSaveSettle = 1500;
// The macro page's notice of a name no macro may have, in its section.
constexpr int MacroNameRefusedText = 32;

QButtonGroup *exclusiveGroup(QObject *owner, const QVector<QAbstractButton *> &buttons)
{
    auto *group = new QButtonGroup(owner);
    group->setExclusive(true);
    for (QAbstractButton *button : buttons)
        group->addButton(button);
    return group;
}

// An exclusive group keeps one button checked; it lets go for the moment.
void uncheckAll(QButtonGroup *group)
{
    group->setExclusive(false);
    for (QAbstractButton *button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}

// A function button binds when a click leaves it checked.
template<typename Bind>
void bindOnCheck(QAbstractButton *button, QObject *receiver, Bind bind)
{
    QObject::connect(button, &QAbstractButton::clicked, receiver, [bind](bool checked) {
        if (checked)
            bind();
    });
}

QToolButton *macroListButton(QWidget *holder, const QString &name, int height)
{
    auto *button = new QToolButton(holder);
    button->setText(name);
    button->setFont(QFont(QStringLiteral("微软雅黑"), 9));
    button->setMinimumSize(174, height);
    button->setCheckable(true);
    return button;
}

} // namespace

Buttoninterface::Buttoninterface(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::Buttoninterface)
    , skin(new DeferredSkin(this))
    , sensorCapabilities(SensorCapabilities::load())
{
    ui->setupUi(this);
    styleControls();
    PostMsg *hub = PostMsg::instance();
    connect(hub, SIGNAL(SigMouseIndex(int)), this, SLOT(SlotMouseIndex(int)));
    makeButtonGroups();
    connectFunctionButtons();
    ui->verticalLayout_6->setSizeConstraint(QLayout::SetFixedSize);
    SlotAddMacroButton();
    ui->DPI_3->hide();
    ui->DPI_9->hide();

    const auto blocking = Qt::BlockingQueuedConnection;
    connect(hub, SIGNAL(SigUpDataLightUIButton(FlashDataMap)), this, SLOT(SlotUpDataButtonUIButton(FlashDataMap)),
            blocking);
    connect(hub, SIGNAL(SigUpDataConfigUI(int,int,bool)), this, SLOT(SlotUpDataConfigUI(int,int,bool)), blocking);
    connect(hub, SIGNAL(SigUpDataButtonUIC(FlashDataMap)), this, SLOT(SlotUpDataButtonUIB(FlashDataMap)));
    connect(hub, SIGNAL(SigAddMacroButton()), this, SLOT(SlotAddMacroButton()));
    connect(hub, SIGNAL(SigDeleteMacroButton(QString)), this, SLOT(SlotDeleteMacroButton(QString)));
    connect(hub, SIGNAL(SigUpDataMacro(QString,int)), this, SLOT(SlotUpDataMacro(QString,int)));
    connect(hub, &PostMsg::SigSecondPageChange, this, &Buttoninterface::forgetSavedMacros);
    connect(hub, &PostMsg::SigSelectMouseInfo, this, &Buttoninterface::forgetSavedMacros);
    connect(hub, SIGNAL(SigMacroRename(QString,QString)), this, SLOT(SlotMacroRename(QString,QString)));
    connect(hub, SIGNAL(SigFormReset()), this, SLOT(SlotFormResetButton()), blocking);

    // The worker has no parent: it is started only once a device is chosen.
    g_workerThread = new Worker(this);
    ui->stackedWidget->setCurrentWidget(ui->page);
    ui->stackedWidget_2->setCurrentWidget(ui->page_9);
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

int Buttoninterface::modelKeyCount(const IniFileStore &config, const QString &group)
{
    return qBound(0, config.value(group, QStringLiteral("KeyNumber")).toInt(), PageKeyCount);
}

void Buttoninterface::SetButtonBinding(int key, int type, int code, int param)
{
    if (key < 0 || key >= PageKeyCount)
        return;
    keyTypeList[std::size_t(key)] = type;
    keyCodeList[std::size_t(key)] = code;
    keyParamList[std::size_t(key)] = param;
}

void Buttoninterface::ShowButtonBinding(int key, int type, int code, int param, const FlashDataMap &record)
{
    if (key < 0 || key >= PageKeyCount)
        return;
    if (const std::optional<QString> caption = bindingCaption(key, type, code, record))
        setKeyCaption(key, *caption);
    if (type == MacroBinding)
        keepMacroFile(key, param, record);
}

std::optional<QString> Buttoninterface::bindingCaption(int key, int type, int code, const FlashDataMap &record) const
{
    const auto captionOf = [](const QAbstractButton *button) -> std::optional<QString> {
        return button ? std::optional<QString>(button->text()) : std::nullopt;
    };
    const std::size_t index = std::size_t(key);
    switch (type) {
    case KeySequence: {
        const int lowByte = consumerLowByteOf(record.KeyDatas[index]);
        return lowByte < 0 ? keySequenceCaption(record.KeyDatas[index]) : captionOf(mediaButton(*ui, lowByte));
    }
    case MacroBinding:
        return macroCaptionPrefix + macroNameOfBlock(record.KeyMacros[index]);
    case DpiLock:
        return ui->DPI_4->text() + QLatin1Char('-')
            + QString::number(DpiValueForCode(sensorCapabilities, pageSensorId, code));
    default:
        return captionOf(fixedFunctionButton(*ui, type, code));
    }
}

// A macro the folder lacks gets its file from the device's copy, so the
// macro page only has to list it; a file the folder holds stays the
// user's. A name that cannot name a file (it came from a device or an
// imported profile) stays a caption only.
void Buttoninterface::keepMacroFile(int key, int param, const FlashDataMap &record)
{
    const KeyMacro &block = record.KeyMacros[std::size_t(key)];
    if (addMacroFileFromBlock(macroNameOfBlock(block), param, block))
        emit PostMsg::instance()->SigButtonToMacro(record, key);
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
    const QString group = CurrentDevice.get().driveGroup();
    pageSensorId = ConfigIniStore::instance()->value(group, QStringLiteral("Sensor"));
    const int keys = modelKeyCount(*ConfigIniStore::instance(), group);
    keyTypeList = {};
    keyCodeList = {};
    keyParamList = {};
    for (int key = 0; key < keys; ++key) {
        const KeyFunction &entry = record.KeyFunctions[key];
        SetButtonBinding(key, entry.type, entry.code, entry.param);
    }
    bindingsKnown = true;
    for (int key = 0; key < keys; ++key) {
        const std::size_t index = std::size_t(key);
        ShowButtonBinding(key, keyTypeList[index], keyCodeList[index], keyParamList[index], record);
    }
    ui->DebunceButton->setDebounceIndex(record.DebounceTime);
    g_buttonUiFilling = false;
}

void Buttoninterface::SlotFormResetButton()
{
    g_buttonUiFilling = true;
    emit PostMsg::instance()->SigMouseIndex(0);
    ui->stackedWidget->setCurrentWidget(ui->page);
    ui->stackedWidget_2->setCurrentWidget(ui->page_9);
    for (int key = 0; key < PageKeyCount; ++key)
        SetButtonBinding(key, MouseDefaults[std::size_t(key)].type, MouseDefaults[std::size_t(key)].code, 0);
    bindingsKnown = true;
    ui->DebunceButton->setDebounceIndex(DefaultDebounce);
    emit PostMsg::instance()->SigLightToFrom(DefaultSleepSeconds);
    g_buttonUiFilling = false;
}

void Buttoninterface::SlotUpDataConfigUI(int ToTalItem, int SelectIndex, bool ItemEnable)
{
    QComboBox *selector = ui->ProjectChoose;
    {
        const QSignalBlocker blocker(selector);
        selector->clear();
        const int items = ToTalItem > 0 ? ToTalItem : (ToTalItem == 0 ? 1 : 0);
        for (int item = 1; item <= items; ++item)
            selector->addItem(configItemPrefix + QString::number(item));
    }
    selector->setEnabled(ItemEnable);
    if (ToTalItem > 0)
        selector->setCurrentIndex(SelectIndex);
}

// Every model shows the same mouse.
void Buttoninterface::SlotMouseIndex(int)
{
    skin->setStyleSheet(ui->widget, mousePictureStyleSheet());
}

void Buttoninterface::SlotAddMacroButton()
{
    showMacroList(macroNames());
}

// Every click on the page's tab asks for the list again: only the buttons
// of macros that came or went are made or deleted, since a folder of
// thousands would hold the window for seconds. Both lists are in the
// folder's order, so the buttons that stay keep theirs and a new one goes
// in at its own place; whatever is left past the names goes.
void Buttoninterface::showMacroList(const QStringList &names)
{
    const QSet<QString> listed(names.cbegin(), names.cend());
    for (int index = int(macroButtons.size()) - 1; index >= 0; --index) {
        if (!listed.contains(macroButtons[index]->text()))
            delete macroButtons.takeAt(index);
    }
    for (int index = 0; index < names.size(); ++index) {
        if (index == macroButtons.size() || macroButtons[index]->text() != names[index])
            macroButtons.insert(index, newMacroButton(names[index], index));
    }
    while (macroButtons.size() > names.size())
        delete macroButtons.takeLast();
    padMacroList();
    // Like a list built anew, it shows no macro chosen: a click the binding
    // refused would stay checked otherwise.
    if (macroButtons.contains(qobject_cast<QToolButton *>(otherFunctionGroup->checkedButton())))
        clearOtherFunctionChecks();
}

QToolButton *Buttoninterface::newMacroButton(const QString &name, int place)
{
    QToolButton *button = macroListButton(ui->scrollAreaWidgetContents_7, name, 22);
    ui->verticalLayout_6->insertWidget(place, button);
    otherFunctionGroup->addButton(button);
    connect(button, SIGNAL(clicked(bool)), this, SLOT(slotButtonClicked(bool)));
    return button;
}

// A shorter list is padded with hidden buttons below the macros.
void Buttoninterface::padMacroList()
{
    const int wanted = macroButtons.isEmpty() ? 0 : std::max(0, MacroListLength - int(macroButtons.size()));
    while (macroListFillers.size() > wanted)
        delete macroListFillers.takeLast();
    while (macroListFillers.size() < wanted) {
        QToolButton *filler = macroListButton(ui->scrollAreaWidgetContents_7, QString(), 23);
        ui->verticalLayout_6->addWidget(filler);
        filler->setEnabled(false);
        filler->hide();
        macroListFillers.append(filler);
    }
}

void Buttoninterface::SlotDeleteMacroButton(QString MacroName)
{
    const QString group = CurrentDevice.get().driveGroup();
    for (const int key : keysCaptioned(MacroName)) {
        const QStringList keyParam =
            ConfigIniStore::instance()->valueList(group, QStringLiteral("KeyParam%1").arg(key + 1));
        restoreModelDefault(key, keyParam);
    }
    clearKeySelection();
    sendWholeRecord();
}

// The key's default from the model's "KeyParam": a key sequence when the
// model says so, else the key's mouse function. A key sequence restored
// keeps its payload; any other default leaves no sequence behind.
void Buttoninterface::restoreModelDefault(int key, const QStringList &keyParam)
{
    const auto [type, code] = MouseDefaults[std::size_t(key)];
    QAbstractButton *function = fixedFunctionButton(*ui, type, code);
    keyButton(*ui, key)->setChecked(true);
    function->setChecked(true);
    bool restoredSequence = false;
    if (keyParam.value(0).trimmed() != QLatin1String("0x05"))
        bindFixedFunction(key, type, code);
    else if (keyParam.size() == 3)
        restoredSequence = bindMediaFunction(key, keyParam.at(2).trimmed().toInt(nullptr, 16));
    else if (keyParam.size() == 4)
        restoredSequence = bindKeyCombination(key, keyParam.at(3).trimmed());
    if (restoredSequence)
        return;
    DeviceProtocolData.update([key](FlashDataMap &record) {
        std::memset(&record.KeyDatas[key], 0, sizeof record.KeyDatas[key]);
    });
}

// A function of the category list replaces whatever a function page had
// checked.
bool Buttoninterface::bindFixedFunction(int key, int type, int code)
{
    QAbstractButton *function = fixedFunctionButton(*ui, type, code);
    if (categoryButtons(*ui).contains(function))
        clearOtherFunctionChecks();
    const bool sent = sendKeyFunction(key, type, code, 0, function->text());
    showRestingView();
    return sent;
}

bool Buttoninterface::sendKeyFunction(int key, int type, int code, int param, const QString &caption)
{
    if (!setKeyFunction(key, type, code, param))
        return false;
    setKeyCaption(key, caption);
    SetButtonBinding(key, type, code, param);
    return true;
}

bool Buttoninterface::bindMediaFunction(int key, int lowByte)
{
    QAbstractButton *function = mediaButton(*ui, lowByte);
    if (!function || !KeyBindingEncoder(key, lowByte))
        return false;
    SetButtonBinding(key, KeySequence, 0, 0);
    setKeyCaption(key, function->text());
    return true;
}

bool Buttoninterface::bindKeyCombination(int key, const QString &text)
{
    clearOtherFunctionChecks();
    if (!AssignKeyCombination(key, text))
        return false;
    SetButtonBinding(key, KeySequence, 0, 0);
    // The device holds three keys at most; the caption names what it holds.
    setKeyCaption(key, splitKeyCombination(text).mid(0, 3).join(QLatin1Char('+')));
    return true;
}

// Each kind of function button binds alike; the tables of keypagebuttons.h
// say what each button binds.
void Buttoninterface::connectFunctionButtons()
{
    for (int key = 0; key < PageKeyCount; ++key)
        connect(keyButton(*ui, key), &QAbstractButton::clicked, this, [this, key] { selectKey(key); });
    const QVector<QAbstractButton *> badges = badgeButtons(*ui);
    for (int place = 0; place < badges.size(); ++place) {
        QAbstractButton *key = keyButton(*ui, KeysInPageOrder[std::size_t(place)]);
        connect(badges[place], &QAbstractButton::clicked, this, [key] {
            // The user learns now, not at the binding, that the device is away.
            isDeviceOnline();
            key->setChecked(true);
        });
    }
    for (const FunctionButton &entry : fixedFunctionButtons(*ui)) {
        const int type = entry.type;
        const int code = std::max(entry.code, 0);
        if (type != RapidFire)
            bindOnCheck(entry.button, this, [this, type, code] {
                bindToSelectedKey(type == MouseButton && code == LeftClick,
                                  [this, type, code](int key) { bindFixedFunction(key, type, code); });
            });
    }
    for (const FunctionButton &entry : mediaButtons(*ui)) {
        const int lowByte = entry.code;
        bindOnCheck(entry.button, this, [this, lowByte] {
            bindToSelectedKey(false, [this, lowByte](int key) { bindMediaFunction(key, lowByte); });
        });
    }
    for (const FunctionButton &entry : dpiLockButtons(*ui)) {
        QAbstractButton *button = entry.button;
        const int dpi = entry.code;
        bindOnCheck(button, this, [this, button, dpi] {
            const int code = DpiCodeForValue(sensorCapabilities, pageSensorId, dpi);
            const QString caption = ui->DPI_4->text() + QLatin1Char('-') + button->text();
            bindToSelectedKey(false, [=](int key) { sendKeyFunction(key, DpiLock, code, 0, caption); });
        });
    }
    for (const SubPageOpener &opener : subPageOpeners(*ui)) {
        QWidget *page = opener.page;
        connect(opener.category, &QAbstractButton::clicked, this,
                [this, page] { ui->stackedWidget_2->setCurrentWidget(page); });
    }
}

void Buttoninterface::selectKey(int key)
{
    if (holdsLastLeftClick(key)) {
        refuseLastLeftClick();
        return;
    }
    setKeyListBarWidth(NarrowKeyListBar);
    showKeyBinding(key);
}

void Buttoninterface::showKeyBinding(int key)
{
    const std::size_t index = std::size_t(key);
    const int code = keyCodeList[index];
    const ShownBinding binding = {keyTypeList[index], code,
                                  consumerLowByteOf(DeviceProtocolData.get().KeyDatas[index]),
                                  DpiValueForCode(sensorCapabilities, pageSensorId, code), keyCaption(key)};
    const KeySelectionView view = keySelectionView(*ui, macroButtons, macroCaptionPrefix, binding);
    if (view.page) {
        ui->stackedWidget->setCurrentWidget(ui->page_2);
        ui->stackedWidget_2->setCurrentWidget(view.page);
    }
    for (QAbstractButton *button : {view.category, view.function}) {
        if (button)
            button->setChecked(true);
    }
    for (const ListScroll &scroll : view.scrolls)
        scroll.list->verticalScrollBar()->setValue(ListRowHeight * scroll.row);
}

// The rule reads the captions: a key counts as a left click when it shows
// what the left-click button shows.
bool Buttoninterface::holdsLastLeftClick(int key) const
{
    const QString leftClick = ui->LeftKey_3->text();
    return keyCaption(key) == leftClick
           && std::count_if(KeysInPageOrder.cbegin(), KeysInPageOrder.cend(),
                            [this, &leftClick](int other) { return keyCaption(other) == leftClick; })
                  == 1;
}

void Buttoninterface::refuseLastLeftClick()
{
    clearKeySelection();
    LeftButtonOnly notice;
    runDialog(notice);
}

std::optional<int> Buttoninterface::bindableKey(bool keepsLeftClick)
{
    for (const int key : KeysInPageOrder) {
        if (!keyButton(*ui, key)->isChecked())
            continue;
        if (!keepsLeftClick && holdsLastLeftClick(key)) {
            refuseLastLeftClick();
            return std::nullopt;
        }
        return key;
    }
    return std::nullopt;
}

// Every binding ends in the resting view, whether it was sent or not.
void Buttoninterface::bindToSelectedKey(bool keepsLeftClick, const std::function<void(int)> &bind)
{
    if (const std::optional<int> key = bindableKey(keepsLeftClick))
        bind(*key);
    showRestingView();
}

void Buttoninterface::slotButtonClicked(bool checked)
{
    const auto *button = qobject_cast<QAbstractButton *>(sender());
    if (checked && button)
        bindToSelectedKey(false, [this, name = button->text()](int key) { bindMacro(key, name); });
}

// The macro goes as its file holds it, read as the editor reads it; its
// repeat mode rides in the entry.
void Buttoninterface::bindMacro(int key, const QString &name)
{
    MacroText macro;
    if (!readBindableMacro(name, &macro))
        return;
    const KeyMacro block = boundMacroBlock(name, macro.items);
    const KeyFunction entry = {MacroBinding, std::uint8_t(key), std::uint8_t(macro.repeat)};
    if (!setKeyMacro(key, &entry.type, reinterpret_cast<const std::uint8_t *>(&block)))
        return;
    setKeyCaption(key, macroCaptionPrefix + name);
    SetButtonBinding(key, entry.type, entry.code, entry.param);
}

// The device holds a macro whole or the user is told: a key is captioned
// and found again by the name its block carries, and a block plays 70 keys.
bool Buttoninterface::readBindableMacro(const QString &name, MacroText *macro)
{
    if (!isDeviceMacroName(name)) {
        UpDateWarning notice;
        notice.setWarningText(languageText(LanguageSection::Macro, currentLanguageIndex, MacroNameRefusedText));
        runDialog(notice);
        return false;
    }
    if (!g_deviceUiLive || !readMacroFile(name, macro))
        return false;
    if (macroStepCount(macro->items) > KeyMacro::MaxSteps) {
        KeyNumberLimit notice;
        runDialog(notice);
        return false;
    }
    return true;
}

// The device must answer before the dialog opens: it binds as it closes.
void Buttoninterface::on_DPI_6_clicked()
{
    if (!isDeviceOnline()) {
        showRestingView();
        return;
    }
    bindToSelectedKey(false, [this](int key) {
        FireKey dialog;
        const std::size_t index = std::size_t(key);
        if (keyCaption(key) == ui->DPI_6->text()) {
            dialog.setInterval(keyCodeList[index]);
            dialog.setCount(keyParamList[index]);
        }
        runDialog(dialog);
        if (dialog.accepted) {
            clearOtherFunctionChecks();
            sendKeyFunction(key, RapidFire, dialog.interval, dialog.count, ui->DPI_6->text());
        }
    });
}

void Buttoninterface::on_DPI_8_clicked()
{
    bindToSelectedKey(false, [this](int key) {
        GroupKey dialog;
        runDialog(dialog);
        // An empty combination would leave the key sending nothing.
        if (dialog.accepted && !dialog.keyText.isEmpty())
            bindKeyCombination(key, dialog.keyText);
    });
}

void Buttoninterface::on_DPI_10_clicked()
{
    if (!macroButtons.isEmpty()) {
        ui->stackedWidget_2->setCurrentWidget(ui->page_5);
        return;
    }
    ui->stackedWidget_2->setCurrentWidget(ui->page_9);
    MakeMacro notice;
    runDialog(notice);
}

void Buttoninterface::on_ImportData_clicked()
{
    runProfileImport(this);
}

void Buttoninterface::on_Reset_clicked()
{
    runDeviceReset(this);
}

void Buttoninterface::on_ProjectChoose_activated(int index)
{
    switchActiveConfiguration(ui->ProjectChoose, index);
}

void Buttoninterface::runDialog(QDialog &dialog)
{
    placeDialog(&dialog, this, DialogOffsetX, DialogOffsetY);
    dialog.exec();
}

// A saved macro reaches its keys whole or not at all: one the device cannot
// play whole stays on the computer, and the user hears why once. Leaving the
// device during the pause sends it at once (sendSavedMacros).
void Buttoninterface::SlotUpDataMacro(QString MacroName, int index)
{
    const QVector<int> keys = keysCaptioned(macroCaptionPrefix + MacroName);
    MacroText macro;
    if (keys.isEmpty() || !readBindableMacro(MacroName, &macro))
        return;
    if (index == 0) {
        const MacroSave save{MacroName, keys};
        savedMacros.append(save);
        QPointer<Buttoninterface> page(this);
        if (waitWithEvents(MacroSaveSettle) && page && savedMacros.removeOne(save))
            sendMacroToKeys(save);
    } else if (index == 1) {
        for (const int key : keys) {
            const FlashDataMap record = DeviceProtocolData.get();
            KeyFunction entry = record.KeyFunctions[key];
            entry.param = std::uint8_t(macro.repeat);
            const auto *body = reinterpret_cast<const std::uint8_t *>(&record.KeyMacros[key]);
            if (setKeyMacro(key, &entry.type, body))
                SetButtonBinding(key, entry.type, entry.code, entry.param);
        }
    }
}

void Buttoninterface::sendMacroToKeys(const MacroSave &save)
{
    for (const int key : save.second)
        emit PostMsg::instance()->SigMacroDownLoadData(save.first, key);
}

// Once the link is let go nothing would send them: they go without the
// rest of their pause.
void Buttoninterface::sendSavedMacros()
{
    for (const MacroSave &save : std::exchange(savedMacros, {}))
        sendMacroToKeys(save);
}

// The frame left their device by another road (it went away) or another
// device took its place: they must not reach whatever the link opens next.
void Buttoninterface::forgetSavedMacros()
{
    savedMacros.clear();
}

void Buttoninterface::SlotMacroRename(QString Rename, QString Name)
{
    const QByteArray name = macroNameBytes(Rename);
    for (const int key : keysCaptioned(macroCaptionPrefix + Name)) {
        setKeyCaption(key, macroCaptionPrefix + Rename);
        const FlashDataMap record = DeviceProtocolData.get();
        KeyMacro body = record.KeyMacros[key];
        std::memset(body.name, 0, sizeof body.name);
        std::memcpy(body.name, name.constData(), std::size_t(name.size()));
        body.nameLengthByte = std::uint8_t(name.size());
        setKeyMacro(key, &record.KeyFunctions[key].type, reinterpret_cast<const std::uint8_t *>(&body));
    }
}

void Buttoninterface::SlotAllLanguage(int index)
{
    const auto text = [index](int position) { return languageText(LanguageSection::Buttoninterface, index, position); };
    for (QAbstractButton *button : categoryButtons(*ui))
        button->setFont(QFont(QStringLiteral("微软雅黑"), CategoryFontPoints));
    for (const CaptionPosition &caption : captionPositions(*ui))
        caption.button->setText(text(caption.position));
    ui->label_3->setText(text(49));
    macroCaptionPrefix = text(55);
    configItemPrefix = text(56);
    recaptionKeys();
    {
        const QSignalBlocker blocker(ui->ProjectChoose);
        for (int item = 0; item < ui->ProjectChoose->count(); ++item)
            ui->ProjectChoose->setItemText(item, configItemPrefix + QString::number(item + 1));
    }
    for (int entry = 0; entry < DebounceEntries; ++entry)
        ui->DebunceButton->setNumberedItemText(entry, text(57));
}

// The language changes only what the captions say: the bindings, and the
// macro files they name, stay as they are.
void Buttoninterface::recaptionKeys()
{
    if (!bindingsKnown)
        return;
    const FlashDataMap record = DeviceProtocolData.get();
    const int keys = modelKeyCount(*ConfigIniStore::instance(), CurrentDevice.get().driveGroup());
    for (int key = 0; key < keys; ++key) {
        const std::size_t index = std::size_t(key);
        if (const std::optional<QString> caption = bindingCaption(key, keyTypeList[index], keyCodeList[index], record))
            setKeyCaption(key, *caption);
    }
}

void Buttoninterface::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        const int selected = ui->ProjectChoose->currentIndex();
        {
            const QSignalBlocker blocker(ui->ProjectChoose);
            ui->retranslateUi(this);
            ui->ProjectChoose->setCurrentIndex(selected);
        }
        // The form's own captions would hide the bindings and the language in use.
        SlotAllLanguage(currentLanguageIndex);
    }
    QWidget::changeEvent(event);
}

// Presses that no control takes land here: one outside the key list and
// the function lists it shows lets go of the chosen key.
void Buttoninterface::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton) {
        QVector<QWidget *> active = {ui->scrollArea_11};
        if (ui->stackedWidget->currentWidget() == ui->page_2)
            active.append(ui->stackedWidget);
        if (ui->stackedWidget_2->currentWidget() != ui->page_9)
            active.append(ui->stackedWidget_2);
        const bool inside = std::any_of(active.cbegin(), active.cend(), [this, event](QWidget *area) {
            return QRect(area->mapTo(this, QPoint()), area->size()).contains(event->pos());
        });
        if (!inside)
            clearKeySelection();
    }
    QWidget::mousePressEvent(event);
}

void Buttoninterface::on_OutputData_clicked()
{
    const QString path = askExportPath(this, QStringLiteral("bin"));
    if (!path.isEmpty())
        exportProfileFile(path, DeviceProtocolData.get());
}

// The page is built with the program but shows only once a device is
// opened: its pictures are decoded then, not while the program starts.
void Buttoninterface::styleControls()
{
    skin->setStyleSheet(this, keyPageStyleSheet());
    skin->setStyleSheet(ui->widget, mousePictureStyleSheet());
    // The form gives the debounce group a frame of its own, which the page's look leaves out.
    skin->setStyleSheet(ui->groupBox_2, QStringLiteral("#groupBox_2{border: 0;}"));
    skin->setStyleSheet(ui->label_3, PanelStyle::titleLabel());
    ui->ProjectChoose->useSelectionColouredView();
}

void Buttoninterface::makeButtonGroups()
{
    QVector<QAbstractButton *> keys;
    for (const int key : KeysInPageOrder)
        keys.append(keyButton(*ui, key));
    keyGroup = exclusiveGroup(this, keys);
    mouseFunctionGroup = exclusiveGroup(this, categoryButtons(*ui));
    otherFunctionGroup = exclusiveGroup(this, subPageFunctionButtons(*ui));
}

void Buttoninterface::clearOtherFunctionChecks()
{
    uncheckAll(otherFunctionGroup);
}

void Buttoninterface::clearKeySelection()
{
    uncheckAll(keyGroup);
    showRestingView();
}

void Buttoninterface::showRestingView()
{
    ui->stackedWidget->setCurrentWidget(ui->page);
    setKeyListBarWidth(KeyListBar);
    ui->stackedWidget_2->setCurrentWidget(ui->page_9);
}

void Buttoninterface::setKeyListBarWidth(int pixels)
{
    const QString barStyle = QStringLiteral("QScrollBar {width:%1px;}").arg(pixels);
    QScrollBar *bar = ui->scrollArea_11->verticalScrollBar();
    if (bar->styleSheet() != barStyle)
        bar->setStyleSheet(barStyle);
}

// Only keys bound to a macro carry its caption: a key whose function
// happens to read like the macro's name is left alone.
QVector<int> Buttoninterface::keysCaptioned(const QString &caption) const
{
    QVector<int> keys;
    for (const int key : KeysInPageOrder) {
        if (keyTypeList[std::size_t(key)] == MacroBinding && keyCaption(key) == caption)
            keys.append(key);
    }
    return keys;
}

QString Buttoninterface::keyCaption(int key) const
{
    return keyButton(*ui, key)->text().remove(QChar(0));
}

void Buttoninterface::setKeyCaption(int key, const QString &caption)
{
    keyButton(*ui, key)->setText(caption);
}
