#pragma once

#include <QString>
#include <QThread>

#include <atomic>

// Copies one directory with everything in it to a given place on a thread of
// its own (the projects list duplicates a project with it). The caller makes
// the destination, waits for the thread to finish and then reads the result.
class DirCopier : public QThread
{
    Q_OBJECT

public:
    DirCopier(QObject* parent, const QString& sourcePath, const QString& destinationPath);
    ~DirCopier() override;

    // False until a run copied everything; valid once the thread has finished.
    bool succeeded() const { return _succeeded; }

protected:
    void run() override;

private:
    QString _sourcePath;
    QString _destinationPath;
    std::atomic<bool> _succeeded{false};
};
