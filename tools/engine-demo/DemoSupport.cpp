#include "DemoSupport.h"

QString optionText(const QStringList& arguments, const QString& name, const QString& fallback)
{
    const int at = arguments.indexOf(name);
    return at >= 0 && at + 1 < arguments.size() ? arguments.at(at + 1) : fallback;
}
