// The shared main of every test executable: Qt's offscreen platform unless told otherwise,
// the application object created before any test runs.
#include <QApplication>
#include <gtest/gtest.h>

#include "platform/fonts.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    platform::installFontSubstitutions();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
