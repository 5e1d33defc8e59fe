#pragma once

#include "shell/LauncherFrame.h"

#include <memory>

namespace velmora::shell {

// Start-up: a second copy says so and ends; the first shows the launcher
// (maximised, the welcome panel visible, no calculator open). Returns the
// launcher, or null when this copy must end.
std::unique_ptr<LauncherFrame> StartApplication(ui::Platform& platform,
                                                std::span<const kit::Calculator* const> calculators);

} // namespace velmora::shell
