#include "mythread.h"

#include <QDebug>

MyThread::~MyThread()
{
    requestInterruption();
    wait();
}

void MyThread::run()
{
    while (!isInterruptionRequested())
        qDebug() << "Thread is running";
}
