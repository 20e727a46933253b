#pragma once

#include <QObject>

class QSocketNotifier;

// A session that ends, or a terminal's Ctrl+C, asks the program to stop
// with SIGTERM, SIGHUP or SIGINT. The program then leaves its event loops
// as if the user had quit, so that it releases what it holds and exits
// with 0 instead of dying mid-way.
class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

private:
    void onSignal();

    QSocketNotifier *m_notifier = nullptr;
};
