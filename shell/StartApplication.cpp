#include "shell/StartApplication.h"

#include "ui/Platform.h"

namespace velmora::shell {

std::unique_ptr<LauncherFrame> StartApplication(ui::Platform& platform,
                                                std::span<const kit::Calculator* const> calculators)
{
    if (platform.isAnotherCopyRunning()) {
        platform.showMessage(nullptr, QStringLiteral("Application is already running"),
                             ui::MessageIcon::Information);
        return nullptr;
    }
    auto launcher = std::make_unique<LauncherFrame>(platform, calculators);
    launcher->showMaximized();
    return launcher;
}

} // namespace velmora::shell
