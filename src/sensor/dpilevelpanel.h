#pragma once

#include <QFrame>

#include <array>

class DeferredSkin;
class MyConmboBox;
class QAbstractButton;
class QButtonGroup;
class QColorDialog;
class QComboBox;
class QLabel;
class QSlider;

// What the two DPI level editors share: up to eight levels of the device
// record, one of them current, a list of how many the DPI button cycles
// through, sliders that snap to the model's DPI range and a colour picker.
//
// A change the user makes is sent; a value the program shows (a level's
// value when it is selected, the page's own values) never is. The level
// count goes out whole: shrinking it below the current level first moves
// the current level's settings to the new last level, on screen and in the
// record, so the DPI button never lands on a level the count hides.
class DpiLevelPanel : public QFrame
{
    Q_OBJECT

public:
    static constexpr int LevelCount = 8;

    void blockLevelCountSignals(bool block);
    // Empties the list without handling it as a choice.
    void clearLevelCountItems();
    void insertLevelCountItem(int index, const QString &text);
    void setLevelCountIndex(int index);

    void blockSliderSignals(bool block);
    void setSliderEnabled(bool enabled);
    void setSliderMinimum(int value);
    void setSliderMaximum(int value);

    // Operations taking a level ignore levels outside 0 to 7: a record may
    // hold any byte there.
    // Checks the level's button, which runs the level's selection.
    void setLevelChecked(int level);
    void setCurrentLevelIndex(int level);
    // Kept as the level-count file gives it; nothing reads it back.
    void setLevelCount(int count);
    // Shows levels 0 to lastLevel and hides the others.
    virtual void showLevelCount(int lastLevel) = 0;
    // The level's DPI as decimal text, shown without being sent.
    virtual void setLevelText(int level, const QString &text) = 0;
    // A colour as "#rrggbb"; it shows once the level is restyled.
    virtual void setLevelColor(int level, const QString &hex) = 0;
    void setTitleText(const QString &text);
    // Selects a level the marker was dragged to, unless the device went
    // offline meanwhile.
    void applyDraggedLevel(int level);

protected:
    using LevelButtons = std::array<QAbstractButton *, LevelCount>;

    explicit DpiLevelPanel(QWidget *parent);

    void hideEvent(QHideEvent *event) override;

    // Groups the form's level buttons, styles the title and the level-count
    // list and connects the list once setupUi has built them.
    void adoptForm(QLabel *title, MyConmboBox *levelCountList, const LevelButtons &levelButtons,
                   const QList<QSlider *> &sliders);

    static bool isLevel(int level);
    int checkedLevel() const;
    QAbstractButton *levelButton(int level) const { return m_levelButtons[std::size_t(level)]; }
    // The panel is built with its page at start-up and restyles its levels
    // while a record fills it, long before it shows.
    DeferredSkin *skin() const { return m_skin; }

    // A live page whose device went offline stops a change; the sender's
    // report tells the user.
    static bool stopsOffline();
    // Moves `value` onto the model's DPI range; the slider takes the page
    // step of the segment that holds it.
    static int snapOnto(QSlider *slider, int value);
    // A slider's change of `level`'s value: false when the device went
    // offline. A change the user made comes back snapped and is sent; a
    // value the program shows stays as it is.
    bool takeSliderValue(QSlider *slider, int level, int &value) const;
    // Shows a value the program chose on a slider without sending it.
    void showOwnValue(QSlider *slider, int value);

    // Exchanges what the screen shows of the two levels and selects `to`.
    virtual void exchangeShownLevels(int from, int to) = 0;
    // Opens the picker on the colour the level has.
    void showColorPicker(const QColor &levelColour);

    int currentLevel = 1;
    int levelCount = 1;
    // The current level when the level count last changed.
    int previousLevel = 0;

protected slots:
    virtual void SetColor(const QColor &color) = 0;

private:
    void levelCountChosen(int index);

    QButtonGroup *levelButtonGroup;
    DeferredSkin *const m_skin;
    QColorDialog *colorDialog = nullptr;
    QComboBox *m_levelCountList = nullptr;
    QLabel *m_title = nullptr;
    LevelButtons m_levelButtons = {};
    QList<QSlider *> m_sliders;
    bool m_showingOwnValue = false;
};
