#pragma once

#include "elapsedclock.h"
#include "languagedialog.h"

#include <QStringList>

#include <memory>
#include <optional>

class KeyboardCapture;

namespace Ui {
class GroupKey;
}

// Takes a key combination from the keyboard: up to three keys typed within
// two seconds of the first, and the modifiers ticked in its boxes. After
// exec() the caller reads `accepted` and `keyText`, the names joined by "+",
// the ticked modifiers first ("Shift+Ctrl+A"); OK with nothing typed or
// ticked accepts an empty text. More than three names are refused with the
// GroupMaxThree notice, and the dialog stays open.
class GroupKey : public LanguageDialog
{
    Q_OBJECT
public:
    explicit GroupKey(QWidget *parent = nullptr, const ElapsedClock &clock = ElapsedClock::monotonic());
    ~GroupKey() override;

    bool accepted = false;
    QString keyText;

public slots:
    void SlotAllLanguage(int index) override;

private slots:
    void on_CloseButton_clicked();
    void on_NewHong_2_clicked();
    void on_NewHong_clicked();
    void on_lineEdit_textEdited(const QString &arg1);

protected:
    // Esc and F12 are keys of a combination, not ways out.
    void keyPressEvent(QKeyEvent *event) override;
    // However the dialog goes, its capture goes with it: the capture calls
    // back into the dialog.
    void hideEvent(QHideEvent *event) override;

private:
    // `pressed`: a key went down, not by its auto-repeat.
    void UpdateCapslockTip(int keyCode, bool pressed);
    QStringList typedNames() const;
    QStringList tickedModifiers() const;

    Ui::GroupKey *ui;
    const ElapsedClock &clock;
    std::unique_ptr<KeyboardCapture> capture;
    // The key taken last; -1 when the next key may be any.
    int lastKeyCode = -1;
    // When the first key of the current combination came.
    std::optional<qint64> comboStart;
};
