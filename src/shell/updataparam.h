#pragma once

#include "languagedialog.h"

class QTimer;

namespace Ui {
class UpDataParam;
}

// What the wait dialog's label says: 0 the settings update, 1 the import.
// The key-assignment page's import sets 1 while its dialog exists.
extern int g_updataParamMode;

// Blocks the window while the device's configuration is replaced as a
// whole. 2500 ms after its timer starts it does the work itself: it imports
// a profile file and writes it to the device (import mode), or waits for
// the key-assignment and sensor pages to apply a configuration the device
// link delivered (wait and default mode), reporting the device offline or
// silent when that does not happen in time; then it closes.
class UpDataParam : public LanguageDialog
{
    Q_OBJECT

public:
    explicit UpDataParam(QWidget *parent = nullptr);
    ~UpDataParam() override;

    // The run comes 2500 ms after the last start.
    void startCloseTimer();

    QString filePath;
    // The next run imports filePath.
    bool importMode = false;
    // The next run only waits for the pages; it comes before importMode.
    bool waitMode = false;

public slots:
    void SlotAllLanguage(int index) override;
    void onTimeupDestroy();

private:
    void waitForPages();
    void importProfile();
    void showCachedRecord();
    void confirmDeviceRecord();
    // Up to 12 checks, 500 ms apart, for both pages' acknowledgement.
    bool pagesApplied(bool clearWhenApplied);

    Ui::UpDataParam *ui;
    QTimer *closeTimer;
};
