#pragma once

#include <QComboBox>

// A combo box that draws its current text as a button label, centred in the
// edit field, and remembers which item was current when it was last pressed.
// Its list takes the box's font, and its view, when it first pops up: Qt
// makes the list as soon as the font changes, and every form sets its boxes'
// fonts as it builds them, so each page would make its lists, with their
// views and scrollers, before the window first shows.
class MyConmboBox : public QComboBox
{
public:
    explicit MyConmboBox(QWidget *parent = nullptr);
    ~MyConmboBox() override;

    int indexAtLastPress() const { return m_indexAtLastPress; }

    // The look of the settings page's language list and the light-mode
    // lists: the Option colours ComboxTextColor (text), ComboxSelectColor
    // (selection) and ComboxBackGroundColor (arrow button), the pictures
    // ComboboxBack.png, Menu.png, MenuClicked.png (open) and
    // ComboboxTextBack.png (the list) of `pictureFolder`, 25-pixel items,
    // five visible. The sheet is set when the list first shows.
    void applyListSkin(const QString &pictureFolder);
    // Gives the list a view whose selected and hovered rows take the Option
    // colour ComboxSelectColor, when it first pops up: setting a view lays
    // out every item again. Rows hidden meanwhile stay hidden.
    void useSelectionColouredView();

    void showPopup() override;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void setSelectionColouredView();

    int m_indexAtLastPress = 0;
    bool m_listPoppedUp = false;
    bool m_selectionColouredView = false;
};
