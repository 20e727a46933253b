#pragma once

#include "devicelinktest.h"
#include "deviceeventcallback.h"
#include "founddevices.h"
#include "hubprobe.h"
#include "languagefilereader.h"
#include "languagetables.h"

#include <hidusb_sim.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QtTest>

// Shared helpers of the window tests: the shipped language files and a watcher that closes whatever
// modal dialog opens and remembers its class.
namespace ShellTest {

inline void loadShippedLanguages()
{
    languageTextTable = LanguageTables();
    LanguageFileReader::loadLanguageFolder(QCoreApplication::applicationDirPath() + QStringLiteral("/Language"),
                                           languageTextTable);
}

// The device link's state back at its start, as before any window opened,
// on the default simulated devices.
inline void resetForWindows()
{
    DeviceLinkTest::resetAll();
    g_devicePageState = 0;
    g_deviceUiLive = false;
    g_macroRecording = false;
    deviceCacheName.set(QString());
    g_selectedDeviceCacheName.set(QString());
    FoundDeviceList.clear();
    g_foundDeviceListB.clear();
}

// A stand-in for the pages that also writes down the signals between windows.
inline HubProbe *makeWindowProbe()
{
    auto *probe = new HubProbe;
    probe->watchWindowSignals();
    return probe;
}

// The settings-update wait the configuration frame shows, once it made one.
inline QWidget *waitDialog()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->inherits("UpDataParam"))
            return widget;
    }
    return nullptr;
}

// The library calls that tell about the window's state, oldest first.
inline QStringList windowCalls()
{
    QStringList calls;
    for (const QString &call : HidUsbSim::callLog()) {
        if (call.startsWith("StartUsbChanged") || call.startsWith("StopUsbChanged")
            || call.startsWith("UsbServer_Exit") || call.startsWith("UsbServer_SetPCDriverStatus")
            || call.startsWith("UsbServerC_Start"))
            calls.append(call);
    }
    return calls;
}

// Answers a file dialog as a user typing `name` and Enter; queued, as its
// questions (replace a file?) are modal dialogs of their own.
inline void typeFileName(QWidget *fileDialog, const QString &name)
{
    fileDialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->setText(name);
    QMetaObject::invokeMethod(fileDialog, "accept", Qt::QueuedConnection);
}

// Watches for modal dialogs: writes down the class of each that opens and
// hands it to `handle`, which says whether to close it (by default every
// one is closed).
class ModalCloser : public QObject
{
public:
    using Handler = std::function<bool(QWidget *)>;

    explicit ModalCloser(Handler handle = {})
        : m_handle(std::move(handle))
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            // A dialog that was hidden counts anew when it shows again.
            for (int index = m_handled.size() - 1; index >= 0; --index) {
                if (!m_handled.at(index) || !m_handled.at(index)->isVisible())
                    m_handled.removeAt(index);
            }
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog || m_handled.contains(dialog))
                return;
            seen.append(QString::fromLatin1(dialog->metaObject()->className()));
            if (!m_handle || m_handle(dialog))
                dialog->close();
            else
                m_handled.append(dialog);
        });
        m_timer.start(20);
    }

    QStringList seen;

private:
    Handler m_handle;
    QTimer m_timer;
    QList<QPointer<QWidget>> m_handled;
};

} // namespace ShellTest
