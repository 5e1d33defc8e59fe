#include "Calculators.h"
#include "Fonts.h"
#include "QtPlatform.h"
#include "StartApplication.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velmora Suite"));
    velmora::ui::installFontSubstitutes();

    velmora::ui::QtPlatform platform;
    const auto launcher = velmora::shell::StartApplication(platform, velmora::shell::calculatorEntryWindows());
    if (!launcher)
        return 0;
    return QApplication::exec();
}
