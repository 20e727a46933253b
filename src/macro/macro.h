#pragma once

#include "elapsedclock.h"
#include "flashdatamap.h"
#include "macroitem.h"

#include <QWidget>

#include <memory>
#include <optional>

class DeferredSkin;
class MacroRecorder;
class MacroStepList;
class QButtonGroup;
class QListWidgetItem;

namespace Ui {
class Macro;
}

// The macro page, the third page of the configuration frame: the user's
// macros (one file each in the macro folder) on the left, the steps of the
// chosen one in the middle, recording, repeat mode, inserting events and
// Save on the right. It reaches the key page only through the hub: Save
// names the macro whose steps or repeat mode changed, and the key page asks
// the page to send it to the keys bound to it.
class Macro : public QWidget
{
    Q_OBJECT

public:
    // Recording measures its delays on `clock`.
    explicit Macro(QWidget *parent = nullptr, const ElapsedClock &clock = ElapsedClock::monotonic());
    ~Macro() override;

public slots:
    // The key page shows a key bound to a macro: the macro joins the list,
    // its file written from the device's block when it has none.
    void SlotButtonToMacro(FlashDataMap DataMap, int KeyNumer);
    // Sends the saved macro of that name to key `index`.
    void SlotMacroDownLoadData(QString MacroName, int index);
    // The frame went back to the device selection: a recording stops.
    void SlotSetMacroPage();
    void SlotAllLanguage(int index);

private slots:
    void on_NewHong_clicked();
    void on_DeleteHong_clicked();
    void on_Amend_clicked();
    void on_ChooseEvent_activated(int index);
    void on_DeleteKey_clicked();
    void on_StartRecord_clicked();
    void on_StopRecord_clicked();
    void on_Save_clicked();
    void on_NumberEdit_valueChanged(int);
    void on_DelayTime_valueChanged(int value);
    void on_listWidgetHong_currentItemChanged(QListWidgetItem *current);
    void on_listWidgetHong_customContextMenuRequested(const QPoint &pos);
    void ExPortMacro();
    void InPortMacro();
    void RenameMacro();

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void applyStyles();
    void loadMacroList();
    void connectHub();

    QString currentName() const;
    bool hasEntry(const QString &name) const;
    void selectNewEntry(const QString &name);
    void showMacro(const QString &name);
    int repeatValue() const;
    void showRepeat(int repeat);
    void setSaveActive(bool active);
    void stepsEdited();
    void repeatEdited();
    void showRecording(bool recording);
    void addRecorded(const MacroItem &item);

    // Runs the dialogs, placed on the page; none when cancelled.
    QString askName(bool rename);
    std::optional<MacroItem> askKey(int action);
    std::optional<MacroItem> askDelay();
    bool refusedWhileRecording();
    bool refusedBeyondKeyLimit(int addedKeys);
    bool acceptsNewName(const QString &name);
    // A failure in the current language, at the end of the page's texts.
    void tell(int textPosition);

    Ui::Macro *ui;
    DeferredSkin *skin;
    std::unique_ptr<MacroStepList> steps;
    MacroRecorder *recorder;
    QButtonGroup *delayModeGroup;
    QButtonGroup *repeatModeGroup;
    bool stepsModified = false;
    bool repeatModified = false;
    QString macroRealText;
    QStringList macroMenuTexts;
};
