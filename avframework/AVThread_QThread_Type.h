#pragma once

#include <QThread>

// The engine's thread object: its run calls the entry function with the
// thread object and the argument. No parent object; owned by the record that
// created it (see avThreadCreate / avThreadFree).
class AVThread_QThread_Type : public QThread {
public:
    using Entry = int (*)(AVThread_QThread_Type* thread, void* argument);

    AVThread_QThread_Type(Entry entry, void* argument);

protected:
    void run() override;

private:
    Entry _entry;
    void* _argument;
};

AVThread_QThread_Type* avThreadCreate(AVThread_QThread_Type::Entry entry, void* argument);
void avThreadStart(AVThread_QThread_Type* thread);
// Blocks until the entry function has returned.
void avThreadWait(AVThread_QThread_Type* thread);
// Callers make the entry function return first; freeing waits for the
// thread to finish, so a running thread is never destroyed. Null is ignored.
void avThreadFree(AVThread_QThread_Type* thread);
// Sleeps trunc(seconds x 1000) milliseconds; a negative time sleeps 0.
void avThreadSleep(double seconds);
