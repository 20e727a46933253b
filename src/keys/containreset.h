#pragma once

#include "languagedialog.h"

namespace Ui {
class ContainReset;
}

// A yes/no question: restoring the default settings, or whatever the
// caller puts into it with setMessageText. After exec() the caller reads
// `accepted`, true only when the user pressed OK (or Return or Enter).
class ContainReset : public LanguageDialog
{
    Q_OBJECT
public:
    explicit ContainReset(QWidget *parent = nullptr);
    ~ContainReset() override;

    void setMessageText(const QString &text);

    bool accepted = false;

public slots:
    void SlotAllLanguage(int index) override;

private slots:
    void on_CloseButton_clicked();
    void on_OK_clicked();
    void on_Cancel_clicked();

private:
    void answer(bool confirmed);

    Ui::ContainReset *ui;
};
