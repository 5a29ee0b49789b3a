#pragma once

#include <QMutex>
#include <QStringList>
#include <QtGlobal>

// Keeps what is logged while it lives, from any thread (an export's too).
class LogRecorder
{
public:
    LogRecorder() : _previous(qInstallMessageHandler(record))
    {
        QMutexLocker lock(&mutex());
        log().clear();
    }
    ~LogRecorder() { qInstallMessageHandler(_previous); }
    LogRecorder(const LogRecorder&) = delete;
    LogRecorder& operator=(const LogRecorder&) = delete;

    QStringList lines() const
    {
        QMutexLocker lock(&mutex());
        return log();
    }

private:
    static QMutex& mutex()
    {
        static QMutex guard;
        return guard;
    }
    static QStringList& log()
    {
        static QStringList lines;
        return lines;
    }
    static void record(QtMsgType, const QMessageLogContext&, const QString& message)
    {
        QMutexLocker lock(&mutex());
        log() << message;
    }

    QtMessageHandler _previous;
};
