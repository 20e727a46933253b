#pragma once

#include <QString>

class QSharedMemory;

// One running instance per user, decided through a shared-memory segment
// keyed by the application name. On Linux a segment outlives a process
// that crashed or was killed, so a segment no live process holds is cleared
// before the decision.
class SingleInstance
{
public:
    explicit SingleInstance(const QString &key);
    ~SingleInstance();

    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // True when another live process holds the segment.
    bool isAnotherRunning();
    // Creates the segment for this process; it stays until release().
    void claim();
    void release();

private:
    void clearStaleSegment();

    QString m_key;
    QSharedMemory *m_memory;
};
