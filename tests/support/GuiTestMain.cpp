#include "ui/Fonts.h"

#include <QApplication>
#include <gtest/gtest.h>

// Widget tests run against a real QApplication, on the offscreen platform
// unless the caller chose another.
int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    velmora::ui::installFontSubstitutes();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
