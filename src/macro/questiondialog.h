#pragma once

#include "languagedialog.h"

namespace Ui {
class QuestionDialog;
}

// Asks for a macro name, for a new macro or a rename. The field takes no
// key while Shift is held, none of the punctuation a name must not hold,
// no blank, and no more than the 30 bytes a device block keeps of
// a name. `newName` is empty unless its confirm button closed it.
class QuestionDialog : public LanguageDialog
{
    Q_OBJECT
public:
    explicit QuestionDialog(QWidget *parent = nullptr);
    ~QuestionDialog() override;

    // The rename question instead of the new-macro question.
    void showRenameText(bool rename);

    QString newName;

public slots:
    void WindowClosedLan();
    void SlotAllLanguage(int index) override;

private slots:
    void on_CloseButton_clicked();
    void on_NewHong_clicked();
    void on_lineEdit_textEdited(const QString &text);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    Ui::QuestionDialog *ui;
    QString newMacroText;
    QString renameText;
};
