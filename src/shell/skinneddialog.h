#pragma once

#include <QDialog>
#include <QList>

class DeferredSkin;
class QFrame;
class QLabel;
class QToolButton;

// The look every small dialog shares: frameless and modal, 300 x 140, a
// background picture on one frame, white text and the close and confirm
// buttons drawn from the pictures in the program folder's
// "Picture/WarningDialog/". A missing picture only leaves its widget bare.
class SkinnedDialog : public QDialog
{
    Q_OBJECT
public:
    // Once the program ends nothing shows any more: a notice or a wait
    // asked for meanwhile (a timer ran out, the device did not answer)
    // would hold the quit until someone answered it. Rejected then.
    int exec() override;

protected:
    explicit SkinnedDialog(QWidget *parent);

    // Sets the window flags, and the style sheets through `skin`; call it
    // after setupUi. A dialog without a close button passes none.
    // The frame's style is addressed to its object name so it does not
    // reach the children.
    void applySkin(QFrame *frame, QLabel *label, QToolButton *closeButton,
                   const QList<QToolButton *> &textButtons);
    // The white text of the skin, for a dialog's further labels.
    void skinLabel(QLabel *label);
    // Gives an input field the text colour the Option "LinEditColor" names
    // on black: only the fields take a colour of the program settings, and
    // that colour is light.
    void colourInputField(QWidget *field);

    const QString picturePath;
    // Some dialogs are built long before they show (the settings-update wait
    // and the repair dialog at start-up): every sheet of a dialog, its own
    // ones too, goes through this, so their pictures wait for the first show.
    DeferredSkin *const skin;
};
