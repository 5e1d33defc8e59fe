#include "Pictures.h"

#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace velmora::shell::pictures {

QPixmap render(const QString& resourcePath, QSize size)
{
    // Windows are made afresh for every reading; each picture is drawn once.
    const QString key = QStringLiteral("%1@%2x%3").arg(resourcePath).arg(size.width()).arg(size.height());
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    QSvgRenderer renderer(resourcePath);
    if (!renderer.isValid() || size.isEmpty())
        return {};
    pixmap = QPixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    renderer.render(&painter);
    painter.end();
    QPixmapCache::insert(key, pixmap);
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
