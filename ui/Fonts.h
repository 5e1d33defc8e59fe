#pragma once

#include <QFont>

namespace velmora::ui {

// Every text of the suite is set in Verdana; where the machine lacks it,
// DejaVu Sans (metrically close and always present on Linux) stands in.
void installFontSubstitutes();
QFont verdana(double pointSize, bool bold = false, bool underline = false);
// The family a saved document names for text shown in `family`: Verdana for
// its stand-in, any other family as it is.
QString designFamily(const QString& family);

} // namespace velmora::ui
