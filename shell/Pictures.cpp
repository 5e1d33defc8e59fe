#include "Pictures.h"

#include <QPainter>
#include <QSvgRenderer>

namespace velmora::shell::pictures {

QPixmap render(const QString& resourcePath, QSize size)
{
    QSvgRenderer renderer(resourcePath);
    if (!renderer.isValid() || size.isEmpty())
        return {};
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    return pixmap;
}

QPixmap icon(Icon which)
{
    constexpr int kIconSize = 32;
    static constexpr const char* kPaths[] = {":/icons/velmora.svg", ":/icons/chinese.svg", ":/icons/egyptian.svg",
                                             ":/icons/japanese.svg", ":/icons/western.svg"};
    return render(QLatin1String(kPaths[static_cast<int>(which)]), {kIconSize, kIconSize});
}

} // namespace velmora::shell::pictures
