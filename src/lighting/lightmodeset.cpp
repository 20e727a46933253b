#include "lightmodeset.h"

#include "appinfo.h"
#include "deferredskin.h"
#include "dialogflags.h"
#include "languagetables.h"
#include "lightingforms.h"
#include "lightingskin.h"
#include "postmsg.h"
#include "ui_lightmodeset.h"

#include <QMouseEvent>

LightModeSet::LightModeSet(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::LightModeSet)
    , picturePath(programFolderPath() + QStringLiteral("/Picture/ScreeInfo/"))
{
    ui->setupUi(this);
    setWindowFlags(dialogWindowFlags);
    auto *skin = new DeferredSkin(this);
    using namespace LightingSkin;
    for (QLabel *caption : QList<QLabel *>{ui->label, ui->label_2, ui->label_3} + colourCaptions(ui))
        skin->setStyleSheet(caption, labelStyle());
    skin->setStyleSheet(ui->LightModeSetframe,
                        backgroundStyle(ui->LightModeSetframe, picturePath, QStringLiteral("Back.png")));
    skin->setStyleSheet(ui->CloseButton, closeButtonStyle(picturePath, QStringLiteral("CloseButton.png")));
    m_colours = new LightColourPanel(colourPanelWidgets(ui), picturePath, this);
    m_layout = std::make_unique<LightModeLayout>(QList<QWidget *>{ui->horizontalLight}, ui->line,
                                                 QList<QWidget *>{ui->horizontalSpeed}, ui->line_2, colourControls(ui));
    on_LightMod_currentIndexChanged(ui->LightMod->currentIndex());
    ui->LightMod->applyListSkin(picturePath);
    const QString slider = sliderStyle(picturePath, QStringLiteral("Slider.png"));
    skin->setStyleSheet(ui->horizontalLight, slider);
    skin->setStyleSheet(ui->horizontalSpeed, slider);
}

LightModeSet::~LightModeSet()
{
    delete ui;
}

void LightModeSet::setScreenColourProbe(std::shared_ptr<const ScreenColourProbe> probe)
{
    m_colours->setScreenColourProbe(std::move(probe));
}

void LightModeSet::SlotAllLanguage(int index)
{
    const auto text = [index](int position) { return languageText(LanguageSection::ScreenInfo, index, position); };
    ui->label->setText(text(5));
    for (int mode = 0; mode < ui->LightMod->count(); ++mode)
        ui->LightMod->setItemText(mode, text(6 + mode));
    ui->label_2->setText(text(13));
    ui->label_3->setText(text(14));
    ui->label_6->setText(text(15));
    ui->label_8->setText(text(16));
    ui->label_13->setText(text(17));
    ui->label_11->setText(text(18));
    ui->label_10->setText(text(19));
    ui->label_12->setText(text(20));
}

// Only a real press counts: the second press of a double click neither
// moves the focus nor picks.
void LightModeSet::mousePressEvent(QMouseEvent *event)
{
    if (event->type() != QEvent::MouseButtonPress)
        return;
    m_colours->takeFocusUnlessOnBoxes(event->globalPos());
    m_colours->pickIfOnBoard(event->globalPos());
}

void LightModeSet::on_CloseButton_clicked()
{
    emit PostMsg::instance()->SigButtonCheck();
    close();
}

void LightModeSet::on_LightMod_currentIndexChanged(int index)
{
    m_layout->apply(index);
}
