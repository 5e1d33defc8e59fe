#include "Fonts.h"

#include <QStringList>

namespace velmora::ui {

void installFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("Verdana"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans"),
                                QStringLiteral("Tahoma"), QStringLiteral("Arial")});
}

QFont verdana(double pointSize, bool bold, bool underline)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace velmora::ui
