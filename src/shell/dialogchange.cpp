#include "dialogchange.h"

#include "appinfo.h"
#include "configinistore.h"
#include "deferredskin.h"
#include "deviceidentification.h"
#include "deviceopening.h"
#include "deviceregistry.h"
#include "dialogplacement.h"
#include "firmwareimagescan.h"
#include "firmwarerepair.h"
#include "founddevices.h"
#include "languagetables.h"
#include "macroinistore.h"
#include "mytoolbuttonenter.h"
#include "pagebackground.h"
#include "pagestate.h"
#include "postmsg.h"
#include "questiondialogb.h"
#include "receiverpairing.h"
#include "selectiondiscovery.h"
#include "ui_dialogchange.h"
#include "updatewarning.h"
#include "worker.h"

#include <HIDUsb.h>

#include <QThread>

DialogChange *g_selectionPage = nullptr;
QString g_mouseIsNewText;

namespace {

// How long opening a device gives the window to show the frame before the
// worker opens the link.
constexpr int OpenDelay = 150;

QString url(const QString &folder, const char *picture)
{
    return QStringLiteral("url(") + folder + QLatin1String(picture) + QLatin1Char(')');
}

// A tool button drawn from three pictures: normal, hovered and pressed.
QString threeStateButtonStyle(const QString &folder, const char *normal, const char *hover, const char *pressed)
{
    return QStringLiteral("QToolButton{border:0px;background-image: %1;background-position:center;"
                          "background-repeat:no-repeat;}"
                          "QToolButton:hover{background-image: %2;}"
                          "QToolButton:pressed{background-image: %3;}")
        .arg(url(folder, normal), url(folder, hover), url(folder, pressed));
}

QString arrowStyle(const QString &folder, const char *normal, const char *hover)
{
    return QStringLiteral("QToolButton{border:0px;border-image: %1;}QToolButton:hover{border-image: %2;}")
        .arg(url(folder, normal), url(folder, hover));
}

// The tile's index in FoundDeviceList, from its object name "btn" + index.
int tileIndex(const QObject *tile)
{
    if (!tile)
        return -1;
    bool ok = false;
    const int index = tile->objectName().remove(QStringLiteral("btn")).toInt(&ok);
    return ok ? index : -1;
}

} // namespace

DialogChange::DialogChange(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::DialogChange)
    , m_skinFolder(programFolderPath() + QStringLiteral("/Picture/DialogChange/"))
{
    ui->setupUi(this);
    m_tiles = std::make_unique<DeviceTileGrid>(ui->stackedWidget, m_skinFolder);
    g_selectionPage = this;

    applySkin();
    applyNoticeSkin();
    ui->label_2->show();
    ui->label_3->show();
    ui->RightButton->hide();
    ui->LeftButton->hide();

    PostMsg *hub = PostMsg::instance();
    connect(hub, SIGNAL(SigLanguageSameA(int)), this, SLOT(SlotSameLanguageA(int)));
    connect(hub, SIGNAL(SigUpDateButton(bool)), this, SLOT(SlotUpDateButton(bool)));
    connect(hub, SIGNAL(SigEnterKey()), this, SLOT(SlotEnterKey()));

    ui->Repair->setVisible(!firmwareFailureRecord().isEmpty());
    m_modelCount = configuredModelCount();
    // A file that lets the page find nothing would otherwise look like no
    // device plugged in.
    for (const QString &problem : programSettingsProblems(*ConfigIniStore::instance()))
        qWarning("%s", qPrintable(problem));

    connect(hub, SIGNAL(SigAllLanguage(int)), this, SLOT(SlotAllLanguage(int)));
    SlotAllLanguage(currentLanguageIndex);
    ui->FindVer->hide();

    mytoolButtonEnter::setHoverHandler([this](int k) { refreshDeviceTile(k); });
    g_selectionHotplugCallback = DeviceSelectionCallback;
    StartUsbChanged(DeviceSelectionCallback, HotplugInterval);
}

DialogChange::~DialogChange()
{
    mytoolButtonEnter::setHoverHandler(nullptr);
    if (g_selectionPage == this)
        g_selectionPage = nullptr;
    delete ui;
}

void DialogChange::applySkin()
{
    ConfigIniStore *config = ConfigIniStore::instance();
    const QString text = config->colourText(QStringLiteral("ComboxTextColor"));
    const QString select = config->colourText(QStringLiteral("ComboxSelectColor"));
    const QString background = config->colourText(QStringLiteral("ComboxBackGroundColor"));
    const QString &folder = m_skinFolder;

    ui->frameChange->setStyleSheet(
        pageBackgroundStyle(QStringLiteral("#frameChange"), folder + QStringLiteral("MainBack.png")));
    ui->CloseButton->setStyleSheet(threeStateButtonStyle(folder, "Close.png", "CloseHover.png", "CloseClick.png"));
    ui->MinButton->setStyleSheet(threeStateButtonStyle(folder, "Min.png", "MinHover.png", "MinClick.png"));
    ui->Repair->setStyleSheet(QStringLiteral("QToolButton{border:0px;background-image: %1;"
                                             "background-position:center;background-repeat:no-repeat;}")
                                  .arg(url(folder, "Repair.png")));
    ui->RightButton->setStyleSheet(arrowStyle(folder, "Right.png", "RightClick.png"));
    ui->LeftButton->setStyleSheet(arrowStyle(folder, "Left.png", "LeftClick.png"));
    ui->comboBox->setStyleSheet(
        QStringLiteral("QComboBox{border-image: %1;color: rgb(%3);padding-left: 6px;}"
                       "QComboBox::drop-down{border:0px;width: 22px;background-color: rgb(%4);}"
                       "QComboBox::down-arrow{image: %2;}"
                       "QComboBox::down-arrow:on{image: %5;}"
                       "QComboBox QAbstractItemView{color: rgb(%3);background-color: rgb(0, 0, 0);"
                       "selection-background-color: rgb(%6);outline: 0px;}"
                       "QComboBox QAbstractItemView::item{height: 25px;}")
            .arg(url(folder, "ComboboxBack.png"), url(folder, "Menu.png"), text, background,
                 url(folder, "MenuClicked.png"), select));
    ui->comboBox->setMaxVisibleItems(5);
    ui->comboBox->useSelectionColouredView();
}

// The new-firmware notice wears the small dialogs' skin, once it first shows.
void DialogChange::applyNoticeSkin()
{
    const QString folder = programFolderPath() + QStringLiteral("/Picture/WarningDialog/");
    ConfigIniStore *config = ConfigIniStore::instance();
    const QString label = config->colourText(QStringLiteral("LabelColor"));
    const QString button = config->colourText(QStringLiteral("ButtonColor"));
    auto *skin = new DeferredSkin(ui->FindVer);
    skin->setStyleSheet(ui->FindVer, QStringLiteral("#FindVer{border:0px;background-image: %1;"
                                                    "background-position:center;background-repeat:no-repeat;}")
                                         .arg(url(folder, "BackGround.png")));
    skin->setStyleSheet(ui->FindVerlaebl, QStringLiteral("QLabel{color: rgb(%1);}").arg(label));
    skin->setStyleSheet(ui->NewHong, QStringLiteral("QPushButton{border:0px;color: rgb(%1);border-image: %2;}"
                                                    "QPushButton:pressed{border-image: %3;}")
                                         .arg(button, url(folder, "Confirm.png"), url(folder, "ConfirmClick.png")));
    skin->setStyleSheet(ui->CloseButton_2,
                        threeStateButtonStyle(folder, "Close.png", "CloseHover.png", "CloseClick.png"));
    skin->setStyleSheet(ui->NoApear, QStringLiteral("QCheckBox{color: rgb(%1);}"
                                                    "QCheckBox::indicator:checked{image: %2;}"
                                                    "QCheckBox::indicator:unchecked{image: %3;}")
                                         .arg(label, url(folder, "CheckBoxCheck.png"), url(folder, "CheckBox.png")));
}

void DialogChange::showRepairButton(bool shown)
{
    ui->Repair->setVisible(shown);
    ui->label_2->setText(shown ? m_repairHintText : m_selectionHintText);
}

void DialogChange::rebuildTiles()
{
    m_tiles->clear();
    if (FoundDeviceList.isEmpty()) {
        ui->label_2->show();
        ui->label_3->hide();
        ui->RightButton->hide();
        ui->LeftButton->hide();
        return;
    }
    for (int k = 0; k < FoundDeviceList.size(); ++k)
        refreshTileOnline(k);

    if (!settleFoundDevices(FoundDeviceList, configuredModelCount())) {
        ui->label_2->show();
        ui->label_3->hide();
        ui->RightButton->hide();
        ui->LeftButton->hide();
        // Discovery may run again while the question is open: one is enough.
        if (m_questionShown)
            return;
        m_questionShown = true;
        QuestiondialogB question;
        placeDialog(&question, this);
        question.exec();
        m_questionShown = false;
        return;
    }

    ui->label_2->hide();
    ui->label_3->show();
    m_tiles->build(FoundDeviceList, m_modelCount, offlineTip());
    ui->RightButton->setVisible(FoundDeviceList.size() > DeviceTileGrid::TilesPerPage);
    ui->LeftButton->hide();
    for (int k = 0; k < m_tiles->tileCount(); ++k) {
        mytoolButtonEnter *tile = m_tiles->tile(k);
        refreshDeviceTile(tileIndex(tile));
        connect(tile, SIGNAL(clicked()), this, SLOT(slotButtonClicked()));
    }
}

bool DialogChange::refreshDeviceTile(int k)
{
    if (k < 0 || k >= FoundDeviceList.size() || k >= m_tiles->tileCount())
        return true;
    DeviceAllInfo device = FoundDeviceList.at(k);
    device.online = false;
    identifyDevice(device);
    readOnlineState(device);
    replaceFoundDevice(k, device);
    m_tiles->restyleTile(k, device, m_modelCount);
    return true;
}

QString DialogChange::offlineTip() const
{
    return m_offlineTipText1 + QLatin1Char('\n') + m_offlineTipText2;
}

void DialogChange::SlotAllLanguage(int index)
{
    const auto text = [index](int position) { return languageText(LanguageSection::DialogChange, index, position); };
    const bool repairShown = !ui->Repair->isHidden();
    m_selectionHintText = text(0);
    if (!repairShown)
        ui->label_2->setText(m_selectionHintText);
    ui->label_3->setText(text(1));
    m_offlineTipText1 = text(5);
    m_offlineTipText2 = text(6);
    m_repairHintText = text(2);
    if (repairShown)
        ui->label_2->setText(m_repairHintText);
    ui->FindVerlaebl->setText(text(3));
    ui->NewHong->setText(text(4));
    ui->NoApear->setText(text(7));
    g_mouseIsNewText = text(8);
    m_tiles->setOfflineTip(offlineTip());
}

void DialogChange::SlotEnterKey()
{
    if (!ui->FindVer->isHidden())
        ui->FindVer->hide();
    else if (!ui->Repair->isHidden())
        on_Repair_clicked();
}

void DialogChange::SlotSameLanguageA(int index)
{
    const bool blocked = ui->comboBox->blockSignals(true);
    ui->comboBox->setCurrentIndex(index);
    ui->comboBox->blockSignals(blocked);
}

void DialogChange::SlotUpDateButton(bool IsHide)
{
    showRepairButton(!IsHide);
}

void DialogChange::slotButtonClicked()
{
    // Copies: dialogs opened below let discovery rebuild the list and the tiles.
    const int k = tileIndex(sender());
    if (k < 0 || k >= FoundDeviceList.size())
        return;
    const DeviceAllInfo device = FoundDeviceList.at(k);
    const QList<DeviceAllInfo> found = FoundDeviceList;
    announceOpening(device);

    // The same model twice, the clicked one silent and the other answering:
    // the mouse may have to be paired with this receiver first.
    if (found.size() == 2) {
        const DeviceAllInfo &other = found.at(1 - k);
        const bool twin = other.cid == device.cid && other.mid == device.mid;
        if (twin && !answers(device) && answers(other) && !firmwareAllowsOpening(device))
            return;
    }
    const bool unrecognised = device.driveIndex == configuredModelCount();
    if (unrecognised) {
        if (!device.isWired)
            firmwareAllowsOpening(device);
        return;
    }

    chooseDevice(device);
    emit PostMsg::instance()->SigChangeMainDialog(1);
    QThread::msleep(OpenDelay);
    // The page is active before the worker runs: a quick run would otherwise
    // find it inactive and open no link.
    g_devicePageState = 1;
    if (g_workerThread)
        g_workerThread->requestRun();
}

bool DialogChange::answers(const DeviceAllInfo &device)
{
    return (UsbFinderC_GetDeviceOnLine(device.path.toLocal8Bit().constData()) & 0xFF) != 0;
}

// Whether the firmware of the mouse (as it last reported it) and of the
// receiver fit the images beside the program well enough to open the
// device. Otherwise offers pairing or warns, and the device is not opened.
bool DialogChange::firmwareAllowsOpening(const DeviceAllInfo &device)
{
    const QString mouseVersion = recordedMouseVersion(device);
    if (mouseVersion.isEmpty()) {
        pairWith(device);
        return false;
    }
    const FirmwareUpdates updates = checkModelFirmware(device, mouseVersion);
    if (updates.receiver && !updates.mouse)
        return true;
    if (updates.mouse && !updates.receiver) {
        UpDateWarning::showFirmwareWarning(this);
    } else if (askRePair(this)) {
        pairWith(device);
    }
    return false;
}

void DialogChange::pairWith(const DeviceAllInfo &device)
{
    g_matchOpen = true;
    g_matchTargetPath = device;
    runPairingDialog(this);
}

void DialogChange::on_comboBox_activated(int index)
{
    chooseLanguage(index);
    emit PostMsg::instance()->SigLanguageSameB(index);
}

void DialogChange::on_NoApear_clicked(bool checked)
{
    MacroIniStore::instance()->setValue(QStringLiteral("FindNew"), QStringLiteral("IsShow"),
                                        checked ? QStringLiteral("1") : QStringLiteral("0"));
}

void DialogChange::on_Repair_clicked()
{
    openRepairDialog(this);
}

void DialogChange::on_LeftButton_clicked()
{
    showTilePage(ui->stackedWidget->currentIndex() - 1);
}

void DialogChange::on_RightButton_clicked()
{
    showTilePage(ui->stackedWidget->currentIndex() + 1);
}

// Each arrow shows while there is a page on its side.
void DialogChange::showTilePage(int page)
{
    const int pages = ui->stackedWidget->count();
    if (page < 0 || page >= pages)
        return;
    ui->label_2->hide();
    ui->label_3->show();
    ui->LeftButton->setVisible(page > 0);
    ui->RightButton->setVisible(page < pages - 1);
    ui->stackedWidget->setCurrentIndex(page);
}

void DialogChange::on_MinButton_clicked()
{
    emit PostMsg::instance()->SigChangeSize(2);
}

void DialogChange::on_CloseButton_clicked()
{
    emit PostMsg::instance()->SigChangeSize(3);
}

void DialogChange::on_CloseButton_2_clicked()
{
    ui->FindVer->hide();
}

void DialogChange::on_NewHong_clicked()
{
    ui->FindVer->hide();
}

void DialogChange::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        // The form puts its own items back; the box keeps showing the language in use.
        const bool blocked = ui->comboBox->blockSignals(true);
        ui->retranslateUi(this);
        ui->comboBox->setCurrentIndex(currentLanguageIndex);
        ui->comboBox->blockSignals(blocked);
        SlotAllLanguage(currentLanguageIndex);
    }
    QWidget::changeEvent(event);
}
