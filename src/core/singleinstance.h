#pragma once

#include <QString>

class QSharedMemory;

// One running instance per user, decided through a shared-memory segment
// keyed by the application name. On Linux a segment outlives a process
// that crashed or was killed, so a segment no live process holds is cleared
// on the way.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &key);
    ~SingleInstance();

    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // Creates the segment for this process; it stays until release(). False
    // when another live process holds it. Creating is the decision itself:
    // of two instances started together, only one can create the segment.
    bool claim();
    void release();

private:
    bool heldByAnother();

    QString m_key;
    QSharedMemory *m_memory;
};
