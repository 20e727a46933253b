#include "dpilevelpanel.h"

#include "configurationsenders.h"
#include "deferredskin.h"
#include "flashdatamap.h"
#include "myconmbobox.h"
#include "pagestate.h"
#include "panelstyle.h"
#include "sensormodel.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QColorDialog>
#include <QComboBox>
#include <QLabel>
#include <QScopedValueRollback>
#include <QSignalBlocker>
#include <QSlider>

namespace {

// Exchanges the two levels' entries in the record and hands it over with
// `to` as the current and last level.
void exchangeRecordLevels(int from, int to)
{
    const FlashDataMap record = DeviceProtocolData.get();
    const auto entry = [&record](int level) { return reinterpret_cast<const std::uint8_t *>(&record.DPIGrades[level]); };
    swapDpiLevels(entry(to), entry(from), to, from, to);
}

} // namespace

DpiLevelPanel::DpiLevelPanel(QWidget *parent)
    : QFrame(parent)
    , levelButtonGroup(new QButtonGroup(this))
    , m_skin(new DeferredSkin(this))
{
    levelButtonGroup->setExclusive(true);
}

void DpiLevelPanel::adoptForm(QLabel *title, MyConmboBox *levelCountList, const LevelButtons &levelButtons,
                              const QList<QSlider *> &sliders)
{
    m_title = title;
    m_levelCountList = levelCountList;
    m_levelButtons = levelButtons;
    m_sliders = sliders;
    for (QAbstractButton *button : levelButtons)
        levelButtonGroup->addButton(button);
    m_skin->setStyleSheet(title, PanelStyle::titleLabel());
    m_skin->setStyleSheet(levelCountList, PanelStyle::comboBoxOnListPicture(PanelStyle::sensorPictureFolder()));
    levelCountList->useSelectionColouredView();
    levelCountList->setMaxVisibleItems(5);
    connect(levelCountList, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &DpiLevelPanel::levelCountChosen);
}

bool DpiLevelPanel::isLevel(int level)
{
    return level >= 0 && level < LevelCount;
}

int DpiLevelPanel::checkedLevel() const
{
    for (int level = 0; level < LevelCount; ++level) {
        if (levelButton(level)->isChecked())
            return level;
    }
    return -1;
}

void DpiLevelPanel::blockLevelCountSignals(bool block)
{
    m_levelCountList->blockSignals(block);
}

void DpiLevelPanel::clearLevelCountItems()
{
    const QSignalBlocker blocker(m_levelCountList);
    m_levelCountList->clear();
}

void DpiLevelPanel::insertLevelCountItem(int index, const QString &text)
{
    m_levelCountList->insertItem(index, text);
}

void DpiLevelPanel::setLevelCountIndex(int index)
{
    m_levelCountList->setCurrentIndex(index);
}

void DpiLevelPanel::blockSliderSignals(bool block)
{
    for (QSlider *slider : qAsConst(m_sliders))
        slider->blockSignals(block);
}

void DpiLevelPanel::setSliderEnabled(bool enabled)
{
    for (QSlider *slider : qAsConst(m_sliders))
        slider->setEnabled(enabled);
}

void DpiLevelPanel::setSliderMinimum(int value)
{
    for (QSlider *slider : qAsConst(m_sliders))
        slider->setMinimum(value);
}

void DpiLevelPanel::setSliderMaximum(int value)
{
    for (QSlider *slider : qAsConst(m_sliders))
        slider->setMaximum(value);
}

void DpiLevelPanel::setLevelChecked(int level)
{
    if (isLevel(level))
        levelButton(level)->setChecked(true);
}

void DpiLevelPanel::setCurrentLevelIndex(int level)
{
    if (isLevel(level))
        currentLevel = level;
}

void DpiLevelPanel::setLevelCount(int count)
{
    levelCount = count;
}

void DpiLevelPanel::setTitleText(const QString &text)
{
    m_title->setText(text);
}

void DpiLevelPanel::applyDraggedLevel(int level)
{
    if (!stopsOffline())
        setLevelChecked(level);
}

bool DpiLevelPanel::stopsOffline()
{
    return g_deviceUiLive && !g_sensorUiFilling && !isDeviceOnline();
}

int DpiLevelPanel::snapOnto(QSlider *slider, int value)
{
    const DpiRange::Snapped snapped = g_dpiRange.snap(value);
    if (snapped.pageStep > 0)
        slider->setPageStep(snapped.pageStep);
    return snapped.value;
}

// A value the program shows is what the device holds, also where it lies
// in a gap of the range: only what the user sets moves onto the range.
bool DpiLevelPanel::takeSliderValue(QSlider *slider, int level, int &value) const
{
    if (!m_showingOwnValue && stopsOffline())
        return false;
    const int snapped = snapOnto(slider, value);
    if (m_showingOwnValue)
        return true;
    value = snapped;
    if (!g_importActive)
        encodeDpiValue(level, value);
    return true;
}

void DpiLevelPanel::showOwnValue(QSlider *slider, int value)
{
    const QScopedValueRollback<bool> own(m_showingOwnValue, true);
    slider->setValue(value);
}

void DpiLevelPanel::showColorPicker(const QColor &levelColour)
{
    // Built on first use: the dialog is heavy and most sessions never pick a colour.
    if (!colorDialog) {
        colorDialog = new QColorDialog(this);
        connect(colorDialog, &QColorDialog::colorSelected, this, &DpiLevelPanel::SetColor);
    }
    colorDialog->setCurrentColor(levelColour);
    colorDialog->show();
}

// The picker is a window of its own, which the page's going leaves on
// screen, where its OK would colour a level nobody sees. Closed, it cancels:
// nothing is sent.
void DpiLevelPanel::hideEvent(QHideEvent *event)
{
    if (colorDialog)
        colorDialog->close();
    QFrame::hideEvent(event);
}

// A list emptied or refilled reports -1, which is no count. While the page
// fills, the list only shows the record's count.
void DpiLevelPanel::levelCountChosen(int index)
{
    if (!isLevel(index) || g_sensorUiFilling)
        return;
    previousLevel = currentLevel;
    if (index < previousLevel) {
        exchangeShownLevels(previousLevel, index);
        levelCount = index + 1;
        currentLevel = index;
        if (g_deviceUiLive)
            exchangeRecordLevels(previousLevel, index);
    }
    showLevelCount(index);
    if (g_deviceUiLive)
        setDpiLevelCount(index + 1);
}
