#pragma once

#include <QFile>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// A named pipe at `path` for the time of a test. Opened to read the
// blocking way it would hold its reader for good: after a second the watch
// opens it to write, which lets such a reader go on, and says so.
class PipeWatch
{
public:
    explicit PipeWatch(const QString &path)
        : m_path(QFile::encodeName(path))
    {
        ::mkfifo(m_path.constData(), 0600);
        m_watch = std::thread([this] {
            for (int tick = 1; !m_done; ++tick) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
                // A writer's open succeeds at once only while a reader is there.
                const int writer = tick < 50 ? -1 : ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
                // Told before the close: a reader that reads waits for it.
                if (writer >= 0) {
                    m_readerWaited = true;
                    ::close(writer);
                }
            }
        });
    }

    ~PipeWatch()
    {
        m_done = true;
        m_watch.join();
        ::unlink(m_path.constData());
    }

    bool readerWaited() const { return m_readerWaited; }

private:
    const QByteArray m_path;
    std::atomic<bool> m_done{false};
    std::atomic<bool> m_readerWaited{false};
    std::thread m_watch;
};
