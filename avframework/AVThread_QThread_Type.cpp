#include "AVThread_QThread_Type.h"

AVThread_QThread_Type::AVThread_QThread_Type(Entry entry, void* argument)
    : QThread(nullptr), _entry(entry), _argument(argument)
{
}

void AVThread_QThread_Type::run()
{
    if (_entry)
        _entry(this, _argument);
}

AVThread_QThread_Type* avThreadCreate(AVThread_QThread_Type::Entry entry, void* argument)
{
    return new AVThread_QThread_Type(entry, argument);
}

void avThreadStart(AVThread_QThread_Type* thread)
{
    thread->start(QThread::InheritPriority);
}

void avThreadWait(AVThread_QThread_Type* thread)
{
    thread->wait();
}

void avThreadFree(AVThread_QThread_Type* thread)
{
    // Destroying a running QThread aborts the process; a caller that forgot
    // to wait gets the wait here instead.
    if (thread)
        thread->wait();
    delete thread;
}

void avThreadSleep(double seconds)
{
    if (!(seconds > 0.0))
        return;
    QThread::msleep(static_cast<unsigned long>(seconds * 1000.0));
}
