#pragma once
// Shared by the two test mains: tests run off screen unless the caller chose a platform.
#include <QByteArray>
#include <QtGlobal>

inline void UseOffscreenPlatformByDefault()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArray("offscreen"));
}
