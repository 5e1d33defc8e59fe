#pragma once

#include "frmMDI.h"

#include <memory>

namespace velmora::shell {

// Start-up: a second copy says so and ends; the first shows the launcher
// (maximised, the welcome panel visible, no calculator open). Returns the
// launcher, or null when this copy must end.
std::unique_ptr<frmMDI> StartApplication(ui::Platform& platform, CalculatorOpeners openers);

} // namespace velmora::shell
