#include "DemoSupport.h"

#include "AVThread_QThread_Type.h"

#include <QElapsedTimer>

QString optionText(const QStringList& arguments, const QString& name, const QString& fallback)
{
    const int at = arguments.indexOf(name);
    return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : fallback;
}

bool waitFor(const std::function<bool()>& condition, double seconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        if (timer.elapsed() > qint64(seconds * 1000))
            return false;
        avThreadSleep(0.005);
    }
    return true;
}
