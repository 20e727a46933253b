#pragma once

#include <QObject>

class QSocketNotifier;

// A session that ends, or a terminal's Ctrl+C, asks the program to stop
// with SIGTERM, SIGHUP or SIGINT. Instead of dying mid-way, the program
// hears it through received() on its GUI thread, and leaves the way the
// user would have, with 0.
class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

signals:
    void received();

private:
    void onSignal();

    QSocketNotifier *m_notifier = nullptr;
};
