#pragma once

#include "languagefilereader.h"
#include "languagetables.h"

#include <hidusb_sim.h>

#include <QApplication>
#include <QDir>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QtTest>

// Shared helpers of the window tests: the shipped language files, scenario
// files written into the test home, and a watcher that closes whatever
// modal dialog opens and remembers its class.
namespace ShellTest {

inline void loadShippedLanguages()
{
    languageTextTable = LanguageTables();
    LanguageFileReader::loadLanguageFolder(QCoreApplication::applicationDirPath() + QStringLiteral("/Language"),
                                           languageTextTable);
}

inline bool loadScenario(const QByteArray &ini)
{
    static int count = 0;
    const QString path = QDir::homePath() + QStringLiteral("/scenario-%1.ini").arg(++count);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("[Bus]\nLatency=0\nIdsReadyAfter=0\n" + ini);
    file.close();
    return HidUsbSim::loadScenario(path);
}

// Closes every modal dialog shortly after it opens, writing down its class
// name and, when asked, running a check on it first.
class ModalCloser : public QObject
{
public:
    explicit ModalCloser(std::function<void(QWidget *)> check = {})
        : m_check(std::move(check))
    {
        connect(&m_timer, &QTimer::timeout, this, [this] {
            QWidget *dialog = QApplication::activeModalWidget();
            if (!dialog || dialog == m_last)
                return;
            m_last = dialog;
            seen.append(QString::fromLatin1(dialog->metaObject()->className()));
            if (m_check)
                m_check(dialog);
            dialog->close();
        });
        m_timer.start(20);
    }

    QStringList seen;

private:
    std::function<void(QWidget *)> m_check;
    QTimer m_timer;
    QPointer<QWidget> m_last;
};

} // namespace ShellTest
