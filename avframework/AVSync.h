#pragma once

// Mutexes and wait conditions of the engine: thin wrappers over Qt's, so the
// engine core names no toolkit type in its records.

class QMutex;
class QWaitCondition;
using AVMutex = QMutex;
using AVCondition = QWaitCondition;

AVMutex* avMutexCreate();           // non-recursive
void avMutexFree(AVMutex* mutex);   // null ignored
void avMutexLock(AVMutex* mutex);
void avMutexUnlock(AVMutex* mutex);

AVCondition* avConditionCreate();
void avConditionFree(AVCondition* condition);
// The caller holds the mutex; it is released while waiting and held again on return.
void avConditionWait(AVCondition* condition, AVMutex* mutex);
void avConditionWakeAll(AVCondition* condition);

// As avConditionWait, but returns after at most milliseconds; false on timeout.
// Every wait in the engine is bounded: loops re-check their stop flags.
bool avConditionWaitFor(AVCondition* condition, AVMutex* mutex, unsigned long milliseconds);
