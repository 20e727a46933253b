#pragma once

#include "flashdatamap.h"
#include "keypagebuttons.h"
#include "sensorcapabilities.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <QWidget>

#include <array>
#include <functional>
#include <optional>
#include <utility>

class DeferredSkin;
class IniFileStore;
class QButtonGroup;
class QDialog;
class QToolButton;
struct MacroText;

namespace Ui {
class Buttoninterface;
}

// The key-assignment page, the first page of the configuration frame: what
// the mouse's six programmable buttons do, the on-board configuration and
// the buttons' debounce time. It creates the device worker, which lives
// as long as the page.
//
// The binding lists mirror the key entries {type, code, param} of the
// device's record, indexed by device key (0 to 5, never by the button's
// place on the page). They change only after a sender succeeded, or when
// the page fills itself from a record.
class Buttoninterface : public QWidget
{
    Q_OBJECT

public:
    explicit Buttoninterface(QWidget *parent = nullptr);
    // Stops the device worker and the hot-plug watch.
    ~Buttoninterface() override;

    // Records a binding the device took; sends nothing, shows nothing.
    void SetButtonBinding(int key, int type, int code, int param);
    // Captions key `key` after its binding. A macro binding also gives a
    // macro without a file one from the record, and tells the macro page.
    void ShowButtonBinding(int key, int type, int code, int param, const FlashDataMap &record);

    // The model's "KeyNumber": how many keys a record's bindings fill, 0 to 6.
    static int modelKeyCount(const IniFileStore &config, const QString &group);

    // The device link is about to be let go: macros saved within their
    // pause go to their keys now.
    void sendSavedMacros();

public slots:
    // A record the device link delivered; the settings-update wait waits
    // for g_buttonUiApplied.
    void SlotUpDataButtonUIButton(FlashDataMap DataMap);
    // An imported record.
    void SlotUpDataButtonUIB(FlashDataMap DataMap);
    // No record exists: the bindings are the defaults, the captions stay.
    void SlotFormResetButton();
    void SlotUpDataConfigUI(int ToTalItem, int SelectIndex, bool ItemEnable);
    void SlotMouseIndex(int index);
    void SlotAddMacroButton();
    // The macro page deleted a macro: keys bound to it get their defaults back.
    void SlotDeleteMacroButton(QString MacroName);
    void SlotUpDataMacro(QString MacroName, int index);
    void SlotMacroRename(QString Rename, QString Name);
    void SlotAllLanguage(int index);

private slots:
    void on_OutputData_clicked();
    void on_ImportData_clicked();
    void on_Reset_clicked();
    void on_ProjectChoose_activated(int index);
    // Rapid fire and key combinations are bound from their dialogs' OK
    // only: the buttons report a click on the press and on a double click.
    void on_DPI_6_clicked();
    void on_DPI_8_clicked();
    void on_DPI_10_clicked();
    // A macro-list button binds its macro.
    void slotButtonClicked(bool checked);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void styleControls();
    void makeButtonGroups();
    void connectFunctionButtons();
    // The key-select rule of every key button.
    void selectKey(int key);
    void showKeyBinding(int key);
    // The key shows the left click and no other key does.
    bool holdsLastLeftClick(int key) const;
    void refuseLastLeftClick();
    // The selected key, unless none is selected or binding it would take
    // the last left click away; the user is told so, and no key stays
    // selected. Whatever selected the key, a binding goes through here.
    std::optional<int> bindableKey(bool keepsLeftClick = false);
    void bindToSelectedKey(bool keepsLeftClick, const std::function<void(int)> &bind);
    bool sendKeyFunction(int key, int type, int code, int param, const QString &caption);
    void bindMacro(int key, const QString &name);
    bool readBindableMacro(const QString &name, MacroText *macro);
    void runDialog(QDialog &dialog);
    // A saved macro and the keys it goes to once its save settled.
    using MacroSave = std::pair<QString, QVector<int>>;
    void sendMacroToKeys(const MacroSave &save);
    void forgetSavedMacros();
    void setKeyListBarWidth(int pixels);
    void showMacroList(const QStringList &names);
    QToolButton *newMacroButton(const QString &name, int place);
    void padMacroList();
    void fillFrom(const FlashDataMap &record);
    void recaptionKeys();
    std::optional<QString> bindingCaption(int key, int type, int code, const FlashDataMap &record) const;
    void keepMacroFile(int key, int param, const FlashDataMap &record);
    void restoreModelDefault(int key, const QStringList &keyParam);
    bool bindFixedFunction(int key, int type, int code);
    bool bindMediaFunction(int key, int lowByte);
    bool bindKeyCombination(int key, const QString &text);
    void clearOtherFunctionChecks();
    void clearKeySelection();
    void showRestingView();
    // The keys bound to a macro whose caption is `caption`, in the page's order.
    QVector<int> keysCaptioned(const QString &caption) const;
    QString keyCaption(int key) const;
    void setKeyCaption(int key, const QString &caption);

    Ui::Buttoninterface *ui;
    DeferredSkin *const skin;
    QButtonGroup *keyGroup = nullptr;
    QButtonGroup *mouseFunctionGroup = nullptr;
    QButtonGroup *otherFunctionGroup = nullptr;
    std::array<int, PageKeyCount> keyTypeList{};
    std::array<int, PageKeyCount> keyCodeList{};
    std::array<int, PageKeyCount> keyParamList{};
    // Set by the first fill or reset: until then the form's captions stand.
    bool bindingsKnown = false;
    QString pageSensorId;
    const SensorCapabilities sensorCapabilities;
    // The folder's macros in its order, then hidden buttons that pad a
    // short list.
    QVector<QToolButton *> macroButtons;
    QVector<QToolButton *> macroListFillers;
    QString macroCaptionPrefix;
    QString configItemPrefix;
    // Saves waiting out their pause for the device the frame shows.
    QVector<MacroSave> savedMacros;
};
