#include "AVSync.h"

#include <QMutex>
#include <QWaitCondition>

AVMutex* avMutexCreate()
{
    return new QMutex();
}

void avMutexFree(AVMutex* mutex)
{
    delete mutex;
}

void avMutexLock(AVMutex* mutex)
{
    mutex->lock();
}

void avMutexUnlock(AVMutex* mutex)
{
    mutex->unlock();
}

AVCondition* avConditionCreate()
{
    return new QWaitCondition();
}

void avConditionFree(AVCondition* condition)
{
    delete condition;
}

void avConditionWait(AVCondition* condition, AVMutex* mutex)
{
    condition->wait(mutex);
}

void avConditionWakeAll(AVCondition* condition)
{
    condition->wakeAll();
}

bool avConditionWaitFor(AVCondition* condition, AVMutex* mutex, unsigned long milliseconds)
{
    return condition->wait(mutex, milliseconds);
}
