#include "ui/Fonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace velmora::ui {
namespace {

const QString kDesignFamily = QStringLiteral("Verdana");
// Metrically close to Verdana; DejaVu Sans is always present on Linux.
const QStringList kStandIns = {QStringLiteral("DejaVu Sans"), QStringLiteral("Bitstream Vera Sans"),
                               QStringLiteral("Tahoma"), QStringLiteral("Arial")};

// Verdana, or where the machine lacks it the first stand-in it has: looked up
// once, so that no font of the suite sends font matching searching again.
const QString& shownFamily()
{
    static const QString family = [] {
        const QStringList candidates = QStringList{kDesignFamily} + kStandIns;
        for (const QString& candidate : candidates) {
            if (QFontDatabase::hasFamily(candidate))
                return candidate;
        }
        return kDesignFamily;
    }();
    return family;
}

} // namespace

void installFontSubstitutes()
{
    QFont::insertSubstitutions(kDesignFamily, kStandIns);
}

QFont verdana(double pointSize, bool bold, bool underline)
{
    QFont font(shownFamily());
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QString designFamily(const QString& family)
{
    return family == shownFamily() ? kDesignFamily : family;
}

} // namespace velmora::ui
