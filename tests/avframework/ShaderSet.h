#pragma once

#include <QResource>
#include <QString>

#include <gtest/gtest.h>

// Swaps the compiled-in shaders for the set in a resource file, and back.
inline void useShaderSet(const QString& resourceFile)
{
    Q_CLEANUP_RESOURCE(avshaders);
    ASSERT_TRUE(QResource::registerResource(resourceFile)) << resourceFile.toStdString();
}

inline void restoreShaderSet(const QString& resourceFile)
{
    QResource::unregisterResource(resourceFile);
    Q_INIT_RESOURCE(avshaders);
}
