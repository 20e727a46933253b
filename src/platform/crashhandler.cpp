#include "crashhandler.h"

#include "alternatesignalstack.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <execinfo.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

constexpr int handledSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
constexpr int maxFrames = 128;

// Prepared at install time, read by the handler.
char dumpFolder[4096];

// A fixed-size text builder on the stack: no allocation, truncates quietly.
class Line
{
public:
    void text(const char *s)
    {
        while (*s && m_length < sizeof m_buffer - 1)
            m_buffer[m_length++] = *s++;
    }
    void number(unsigned long long value, unsigned base = 10, int minDigits = 1)
    {
        char digits[32];
        int count = 0;
        do {
            digits[count++] = "0123456789abcdef"[value % base];
            value /= base;
        } while (value != 0 && count < int(sizeof digits));
        while (count < minDigits && count < int(sizeof digits))
            digits[count++] = '0';
        while (count > 0 && m_length < sizeof m_buffer - 1)
            m_buffer[m_length++] = digits[--count];
    }
    const char *data()
    {
        m_buffer[m_length] = '\0';
        return m_buffer;
    }
    void writeTo(int fd) const
    {
        size_t done = 0;
        while (done < m_length) {
            const ssize_t written = ::write(fd, m_buffer + done, m_length - done);
            if (written <= 0)
                return;
            done += size_t(written);
        }
    }

private:
    char m_buffer[4200];
    size_t m_length = 0;
};

const char *signalName(int signal)
{
    switch (signal) {
    case SIGSEGV: return "SIGSEGV";
    case SIGBUS: return "SIGBUS";
    case SIGFPE: return "SIGFPE";
    case SIGILL: return "SIGILL";
    case SIGABRT: return "SIGABRT";
    default: return "signal";
    }
}

void appendDumpPath(Line &path)
{
    const time_t now = time(nullptr);
    struct tm local;
    localtime_r(&now, &local);
    path.text(dumpFolder);
    path.text("/");
    path.number(unsigned(local.tm_year + 1900), 10, 4);
    path.text("_");
    path.number(unsigned(local.tm_mon + 1), 10, 2);
    path.text("_");
    path.number(unsigned(local.tm_mday), 10, 2);
    path.text("_");
    path.number(unsigned(local.tm_hour), 10, 2);
    path.text("_");
    path.number(unsigned(local.tm_min), 10, 2);
    path.text("_");
    path.number(unsigned(local.tm_sec), 10, 2);
    path.text(".dmp");
}

void writeReport(int fd, int signal, const siginfo_t *info)
{
    Line report;
    report.text("Talvo Lumerant 4K crash report\nsignal: ");
    report.number(unsigned(signal));
    report.text(" (");
    report.text(signalName(signal));
    report.text(")\nfault address: 0x");
    report.number(reinterpret_cast<unsigned long long>(info ? info->si_addr : nullptr), 16);
    report.text("\nprocess: ");
    report.number(unsigned(getpid()));
    report.text("\nthread: ");
    report.number(static_cast<unsigned long long>(syscall(SYS_gettid)));
    report.text("\nbacktrace:\n");
    report.writeTo(fd);

    void *frames[maxFrames];
    const int count = backtrace(frames, maxFrames);
    backtrace_symbols_fd(frames, count, fd);
}

void writeCrashDump(int signal, siginfo_t *info, void *)
{
    const int savedErrno = errno;
    mkdir(dumpFolder, 0755);
    Line path;
    appendDumpPath(path);
    const int fd = open(path.data(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd >= 0) {
        writeReport(fd, signal, info);
        close(fd);
    }
    errno = savedErrno;

    // Let the signal end the process as it would have without us.
    struct sigaction fallback;
    std::memset(&fallback, 0, sizeof fallback);
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    sigaction(signal, &fallback, nullptr);
    raise(signal);
}

} // namespace

CrashHandler::CrashHandler(const QString &dumpFolder)
    : m_dumpFolder(dumpFolder)
{
}

void CrashHandler::installCrashHandler()
{
    const QByteArray folder = QFile::encodeName(m_dumpFolder);
    const size_t length = std::min(size_t(folder.size()), sizeof dumpFolder - 1);
    std::memcpy(dumpFolder, folder.constData(), length);
    dumpFolder[length] = '\0';

    // Load what the handler calls lazily now, while allocating is still safe.
    tzset();
    void *frame[1];
    backtrace(frame, 1);

    // The installing thread is the GUI thread; every other thread makes its own.
    static const AlternateSignalStack installingThreadStack;

    struct sigaction action;
    std::memset(&action, 0, sizeof action);
    action.sa_sigaction = writeCrashDump;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK;
    sigemptyset(&action.sa_mask);
    for (int signal : handledSignals)
        sigaction(signal, &action, nullptr);
}
