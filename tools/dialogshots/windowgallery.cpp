#include "windowgallery.h"

#include "adddelaytime.h"
#include "addkey.h"
#include "appinfo.h"
#include "containreset.h"
#include "debouncetimeb.h"
#include "debouncetimec.h"
#include "deleteconfirm.h"
#include "exeisrun.h"
#include "firekey.h"
#include "groupkey.h"
#include "groupmaxthree.h"
#include "inportfail.h"
#include "inputpica.h"
#include "inputpicb.h"
#include "keynumberlimit.h"
#include "lamplight.h"
#include "languagetables.h"
#include "leftbuttononly.h"
#include "lessthree.h"
#include "ledinfo.h"
#include "lightmodeset.h"
#include "makemacro.h"
#include "motionsyncb.h"
#include "mouseoffline.h"
#include "pagebackground.h"
#include "pagestate.h"
#include "postmsg.h"
#include "questiondialog.h"
#include "questiondialogb.h"
#include "repair.h"
#include "rippecontrolb.h"
#include "samemacro.h"
#include "sensordpib.h"
#include "sensoreffectb.h"
#include "sensorlodb.h"
#include "sensorrateb.h"
#include "stopclosetimeb.h"
#include "straightlineb.h"
#include "updatewarning.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The lighting page as a host would place it: on the configuration
// frame's page background, showing a record of single-colour breathing.
QWidget *hostedLightingPage()
{
    auto *host = new QFrame;
    host->setObjectName(QStringLiteral("host"));
    host->setStyleSheet(pageBackgroundStyle(QStringLiteral("#host"),
                                            programFolderPath() + QStringLiteral("/Picture/Dialog/PageBack.png")));
    // Placed as the frame places its pages, without a layout: the
    // background's outline does not move the page.
    auto *page = new LampLight(host);
    host->resize(page->size());
    FlashDataMap record = {};
    record.LightEnable = 1;
    record.LightMode = 2;
    record.LightR = 46;
    record.LightG = 196;
    record.LightB = 182;
    record.LightBrightness = 7;
    record.LightSpeed = 4;
    record.SleepTime = 6;
    page->SlotUpDataLightUILight(record);
    return host;
}

// The receiver dialogs follow no language switch of their own; the shots
// show them as they would read in each language.
template<typename Dialog>
Dialog *inCurrentLanguage(Dialog *dialog)
{
    dialog->SlotAllLanguage(currentLanguageIndex);
    return dialog;
}

// The light-mode dialog with a mode that takes a colour.
QWidget *lightModeDialog()
{
    auto *dialog = inCurrentLanguage(new LightModeSet);
    dialog->findChild<QComboBox *>(QStringLiteral("LightMod"))->setCurrentIndex(2);
    dialog->findChild<QSpinBox *>(QStringLiteral("RSpinBox"))->setValue(255);
    dialog->findChild<QSpinBox *>(QStringLiteral("GSpinBox"))->setValue(80);
    return dialog;
}

// The LED-indicator dialog as a 4000 Hz receiver of the first model reports
// its second mode.
QWidget *ledDialog()
{
    DeviceAllInfo receiver;
    receiver.kind = 1;
    receiver.driveIndex = 0;
    CurrentDevice.set(receiver);
    auto *dialog = inCurrentLanguage(new LedInfo);
    DongleRGB light = {{2}};
    dialog->SlotRGBValue(&light);
    CurrentDevice.set(DeviceAllInfo());
    return dialog;
}

QString sensorText(int position)
{
    return languageText(LanguageSection::Sensor, currentLanguageIndex, position);
}

template<typename Switch>
Switch *switchPanel(int title, int tip)
{
    auto *panel = new Switch;
    panel->setTitleText(sensorText(title));
    panel->setTitleToolTip(sensorText(tip));
    panel->setSwitchChecked(title % 2 == 0);
    return panel;
}

// The sensor page's dark ground, for panels no page places.
QWidget *darkSheet()
{
    auto *sheet = new QWidget;
    sheet->setObjectName(QStringLiteral("sheet"));
    sheet->setStyleSheet(QStringLiteral("#sheet{background-color: rgb(31,35,43);}"));
    return sheet;
}

// The second and third layouts of the sensor panels, which no page places,
// one below the other, texts and values set as a page would set them.
QWidget *unplacedSensorPanels()
{
    QWidget *sheet = darkSheet();
    auto *column = new QVBoxLayout(sheet);
    // The panels place their controls by hand: they keep their form's size.
    const auto layout = [column](QWidget *panel) {
        panel->setFixedSize(panel->size());
        column->addWidget(panel);
    };

    auto *rate = new SensorRateB;
    rate->setTitleText(sensorText(1));
    rate->setRateMode(1);
    rate->setRateChecked(3);
    layout(rate);
    layout(switchPanel<RippeControlB>(6, 26));
    layout(switchPanel<StraightLineB>(7, 25));
    layout(switchPanel<MotionSyncB>(8, 24));

    auto *lod = new SensorLODB;
    lod->setTitleText(sensorText(4));
    lod->showShortLodBox();
    lod->setLodEnabled(true);
    lod->setLodValue(0);
    layout(lod);

    auto *effect = new SensorEffectB;
    effect->setTitleText(sensorText(15));
    for (int mode = 0; mode < 3; ++mode)
        effect->setModeButtonText(mode, sensorText(16 + mode));
    effect->setSpeedText(sensorText(19));
    effect->setBrightnessText(sensorText(20));
    effect->setEffectMode(1);
    effect->setBrightnessValue(6);
    layout(effect);

    const QString unit = languageText(LanguageSection::Buttoninterface, currentLanguageIndex, 57);
    auto *slider = new DebouncetimeB;
    slider->setValueSuffix(unit);
    slider->setDebounceValue(4);
    layout(slider);
    auto *stepper = new DebouncetimeC;
    stepper->setValueSuffix(unit);
    stepper->setDebounceValue(8);
    layout(stepper);

    auto *sleep = new StopCloseTimeB;
    for (int entry : {0, 5})
        sleep->setItemText(entry, languageText(LanguageSection::FormSetting, currentLanguageIndex, 28 + entry));
    sleep->setSleepIndex(3);
    layout(sleep);
    return sheet;
}

// The key-combination dialog with a modifier ticked and two keys pasted.
QWidget *combinationDialog()
{
    auto *dialog = new GroupKey;
    dialog->findChild<QCheckBox *>(QStringLiteral("Ctrl"))->setChecked(true);
    auto *edit = dialog->findChild<QLineEdit *>(QStringLiteral("lineEdit"));
    edit->insert(QStringLiteral("alt+del"));
    // Showing the dialog selects the text; typed keys would have left none selected.
    QTimer::singleShot(0, edit, &QLineEdit::deselect);
    return dialog;
}

// The eight-slider DPI panel, filled as the sensor page fills its own.
QWidget *eightSliderDpiPanel()
{
    QWidget *sheet = darkSheet();
    auto *panel = new SensorDPIB(sheet);
    panel->move(10, 10);
    sheet->setFixedSize(panel->width() + 20, panel->height() + 20);
    panel->setTitleText(sensorText(0));
    const QStringList colours = {"#ff4040", "#ffa000", "#ffe600", "#40dc40", "#00c8ff", "#4060ff"};
    for (int level = 0; level < colours.size(); ++level) {
        panel->insertLevelCountItem(level, QString::number(level + 1));
        panel->setLevelColor(level, colours.at(level));
    }
    panel->refreshLevelColors();
    panel->setSliderMaximum(26000);
    for (int level = 0; level < colours.size(); ++level)
        panel->setLevelText(level, QString::number(400 << level));
    panel->setLevelCountIndex(5);
    panel->showLevelCount(5);
    panel->setLevelChecked(1);
    return sheet;
}

} // namespace

QList<WindowGallery::Window> WindowGallery::deviceFreeWindows()
{
    return {
        {"QuestiondialogB", [] { return new QuestiondialogB; }},
        {"MouseOffLine-offline", [] { g_offlineMessageIndex = 0; return new MouseOffLine; }},
        {"MouseOffLine-timeout", [] { g_offlineMessageIndex = 1; return new MouseOffLine; }},
        {"ExeIsRun",
         [] {
             auto *dialog = new ExeIsRun;
             emit PostMsg::instance()->SigChangeLanguage(currentLanguageIndex);
             return dialog;
         }},
        {"InportFail-unreadable", [] { g_importResult = 1; return new InportFail; }},
        {"InportFail-other-model", [] { g_importResult = 2; return new InportFail; }},
        {"UpDateWarning",
         [] {
             auto *dialog = new UpDateWarning;
             // The firmware warning the settings page hands it.
             dialog->setWarningText(languageText(LanguageSection::FormSetting, currentLanguageIndex, 14));
             return dialog;
         }},
        {"LessThree", [] { return new LessThree; }},
        {"SensorPanelsUnplaced", unplacedSensorPanels},
        {"SensorDPIB", eightSliderDpiPanel},
        {"QuestionDialog-new", [] { auto *dialog = new QuestionDialog; dialog->showRenameText(false); return dialog; }},
        {"QuestionDialog-rename",
         [] {
             auto *dialog = new QuestionDialog;
             dialog->showRenameText(true);
             QTest::keyClicks(dialog->findChild<QWidget *>(QStringLiteral("lineEdit")), QStringLiteral("combo two"));
             return dialog;
         }},
        {"AddDelayTime", [] { return new AddDelayTime; }},
        {"addKey", [] { return new addKey; }},
        {"SameMacro", [] { return new SameMacro; }},
        {"KeyNumberLimit", [] { return new KeyNumberLimit; }},
        {"DeleteConfirm", [] { return new DeleteConfirm; }},
        {"ContainReset", [] { return new ContainReset; }},
        {"LeftButtonOnly", [] { return new LeftButtonOnly; }},
        {"MakeMacro", [] { return new MakeMacro; }},
        {"GroupMaxThree", [] { return new GroupMaxThree; }},
        {"GroupKey", combinationDialog},
        {"FireKey", [] { return new FireKey; }},
        {"RePair", [] { return new RePair; }},
        {"LampLight", hostedLightingPage},
        {"LightModeSet", lightModeDialog},
        {"InputPicA", [] { return inCurrentLanguage(new InputPicA); }},
        {"InputPicB", [] { return inCurrentLanguage(new InputPicB); }},
        {"LedInfo", ledDialog},
    };
}
