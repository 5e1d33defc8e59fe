#include "StartApplication.h"

#include "Platform.h"

namespace velmora::shell {

std::unique_ptr<frmMDI> StartApplication(ui::Platform& platform, CalculatorOpeners openers)
{
    if (platform.isAnotherCopyRunning()) {
        platform.showMessage(nullptr, QStringLiteral("Application is already running"),
                             ui::MessageIcon::Information);
        return nullptr;
    }
    auto launcher = std::make_unique<frmMDI>(platform, std::move(openers));
    launcher->showMaximized();
    return launcher;
}

} // namespace velmora::shell
