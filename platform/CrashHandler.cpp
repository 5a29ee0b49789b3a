#include "CrashHandler.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QMessageBox>

#include <execinfo.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <ctime>
#include <string>
#include <vector>

namespace {

constexpr int kBacktraceDepth = 64;
// Room for a 64-bit number in any base from 10 up, and its terminator.
constexpr size_t kNumberSize = 24;
constexpr size_t kAlternateStackSize = 64 * 1024;
constexpr long long kSecondsPerDay = 24 * 60 * 60;
constexpr int kCaughtSignals[] = {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT};
const char* const kDumpFolderName = "DumpCrashes";

// Everything the handler touches, made by install(): the handler only fills
// the fixed buffers and reads the rest.
struct CrashState
{
    std::string folder;
    std::string path;
    char fileName[kNumberSize] = {};
    char signalText[kNumberSize] = {};
    char addressText[kNumberSize] = {};
    std::vector<std::string> reporter;
    std::vector<char*> reporterArguments;
    long utcOffset = 0;
    std::vector<char> alternateStack;
};

// Never destroyed: a crash during the exit's clean-up still finds it whole.
CrashState& crashState = *new CrashState;

void writeText(int fd, const char* text)
{
    size_t length = 0;
    while (text[length] != '\0')
        ++length;
    while (length > 0) {
        const ssize_t written = write(fd, text, length);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return;
        text += written;
        length -= size_t(written);
    }
}

// Writes value into text in the base, with at least minDigits digits, and
// returns the position after the last digit (the text is terminated there).
char* formatNumber(char* text, unsigned long long value, unsigned base, int minDigits)
{
    char reversed[kNumberSize];
    int count = 0;
    do {
        reversed[count++] = "0123456789abcdef"[value % base];
        value /= base;
    } while (value != 0 || count < minDigits);
    for (int i = 0; i < count; ++i)
        text[i] = reversed[count - 1 - i];
    text[count] = '\0';
    return text + count;
}

const char* signalName(int signal)
{
    switch (signal) {
    case SIGSEGV: return "SIGSEGV";
    case SIGBUS: return "SIGBUS";
    case SIGFPE: return "SIGFPE";
    case SIGILL: return "SIGILL";
    case SIGABRT: return "SIGABRT";
    default: return "unknown";
    }
}

// "yyyyMMddhhmmss.dmp" of the local time, from the offset taken at install:
// the library's own conversion may lock or allocate.
void nameDump(char* fileName)
{
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    const long long local = now.tv_sec + crashState.utcOffset;
    long long days = local / kSecondsPerDay;
    long long seconds = local % kSecondsPerDay;
    if (seconds < 0) {
        seconds += kSecondsPerDay;
        --days;
    }
    // Days since 1970-01-01 to a civil date, counted in 400-year eras from 0000-03-01.
    const long long shifted = days + 719468;
    const long long era = (shifted >= 0 ? shifted : shifted - 146096) / 146097;
    const long long dayOfEra = shifted - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long monthFromMarch = (5 * dayOfYear + 2) / 153;
    const long long day = dayOfYear - (153 * monthFromMarch + 2) / 5 + 1;
    const long long month = monthFromMarch < 10 ? monthFromMarch + 3 : monthFromMarch - 9;
    const long long year = yearOfEra + era * 400 + (month <= 2 ? 1 : 0);

    char* end = formatNumber(fileName, static_cast<unsigned long long>(year), 10, 4);
    for (long long part : {month, day, seconds / 3600, seconds / 60 % 60, seconds % 60})
        end = formatNumber(end, static_cast<unsigned long long>(part), 10, 2);
    for (const char* suffix = ".dmp"; *suffix != '\0'; ++suffix)
        *end++ = *suffix;
    *end = '\0';
}

void composePath()
{
    char* end = crashState.path.data();
    for (const char* part : {crashState.folder.c_str(), "/", static_cast<const char*>(crashState.fileName)})
        while (*part != '\0')
            *end++ = *part++;
    *end = '\0';
}

void writeDump(int signal)
{
    const int fd = open(crashState.path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        writeText(STDERR_FILENO, "The crash report cannot be created\n");
        return;
    }
    for (const char* text : {"Crash report\nSignal: ", static_cast<const char*>(crashState.signalText), " (",
                             signalName(signal), ")\nAddress: 0x",
                             static_cast<const char*>(crashState.addressText), "\nBacktrace:\n"})
        writeText(fd, text);
    void* frames[kBacktraceDepth];
    backtrace_symbols_fd(frames, backtrace(frames, kBacktraceDepth), fd);
    close(fd);
}

// _Fork, unlike fork, runs no fork handlers, which could wait for a lock the
// faulting thread holds.
void startReporter()
{
    const pid_t child = _Fork();
    if (child != 0)
        return;
    sigset_t none;
    sigemptyset(&none);
    sigprocmask(SIG_SETMASK, &none, nullptr);
    execv(crashState.reporterArguments[0], crashState.reporterArguments.data());
    _exit(127);
}

void onCrash(int signal, siginfo_t* info, void*)
{
    writeText(STDERR_FILENO, "begin crash handler\n");
    // A fault's address; a signal sent by a process has none.
    const void* address = info != nullptr && info->si_code > 0 ? info->si_addr : nullptr;
    formatNumber(crashState.signalText, static_cast<unsigned long long>(signal), 10, 1);
    formatNumber(crashState.addressText, reinterpret_cast<unsigned long long>(address), 16, 1);
    if (mkdir(crashState.folder.c_str(), 0755) != 0 && errno != EEXIST) {
        writeText(STDERR_FILENO, "Create DumpCrashes failed\n");
    } else {
        nameDump(crashState.fileName);
        composePath();
        writeDump(signal);
        startReporter();
    }
    writeText(STDERR_FILENO, "end crash handler\n");
    // The action was reset on entry: once the handler returns, the signal
    // ends the process as if nothing had caught it.
    raise(signal);
}

std::string localBytes(const QString& text)
{
    return QFile::encodeName(text).toStdString();
}

void prepareReporter(const QStringList& reporter)
{
    crashState.reporter.clear();
    for (const QString& argument : reporter)
        crashState.reporter.push_back(localBytes(argument));
    crashState.reporterArguments.clear();
    for (std::string& argument : crashState.reporter)
        crashState.reporterArguments.push_back(argument.data());
    for (char* appended : {crashState.fileName, crashState.folder.data(), crashState.signalText,
                           crashState.addressText, static_cast<char*>(nullptr)})
        crashState.reporterArguments.push_back(appended);
}

bool installAlternateStack()
{
    crashState.alternateStack.resize(std::max<size_t>(kAlternateStackSize, SIGSTKSZ));
    stack_t stack{};
    stack.ss_sp = crashState.alternateStack.data();
    stack.ss_size = crashState.alternateStack.size();
    return sigaltstack(&stack, nullptr) == 0;
}

// Whether a report could be written into folder: it is a folder that takes a
// new file, or it is missing and its parent takes a new folder. Tried for
// real, since permissions alone do not tell (root, read-only mounts).
bool canWriteReports(const QString& folder)
{
    const QFileInfo info(folder);
    if (info.exists())
        return info.isDir() && QTemporaryFile(folder + "/XXXXXX.probe").open();
    QDir parent = info.dir();
    if (!parent.mkdir(info.fileName()))
        return false;
    parent.rmdir(info.fileName());
    return true;
}

} // namespace

QString CrashHandler::chooseDumpFolder(const QString& programFolder)
{
    const QString beside = QDir::cleanPath(programFolder + "/" + kDumpFolderName);
    if (canWriteReports(beside))
        return beside;
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    const QString inData = QDir::cleanPath(data + "/" + kDumpFolderName);
    if (!QDir().mkpath(inData))
        qDebug() << "Neither" << beside << "nor" << inData << "can take crash reports";
    return inData;
}

bool CrashHandler::install(const QString& dumpFolder, const QStringList& reporter)
{
    if (reporter.isEmpty() || dumpFolder.isEmpty())
        return false;
    crashState.folder = localBytes(QDir::cleanPath(dumpFolder));
    crashState.path.assign(crashState.folder.size() + 1 + kNumberSize, '\0');
    prepareReporter(reporter);

    const time_t now = time(nullptr);
    tm local{};
    localtime_r(&now, &local);
    crashState.utcOffset = local.tm_gmtoff;
    // The first backtrace loads the unwinder, which allocates: not in the handler.
    void* frame[1];
    backtrace(frame, 1);

    if (!installAlternateStack())
        return false;
    struct sigaction action{};
    action.sa_sigaction = onCrash;
    action.sa_flags = SA_SIGINFO | SA_ONSTACK | SA_RESETHAND;
    sigemptyset(&action.sa_mask);
    for (int signal : kCaughtSignals) {
        if (sigaction(signal, &action, nullptr) != 0)
            return false;
    }
    return true;
}

QString CrashHandler::reportMessage(const QString& fileName, const QString& folder, int signal,
                                    const QString& address)
{
    return tr("App crash catched!") + "\n\n" + tr("%1: 0x%2").arg(tr("Error code"), QString::number(signal, 16))
           + "\n" + tr("%1: 0x%2").arg(tr("Error address"), address) + "\n\n"
           + tr("Crash report '%1' has been saved to %2").arg(fileName, folder);
}

int CrashHandler::showReport(const QStringList& arguments)
{
    bool isNumber = false;
    const int signal = arguments.size() == 4 ? arguments[2].toInt(&isNumber) : 0;
    if (!isNumber) {
        qDebug() << "Not a crash report:" << arguments;
        return 1;
    }
    QMessageBox::critical(nullptr, tr("Crash Occurs"), reportMessage(arguments[0], arguments[1], signal, arguments[3]),
                          QMessageBox::Ok);
    return 0;
}
