#pragma once

#include <QDialog>
#include <QList>

class QAbstractButton;
class QButtonGroup;
class QFrame;
class QLabel;
class QSlider;

// What the two receiver-screen dialogs share: a screen on/off switch, a
// brightness slider of five steps, four picture slots of which at most one
// is checked, import and export buttons and a close button. They only show
// these: nothing here sends to the device or writes a file. The settings
// page holds both; nothing shows them, so they show the texts of their
// forms.
class ScreenDialog : public QDialog
{
    Q_OBJECT

public:
    struct Widgets
    {
        QFrame *frame;
        QAbstractButton *screenSwitch;
        QLabel *switchCaption;
        QLabel *slotsCaption;
        QLabel *brightnessCaption;
        QSlider *brightness;
        QList<QAbstractButton *> pictureSlots;
        QList<QLabel *> slotNumbers;
        QAbstractButton *import;
        QAbstractButton *exportButton;
        QAbstractButton *closeButton;
    };

public slots:
    void SlotAllLanguage(int index);

protected:
    explicit ScreenDialog(QWidget *parent);

    // Call after setupUi: flags, skins and the picture slots' group.
    void dress(const Widgets &widgets);

private slots:
    void on_CloseButton_clicked();

private:
    Widgets m_widgets = {};
    QButtonGroup *m_pictureSlots;
};

// Both forms name their controls alike.
template<typename Form>
ScreenDialog::Widgets screenDialogWidgets(const Form *ui)
{
    return {ui->InputPicAFrame, ui->CheckButton, ui->label, ui->label_2, ui->label_3, ui->SpeedH,
            {ui->toolButtonA, ui->toolButtonB, ui->toolButtonC, ui->toolButtonD},
            {ui->label_4, ui->label_5, ui->label_6, ui->label_7},
            ui->Input, ui->Output, ui->CloseButton};
}
