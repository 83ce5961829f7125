#include "support/TestMain.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <gtest/gtest.h>

#include "web/engine/EngineEntry.h"
#include "web/engine/EngineSanitizerOptions.h"

int main(int argc, char** argv)
{
    UseOffscreenPlatformByDefault();
    PrepareEngineEnvironment();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QGuiApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("qt.webenginecontext.info=false"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
