#include "singleinstance.h"

#include <QSharedMemory>

SingleInstance::SingleInstance(const QString &key)
    : m_key(key)
    , m_memory(new QSharedMemory(key))
{
}

SingleInstance::~SingleInstance()
{
    delete m_memory;
}

bool SingleInstance::isAnotherRunning()
{
    clearStaleSegment();
    return m_memory->attach(QSharedMemory::ReadWrite);
}

void SingleInstance::claim()
{
    if (!m_memory->create(1, QSharedMemory::ReadWrite))
        qWarning("Cannot create the single-instance segment: %s",
                 qPrintable(m_memory->errorString()));
}

void SingleInstance::release()
{
    if (m_memory->isAttached())
        m_memory->detach();
}

void SingleInstance::clearStaleSegment()
{
    // Detaching removes the segment when no other process is attached,
    // which is exactly the case of a crashed or killed instance.
    QSharedMemory probe(m_key);
    if (probe.attach(QSharedMemory::ReadOnly))
        probe.detach();
}
