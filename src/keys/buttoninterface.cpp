#include "buttoninterface.h"

#include "configinistore.h"
#include "configurationsenders.h"
#include "deviceallinfo.h"
#include "eventwait.h"
#include "keybindingencoder.h"
#include "keynames.h"
#include "keypagestyle.h"
#include "languagetables.h"
#include "macroblockbuilder.h"
#include "macrofile.h"
#include "pagestate.h"
#include "panelstyle.h"
#include "postmsg.h"
#include "profileexport.h"
#include "ui_buttoninterface.h"
#include "worker.h"

#include <HIDUsb.h>

#include <QButtonGroup>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPointer>
#include <QScrollBar>

#include <algorithm>
#include <cstring>

namespace {

enum BindingType { MouseButton = 1, DpiSwitch = 2, KeySequence = 5, MacroBinding = 6, DpiLock = 10 };

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

// What a key is given back when the macro bound to it is deleted, by device key.
constexpr std::array<std::pair<int, int>, PageKeyCount> MouseDefaults = {
    {{MouseButton, 1}, {MouseButton, 2}, {MouseButton, 4}, {MouseButton, 8}, {MouseButton, 16}, {DpiSwitch, 1}}};

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

QToolButton *macroListButton(QWidget *holder, const QString &name, int height)
{
    auto *button = new QToolButton(holder);
    button->setText(name);
    button->setFont(QFont(QStringLiteral("微软雅黑"), 9));
    button->setMinimumSize(174, height);
    button->setCheckable(true);
    holder->layout()->addWidget(button);
    return button;
}

} // namespace

Buttoninterface::Buttoninterface(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::Buttoninterface)
    , sensorCapabilities(SensorCapabilities::load())
{
    ui->setupUi(this);
    PostMsg *hub = PostMsg::instance();
    connect(hub, SIGNAL(SigMouseIndex(int)), this, SLOT(SlotMouseIndex(int)));
    makeButtonGroups();
    ui->verticalLayout_6->setSizeConstraint(QLayout::SetFixedSize);
    buildMacroButtonList();
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

// The file is rebuilt whole from the device's copy of the macro, so the
// macro page only has to show it. A name that cannot name a file (it came
// from a device or an imported profile) stays a caption only.
void Buttoninterface::keepMacroFile(int key, int param, const FlashDataMap &record)
{
    const KeyMacro &block = record.KeyMacros[std::size_t(key)];
    if (writeMacroFileFromBlock(macroNameOfBlock(block), param, block))
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
    keyTypeList = {1, 1, 1, 1, 1, 2};
    keyCodeList = {1, 2, 4, 8, 16, 1};
    keyParamList = {};
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
    const QString sheet = mousePictureStyleSheet();
    if (skinApplied && ui->widget->styleSheet() != sheet)
        ui->widget->setStyleSheet(sheet);
}

void Buttoninterface::SlotAddMacroButton()
{
    qDeleteAll(macroButtons);
    macroButtons.clear();
    buildMacroButtonList();
}

void Buttoninterface::buildMacroButtonList()
{
    QWidget *holder = ui->scrollAreaWidgetContents_7;
    for (const QString &name : macroNames()) {
        QToolButton *button = macroListButton(holder, name, 22);
        otherFunctionGroup->addButton(button);
        macroButtons.append(button);
    }
    if (macroButtons.isEmpty())
        return;
    while (macroButtons.size() < MacroListLength) {
        QToolButton *filler = macroListButton(holder, QString(), 23);
        filler->setEnabled(false);
        filler->hide();
        macroButtons.append(filler);
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

bool Buttoninterface::bindFixedFunction(int key, int type, int code)
{
    clearOtherFunctionChecks();
    const bool sent = setKeyFunction(key, type, code, 0);
    if (sent) {
        setKeyCaption(key, fixedFunctionButton(*ui, type, code)->text());
        SetButtonBinding(key, type, code, 0);
    }
    showRestingView();
    return sent;
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

void Buttoninterface::SlotUpDataMacro(QString MacroName, int index)
{
    const QVector<int> keys = keysCaptioned(macroCaptionPrefix + MacroName);
    if (index == 0) {
        QPointer<Buttoninterface> page(this);
        waitWithEvents(MacroSaveSettle);
        if (!page)
            return;
        for (const int key : keys)
            emit PostMsg::instance()->SigMacroDownLoadData(MacroName, key);
    } else if (index == 1) {
        const int repeat = readMacroRepeatText(MacroName).toInt();
        for (const int key : keys) {
            const FlashDataMap record = DeviceProtocolData.get();
            KeyFunction entry = record.KeyFunctions[key];
            entry.param = std::uint8_t(repeat);
            const auto *body = reinterpret_cast<const std::uint8_t *>(&record.KeyMacros[key]);
            if (setKeyMacro(key, &entry.type, body))
                SetButtonBinding(key, entry.type, entry.code, entry.param);
        }
    }
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
    QString path = QFileDialog::getSaveFileName(this, QStringLiteral("FileSave"), QDir::homePath(),
                                                QStringLiteral("File(*.bin)"));
    if (path.isEmpty())
        return;
    // The import lists ".bin" files only.
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".bin");
    exportProfileFile(path, DeviceProtocolData.get());
}

// The page is built with the program but shows only once a device is
// opened: its pictures are decoded then, not while the program starts.
void Buttoninterface::showEvent(QShowEvent *event)
{
    if (!skinApplied)
        applySkin();
    QWidget::showEvent(event);
}

void Buttoninterface::applySkin()
{
    skinApplied = true;
    setStyleSheet(keyPageStyleSheet());
    ui->widget->setStyleSheet(mousePictureStyleSheet());
    // The form gives the debounce group a frame of its own, which the page's look leaves out.
    ui->groupBox_2->setStyleSheet(QStringLiteral("#groupBox_2{border: 0;}"));
    ui->label_3->setStyleSheet(PanelStyle::titleLabel());
    PanelStyle::useSelectionColouredView(ui->ProjectChoose);
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
    const QString barStyle = QStringLiteral("QScrollBar {width:10px;}");
    QScrollBar *bar = ui->scrollArea_11->verticalScrollBar();
    if (bar->styleSheet() != barStyle)
        bar->setStyleSheet(barStyle);
    ui->stackedWidget_2->setCurrentWidget(ui->page_9);
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
