#include "shell/Calculators.h"
#include "shell/CommandLine.h"
#include "shell/StartApplication.h"
#include "ui/Fonts.h"
#include "ui/ProductInfo.h"
#include "ui/QtPlatform.h"

#include <QApplication>

#include <iostream>

int main(int argc, char* argv[])
{
    // --help and --version answer without a display and without the lock.
    if (const auto exitCode = velmora::shell::handleCommandLine({argv, static_cast<std::size_t>(argc)}, std::cout,
                                                                std::cerr))
        return *exitCode;

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral(VELMORA_PRODUCT_NAME));
    QApplication::setApplicationVersion(QStringLiteral(VELMORA_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral(VELMORA_APP_ID));
    velmora::ui::installFontSubstitutes();

    velmora::ui::QtPlatform platform;
    const auto launcher = velmora::shell::StartApplication(platform, velmora::shell::calculators());
    if (!launcher)
        return 0;
    return QApplication::exec();
}
