#include "myconmbobox.h"

#include "configinistore.h"
#include "deferredskin.h"

#include <QEvent>
#include <QListView>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

MyConmboBox::MyConmboBox(QWidget *parent)
    : QComboBox(parent)
{
}

MyConmboBox::~MyConmboBox() = default;

void MyConmboBox::applyListSkin(const QString &pictureFolder)
{
    useSelectionColouredView();
    // The lists sit on pages built at start-up and shown later.
    auto *skin = new DeferredSkin(this);
    skin->setStyleSheet(
        this,
        QStringLiteral("QComboBox{border: 1px solid gray; color: rgb(%1); border-image: url(%2ComboboxBack.png);}"
                       "QComboBox::drop-down:button{border-radius:5px; background:rgb(%3);}"
                       " QComboBox::down-arrow{image: url(%2Menu.png); right: 8px; }"
                       "QComboBox::down-arrow:on{ image: url(%2MenuClicked.png);}"
                       "QComboBox QAbstractItemView::item{height:25px;}"
                       "QComboBox QAbstractItemView {outline: 0px solid gray; border: 1px  solid gray;"
                       "color: rgb(%1); border-image: url(%2ComboboxTextBack.png);"
                       "selection-background-color: rgb(%4); }")
            .arg(optionColour("ComboxTextColor"), pictureFolder, optionColour("ComboxBackGroundColor"),
                 optionColour("ComboxSelectColor")));
    setMaxVisibleItems(5);
}

void MyConmboBox::useSelectionColouredView()
{
    m_selectionColouredView = true;
}

void MyConmboBox::setSelectionColouredView()
{
    auto *colouredView = new QListView(this);
    colouredView->setStyleSheet(QStringLiteral("QListView::item:selected{background-color: rgb(%1);}"
                                               "QListView::item:hover{background-color: rgb(%1);}")
                                    .arg(optionColour("ComboxSelectColor")));
    QVector<int> hidden;
    if (const auto *before = qobject_cast<QListView *>(view())) {
        for (int row = 0; row < count(); ++row) {
            if (before->isRowHidden(row))
                hidden << row;
        }
    }
    setView(colouredView);
    for (int row : qAsConst(hidden))
        colouredView->setRowHidden(row, true);
}

void MyConmboBox::showPopup()
{
    if (!m_listPoppedUp) {
        m_listPoppedUp = true;
        QEvent fontChange(QEvent::FontChange);
        QComboBox::changeEvent(&fontChange);
        if (m_selectionColouredView)
            setSelectionColouredView();
    }
    QComboBox::showPopup();
}

void MyConmboBox::changeEvent(QEvent *event)
{
    // An editable box also places its line edit on a font change.
    if (event->type() == QEvent::FontChange && !m_listPoppedUp && !isEditable()) {
        QWidget::changeEvent(event);
        return;
    }
    QComboBox::changeEvent(event);
}

void MyConmboBox::mousePressEvent(QMouseEvent *event)
{
    m_indexAtLastPress = currentIndex();
    QComboBox::mousePressEvent(event);
}

void MyConmboBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Text));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    style()->drawComplexControl(QStyle::CC_ComboBox, &option, &painter, this);
    if (isEditable()) {
        style()->drawControl(QStyle::CE_ComboBoxLabel, &option, &painter, this);
        return;
    }
    QStyleOptionButton label;
    label.initFrom(this);
    label.rect = style()->subControlRect(QStyle::CC_ComboBox, &option,
                                         QStyle::SC_ComboBoxEditField, this);
    label.text = option.currentText;
    label.icon = option.currentIcon;
    label.iconSize = option.iconSize;
    painter.end();
    QPainter labelPainter(this);
    style()->drawControl(QStyle::CE_PushButtonLabel, &label, &labelPainter, this);
}
