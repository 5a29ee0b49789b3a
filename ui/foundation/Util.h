#pragma once

#include <QObject>

// Static helpers shared by the interface. The class has no instances; it is a
// QObject so that its texts are translated in the "Util" context.
class Util : public QObject
{
    Q_OBJECT

public:
    Util() = delete;

    // 0 when a - b lies within [-tolerance, tolerance], else the sign of a - b.
    static int compareWithTolerance(float a, float b, float tolerance);
};
