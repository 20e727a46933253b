#pragma once

#include "skinneddialog.h"

#include <QXmlStreamReader>

namespace Ui {
class ExeIsRun;
}

// Tells the user that the program already runs; a second start shows only
// this and exits. The macro page also uses it for its two "stop first"
// notices. That second process never loads the language tables, so the
// dialog reads its texts from the language file of the stored choice.
class ExeIsRun : public SkinnedDialog
{
    Q_OBJECT
public:
    explicit ExeIsRun(QWidget *parent = nullptr);
    ~ExeIsRun() override;

    void showLabel2Text();
    void showPleaseStopText();

    // The language file for a stored language choice: 1 Russian, anything
    // else English.
    static QString languageFilePath(int index);

public slots:
    void SlotChangeLanguage(int index);

private slots:
    void on_CloseButton_clicked();
    void on_NewHong_clicked();

private:
    void readRoot();
    void readTexts();

    Ui::ExeIsRun *ui;
    QXmlStreamReader languageReader;
    QString label2Text;
    QString pleaseStopText;
};
