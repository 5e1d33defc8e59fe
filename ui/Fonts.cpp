#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace velmora::ui {
namespace {

// The family actually used: Verdana where installed, else DejaVu Sans.
// Asking for the installed family directly spares the font database a
// failed search and a walk through substitutes for every size and weight.
const QString& textFamily()
{
    static const QString family = QFontDatabase::hasFamily(QStringLiteral("Verdana"))
                                      ? QStringLiteral("Verdana")
                                      : QStringLiteral("DejaVu Sans");
    return family;
}

} // namespace

void installFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("Verdana"),
                               {QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans"),
                                QStringLiteral("Tahoma"), QStringLiteral("Arial")});
}

QFont verdana(double pointSize, bool bold, bool underline)
{
    QFont font(textFamily());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace velmora::ui
