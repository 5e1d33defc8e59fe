#pragma once

#include <QFont>

namespace velmora::ui {

// Every text of the suite is set in Verdana; where the machine lacks it,
// DejaVu Sans (metrically close and always present on Linux) stands in.
void installFontSubstitutes();
QFont verdana(double pointSize, bool bold = false, bool underline = false);

} // namespace velmora::ui
