#pragma once

#include <QString>

// Writes a crash report into a dump folder when the process dies of
// SIGSEGV, SIGBUS, SIGFPE, SIGILL or SIGABRT, then lets the signal end the
// process as it would have. The report is named after the local time,
// "yyyy_MM_dd_hh_mm_ss.dmp", and holds the signal, the fault address, the
// process and thread ids and a raw backtrace.
//
// Everything the handler needs is prepared by installCrashHandler(): the
// handler itself allocates nothing and touches no Qt. It runs on the
// crashing thread's AlternateSignalStack, so a stack overflow is reported
// too: the installing thread gets one here, every other thread the program
// starts makes its own.
class CrashHandler
{
public:
    explicit CrashHandler(const QString &dumpFolder);

    // Replaces any handler installed before, for the whole process.
    void installCrashHandler();

private:
    QString m_dumpFolder;
};
