#include "questiondialog.h"

#include "languagetables.h"
#include "macroblockbuilder.h"
#include "ui_questiondialog.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace {

bool isRefusedKeyText(const QString &text)
{
    static const QStringList refused = {
        QStringLiteral("-"), QStringLiteral("="), QStringLiteral("["), QStringLiteral("]"),
        QStringLiteral(";"), QStringLiteral("'"), QStringLiteral(","), QStringLiteral("."),
        QStringLiteral("/"), QStringLiteral("`"), QStringLiteral("【"), QStringLiteral("\\"),
        QStringLiteral("；"), QStringLiteral("’"), QStringLiteral("，"), QStringLiteral("。"),
        QStringLiteral("*"), QStringLiteral("+")};
    return refused.contains(text);
}

// An input method hands over whole words: only a commit of exactly one of
// these is refused.
bool isRefusedCommit(const QString &text)
{
    static const QStringList refused = {
        QStringLiteral("【"), QStringLiteral("】"), QStringLiteral("-"), QStringLiteral("="),
        QStringLiteral("、"), QStringLiteral("；"), QStringLiteral("’"), QStringLiteral("，"),
        QStringLiteral("。"), QStringLiteral("/"), QStringLiteral("*"), QStringLiteral("·"),
        QStringLiteral("‘")};
    return refused.contains(text);
}

} // namespace

QuestionDialog::QuestionDialog(QWidget *parent)
    : LanguageDialog(parent)
    , ui(new Ui::QuestionDialog)
{
    ui->setupUi(this);
    setFixedSize(width(), height());
    connect(ui->NewHong_2, SIGNAL(clicked()), this, SLOT(WindowClosedLan()));
    applySkin(ui->Question, ui->label, ui->CloseButton, {ui->NewHong, ui->NewHong_2});
    colourInputField(ui->lineEdit);
    ui->lineEdit->setFocus(Qt::ActiveWindowFocusReason);
    ui->lineEdit->installEventFilter(this);
    followLanguage();
}

QuestionDialog::~QuestionDialog()
{
    delete ui;
}

void QuestionDialog::showRenameText(bool rename)
{
    ui->label->setText(rename ? renameText : newMacroText);
}

// The question shown stays as it was: the caller chose it.
void QuestionDialog::SlotAllLanguage(int index)
{
    newMacroText = languageText(LanguageSection::Question, index, 0);
    renameText = languageText(LanguageSection::Question, index, 1);
    ui->NewHong->setText(languageText(LanguageSection::Question, index, 2));
    ui->NewHong_2->setText(languageText(LanguageSection::Question, index, 3));
}

void QuestionDialog::WindowClosedLan()
{
    newName.clear();
    close();
}

void QuestionDialog::on_CloseButton_clicked()
{
    newName.clear();
    close();
}

void QuestionDialog::on_NewHong_clicked()
{
    newName = ui->lineEdit->text();
    close();
}

// Blanks go however they came in, typed or pasted; the cursor stays where
// the user was typing.
void QuestionDialog::on_lineEdit_textEdited(const QString &text)
{
    const QString name = macroNameFitting(QString(text).remove(QLatin1Char(' ')));
    if (name == text)
        return;
    const int cursor = ui->lineEdit->cursorPosition();
    ui->lineEdit->setText(name);
    ui->lineEdit->setCursorPosition(qMin(cursor - text.left(cursor).count(QLatin1Char(' ')), name.size()));
}

bool QuestionDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->lineEdit) {
        if (event->type() == QEvent::KeyPress && isRefusedKeyText(static_cast<QKeyEvent *>(event)->text()))
            return true;
        if (event->type() == QEvent::InputMethod
            && isRefusedCommit(static_cast<QInputMethodEvent *>(event)->commitString()))
            return true;
    }
    return LanguageDialog::eventFilter(watched, event);
}

// Shift locks the field: a name holds no capitals but those of Caps Lock,
// and none of the symbols on shifted keys.
void QuestionDialog::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Shift)
        ui->lineEdit->setEnabled(false);
    else
        QWidget::keyPressEvent(event);
}

void QuestionDialog::keyReleaseEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Shift) {
        QWidget::keyReleaseEvent(event);
        return;
    }
    ui->lineEdit->setEnabled(true);
    ui->lineEdit->setFocus(Qt::OtherFocusReason);
}
