#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

// Writes a crash report when the program faults. On SIGSEGV, SIGBUS, SIGFPE,
// SIGILL or SIGABRT the handler, running on an alternate stack, writes
// "<yyyyMMddhhmmss>.dmp" (local time) into the dump folder with the signal,
// the fault address and a backtrace, starts a separate reporter process that
// tells the user, and lets the signal end the process as it would have.
//
// The handler is async-signal-safe: everything it needs (paths, the
// reporter's argument vector, the time zone's offset, the stack) is prepared
// by install(), and it calls neither Qt nor malloc. Only the thread that
// installs it gets the alternate stack; a stack overflow on another thread
// ends the process without a report.
class CrashHandler
{
    Q_DECLARE_TR_FUNCTIONS(CrashHandler)

public:
    // dumpFolder is made at crash time when missing. reporter is the program
    // and its leading arguments; the handler appends the dump's file name,
    // the dump folder, the signal number and the fault address in hexadecimal.
    // False when the handler could not be installed.
    static bool install(const QString& dumpFolder, const QStringList& reporter);

    // The folder the reports go to: "DumpCrashes" in programFolder when that
    // can be written (an installed program's folder usually cannot), else
    // "DumpCrashes" in the user's data folder, made here. Decided before any
    // crash: the handler cannot look for a place.
    static QString chooseDumpFolder(const QString& programFolder);

    // What the reporter shows for a crash.
    static QString reportMessage(const QString& fileName, const QString& folder, int signal,
                                 const QString& address);
    // The reporter's side: arguments as the handler appends them. Shows the
    // message box "Crash Occurs" and returns the process's exit code (1 when
    // the arguments are not a report).
    static int showReport(const QStringList& arguments);
};
