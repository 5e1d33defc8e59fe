#include "kit/Pictures.h"

#include "ui/Text.h"

#include <QGuiApplication>
#include <QIconEngine>
#include <QLabel>
#include <QPainter>
#include <QPixmapCache>
#include <QSvgRenderer>

namespace velmora::kit::pictures {

namespace {

// An icon drawn from an SVG for every size and ratio it is asked for, so
// that a window icon is as sharp as the screen, the task bar or the window
// switcher that shows it. It looks the same in every mode and state.
class SvgIconEngine : public QIconEngine {
public:
    explicit SvgIconEngine(QString resourcePath) : resourcePath_(std::move(resourcePath)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        painter->drawPixmap(rect, render(resourcePath_, rect.size(), painter->device()->devicePixelRatioF()));
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return render(resourcePath_, size, 1.0);
    }

    // Asked with the size in device pixels and the ratio they are shown at.
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode, QIcon::State, qreal scale) override
    {
        return render(resourcePath_, (QSizeF(size) / scale).toSize(), scale);
    }

    QIconEngine* clone() const override { return new SvgIconEngine(resourcePath_); }
    QString key() const override { return QStringLiteral("velmora-svg"); }

private:
    QString resourcePath_;
};

} // namespace

QPixmap render(const QString& resourcePath, QSize size, qreal ratio)
{
    // Windows are made afresh for every reading; each picture is drawn once
    // for each size and ratio.
    const QString key = QStringLiteral("%1@%2x%3@%4")
                            .arg(resourcePath)
                            .arg(size.width())
                            .arg(size.height())
                            .arg(ratio);
    QPixmap pixmap;
    if (QPixmapCache::find(key, &pixmap))
        return pixmap;
    QSvgRenderer renderer(resourcePath);
    if (!renderer.isValid() || size.isEmpty() || !(ratio > 0))
        return {};
    pixmap = QPixmap((QSizeF(size) * ratio).toSize());
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    // The painter works in logical pixels; the picture fills the logical size.
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    QPixmapCache::insert(key, pixmap);
    return pixmap;
}

QPixmap render(const QString& resourcePath, QSize size)
{
    return render(resourcePath, size, qGuiApp->devicePixelRatio());
}

QPixmap icon(std::string_view resourcePath)
{
    constexpr int kIconSize = 32;
    return render(ui::toQString(resourcePath), {kIconSize, kIconSize});
}

QIcon windowIcon(std::string_view resourcePath)
{
    return QIcon(new SvgIconEngine(ui::toQString(resourcePath)));
}

bool showIn(QLabel& label, std::string_view resourcePath)
{
    const QPixmap picture = render(ui::toQString(resourcePath), label.contentsRect().size());
    if (picture.isNull())
        return false;
    label.setScaledContents(false);
    label.setPixmap(picture);
    return true;
}

} // namespace velmora::kit::pictures
