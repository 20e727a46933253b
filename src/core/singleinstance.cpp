#include "singleinstance.h"

#include <QFile>
#include <QSharedMemory>

namespace {

// Each failed try has a reason that goes away (a stale segment removed, a
// segment another start removed under this one), so a few tries settle it.
constexpr int ClaimTries = 5;

} // namespace

SingleInstance::SingleInstance(const QString &key)
    : m_key(key)
    , m_memory(new QSharedMemory(key))
{
}

SingleInstance::~SingleInstance()
{
    delete m_memory;
}

bool SingleInstance::claim()
{
    for (int attempt = 0; attempt < ClaimTries; ++attempt) {
        if (m_memory->create(1, QSharedMemory::ReadWrite))
            return true;
        if (m_memory->error() == QSharedMemory::AlreadyExists && heldByAnother())
            return false;
    }
    // Running twice is the lesser harm than not running at all.
    qWarning("Cannot create the single-instance segment: %s", qPrintable(m_memory->errorString()));
    return true;
}

void SingleInstance::release()
{
    if (m_memory->isAttached())
        m_memory->detach();
}

bool SingleInstance::heldByAnother()
{
    QSharedMemory probe(m_key);
    if (!probe.attach(QSharedMemory::ReadOnly))
        return false;
    // Detaching the last attachment removes the segment and its key file,
    // which is exactly the case of a crashed or killed instance. A key file
    // still there means a live holder, or another start that just created
    // the segment anew: either way another instance runs.
    probe.detach();
    return QFile::exists(probe.nativeKey());
}
