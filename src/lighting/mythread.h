#pragma once

#include <QThread>

// The screen dialog's worker thread. Nothing starts it; started, it writes
// a line to the debug log until it is asked to stop, which its destructor
// does before it waits for the thread to end.
class MyThread : public QThread
{
public:
    MyThread() = default;
    ~MyThread() override;

protected:
    void run() override;
};
