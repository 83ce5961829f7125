#include "support/TestMain.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    UseOffscreenPlatformByDefault();
    // As the program does: windows that load the browser engine need it set before the application.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
