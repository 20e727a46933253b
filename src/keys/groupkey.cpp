#include "groupkey.h"

#include "groupmaxthree.h"
#include "keyboardcapture.h"
#include "keynames.h"
#include "languagetables.h"
#include "ui_groupkey.h"

#include <QKeyEvent>

namespace {

constexpr int MaxKeys = 3;
// A key this long after the first key of a combination starts a new one.
constexpr qint64 ComboWindow = 2000;

} // namespace

GroupKey::GroupKey(QWidget *parent, const ElapsedClock &clock)
    : LanguageDialog(parent)
    , ui(new Ui::GroupKey)
    , clock(clock)
{
    ui->setupUi(this);
    capture = KeyboardCapture::install(
        [this](int keyCode, bool down, bool repeat) { UpdateCapslockTip(keyCode, down && !repeat); },
        KeyboardCapture::SystemKeys::KeepDownFlag);
    applySkin(ui->groupKeyA, ui->label, ui->CloseButton, {ui->NewHong, ui->NewHong_2});
    const QString boxStyle = QStringLiteral("QCheckBox{color: rgb(255, 255, 255);}"
                                            "QCheckBox::indicator:checked {image: url(%1CheckBoxCheck.png);}"
                                            "QCheckBox::indicator:unchecked {image: url(%1CheckBox.png);}")
                                 .arg(picturePath);
    for (QCheckBox *box : {ui->Shift, ui->Ctrl, ui->Alt, ui->Win})
        box->setStyleSheet(boxStyle);
    ui->lineEdit->setAttribute(Qt::WA_InputMethodEnabled, false);
    colourInputField(ui->lineEdit);
    ui->lineEdit->setFocus(Qt::OtherFocusReason);
    setFixedSize(size());
    followLanguage();
}

GroupKey::~GroupKey()
{
    delete ui;
}

void GroupKey::SlotAllLanguage(int index)
{
    ui->label->setText(languageText(LanguageSection::GroupKey, index, 0));
    ui->NewHong->setText(languageText(LanguageSection::GroupKey, index, 1));
    ui->NewHong_2->setText(languageText(LanguageSection::GroupKey, index, 2));
}

// Only presses count, and a key held down is ordinary typing: its repeats
// count for nothing, however long it is held. A key pressed twice counts
// once; after the third key, or once the time is up, a key starts a new
// combination. Modifiers come from the boxes: a key without a name changes
// nothing.
void GroupKey::UpdateCapslockTip(int keyCode, bool pressed)
{
    const QString name = combinationKeyName(keyCode);
    if (!pressed || name.isEmpty())
        return;
    const qint64 now = clock.milliseconds();
    if (comboStart && now - *comboStart > ComboWindow) {
        ui->lineEdit->clear();
        lastKeyCode = -1;
        comboStart.reset();
    }
    if (!comboStart)
        comboStart = now;
    if (keyCode == lastKeyCode)
        return;
    lastKeyCode = keyCode;
    QStringList names = typedNames();
    if (names.size() >= MaxKeys) {
        ui->lineEdit->setText(name);
        return;
    }
    // Whole names count: "D" joins "Del", "1" joins "Num1".
    if (names.contains(name))
        return;
    names.append(name);
    ui->lineEdit->setText(names.join(QLatin1Char('+')));
    if (names.size() == MaxKeys)
        lastKeyCode = -1;
}

QStringList GroupKey::typedNames() const
{
    const QString text = ui->lineEdit->text();
    return text.isEmpty() ? QStringList() : splitKeyCombination(text);
}

// The boxes are named after the modifiers they stand for.
QStringList GroupKey::tickedModifiers() const
{
    QStringList names;
    for (QCheckBox *box : {ui->Shift, ui->Ctrl, ui->Alt, ui->Win}) {
        if (box->isChecked())
            names.append(box->objectName());
    }
    return names;
}

void GroupKey::on_NewHong_clicked()
{
    const QStringList names = tickedModifiers() + typedNames();
    if (names.size() > MaxKeys) {
        GroupMaxThree notice;
        notice.move(mapToGlobal(QPoint(0, 0)));
        notice.exec();
        lastKeyCode = -1;
        ui->lineEdit->clear();
        return;
    }
    keyText = names.join(QLatin1Char('+'));
    accepted = true;
    close();
}

void GroupKey::on_NewHong_2_clicked()
{
    accepted = false;
    close();
}

void GroupKey::on_CloseButton_clicked()
{
    accepted = false;
    close();
}

// Typing never reaches the field; this is text pasted or dropped into it,
// which the device could not take unless every name is one it knows.
void GroupKey::on_lineEdit_textEdited(const QString &arg1)
{
    ui->lineEdit->setText(spelledKeyCombination(arg1).value_or(QString()));
}

void GroupKey::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_F12)
        return;
    LanguageDialog::keyPressEvent(event);
}

void GroupKey::hideEvent(QHideEvent *event)
{
    capture->remove();
    LanguageDialog::hideEvent(event);
}
