#include "debouncetime.h"

#include "appinfo.h"
#include "configinistore.h"
#include "configurationsenders.h"
#include "deferredskin.h"
#include "dialogplacement.h"
#include "lessthree.h"
#include "myconmbobox.h"
#include "pagestate.h"
#include "panelstyle.h"
#include "ui_debouncetime.h"

namespace {

// Times up to this many milliseconds may let one click count twice.
constexpr int ShortestSafeDebounce = 7;

} // namespace

DebounceTime::DebounceTime(QWidget *parent)
    : QFrame(parent)
    , ui(new Ui::DebounceTime)
    , picturePath(programFolderPath() + QStringLiteral("/Picture/Buttoninterface/"))
{
    ui->setupUi(this);
    ConfigIniStore *config = ConfigIniStore::instance();
    const QString text = config->colourText(QStringLiteral("ComboxTextColor"));
    const QString select = config->colourText(QStringLiteral("ComboxSelectColor"));
    // The panel sits on the key page, which shows only once a device is opened.
    auto *skin = new DeferredSkin(this);
    skin->setStyleSheet(
        ui->Debunce,
        QStringLiteral("QComboBox{border: 1px solid gray; color: rgb(%1); border-image: url(%2ComboboxBack1.png);}"
                       "QComboBox::drop-down:button{border-radius:5px; background:rgb(%4);}"
                       " QComboBox::down-arrow{image: url(%2Menu.png); right: 8px; }"
                       "QComboBox::down-arrow:on{ image: url(%2MenuClicked.png);}"
                       "QComboBox QAbstractItemView::item{height:25px;}"
                       "QComboBox QAbstractItemView {outline: 0px solid gray; border: 0px  solid black;"
                       "color: rgb(%1);background-color: rgb(0,0,0);selection-background-color: rgb(%3); }")
            .arg(text, picturePath, select, config->colourText(QStringLiteral("ComboxBackGroundColor"))));
    ui->Debunce->useSelectionColouredView();
    ui->Debunce->setMaxVisibleItems(5);
}

DebounceTime::~DebounceTime()
{
    delete ui;
}

void DebounceTime::setDebounceIndex(int index)
{
    ui->Debunce->setCurrentIndex(index);
}

int DebounceTime::debounceIndex() const
{
    return ui->Debunce->currentIndex();
}

void DebounceTime::setNumberedItemText(int index, const QString &text)
{
    ui->Debunce->setItemText(index, QString::number(index) + text);
}

void DebounceTime::on_Debunce_currentIndexChanged(int index)
{
    if (!g_deviceUiLive || index < 0)
        return;
    setDebounceTime(index);
    if (index > ShortestSafeDebounce || g_buttonUiFilling)
        return;
    LessThree notice;
    placeDialog(&notice, this, -409, -202);
    notice.exec();
}
