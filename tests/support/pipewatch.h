#pragma once

#include <QFile>
#include <QString>

#include <atomic>
#include <chrono>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// A named pipe at `path` for the time of a test. A reader that opens it the
// blocking way waits for a writer for good; after a second the watch plays
// that writer, so the test goes on and fails on readerWaited() instead of
// hanging. A reader that looks before it reads holds the pipe for no more
// than a moment.
class PipeWatch
{
public:
    explicit PipeWatch(const QString &path)
        : m_path(QFile::encodeName(path))
    {
        m_made = ::mkfifo(m_path.constData(), 0600) == 0;
        m_watch = std::thread([this] { watch(); });
    }

    ~PipeWatch()
    {
        m_done = true;
        m_watch.join();
        ::unlink(m_path.constData());
    }

    bool made() const { return m_made; }
    bool readerWaited() const { return m_readerWaited; }

private:
    void watch()
    {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(1);
        while (!m_done) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            if (std::chrono::steady_clock::now() < deadline)
                continue;
            // Only with a reader there does a writer's open succeed at once.
            const int writer = ::open(m_path.constData(), O_WRONLY | O_NONBLOCK);
            if (writer >= 0) {
                m_readerWaited = true;
                ::close(writer);
            }
        }
    }

    const QByteArray m_path;
    bool m_made = false;
    std::atomic<bool> m_done{false};
    std::atomic<bool> m_readerWaited{false};
    std::thread m_watch;
};
