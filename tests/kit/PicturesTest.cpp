#include "kit/Pictures.h"

#include <QImage>
#include <QLabel>

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>

using namespace velmora::kit;

namespace {

const QString kSign = QStringLiteral(":/western/signs/Leo.svg");

// The pixels alone, without the ratio they are shown at.
QImage pixels(const QPixmap& pixmap)
{
    QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(1.0);
    return image;
}

// The largest difference of any colour channel between two pictures of the
// same size; 255 when their sizes differ.
int largestDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 255;
    int largest = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q)), std::abs(qAlpha(p) - qAlpha(q))});
        }
    return largest;
}

} // namespace

// A picture shown at ratio r covers r times the pixels in each direction and
// is drawn at that resolution: as the SVG drawn at the
// larger size, not a smaller drawing scaled up.
TEST(Pictures, AreDrawnAtTheDevicePixelsTheyCover)
{
    const QSize logical(40, 40);
    const QImage onePixelPerPixel = pixels(pictures::render(kSign, logical, 1.0));
    for (const qreal ratio : {1.0, 1.5, 2.0, 3.0}) {
        SCOPED_TRACE(ratio);
        const QPixmap picture = pictures::render(kSign, logical, ratio);
        const QSize device = (QSizeF(logical) * ratio).toSize();
        EXPECT_EQ(picture.size(), device);
        EXPECT_EQ(picture.devicePixelRatio(), ratio);
        EXPECT_EQ(picture.deviceIndependentSize(), QSizeF(logical));
        // Scaling the painter rather than the picture may round an edge
        // pixel's colour differently by one step.
        EXPECT_LE(largestDifference(pixels(picture), pixels(pictures::render(kSign, device, 1.0))), 1);
        if (ratio > 1.0) {
            // The upscaled small drawing has soft edges where the real one has
            // sharp ones; the sign has enough edges for them to differ.
            const QImage upscaled = onePixelPerPixel.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            EXPECT_GT(largestDifference(pixels(picture), upscaled), 64);
        }
    }
}

TEST(Pictures, NothingToDrawGivesANullPicture)
{
    EXPECT_TRUE(pictures::render(QStringLiteral(":/western/signs/Ophiuchus.svg"), {40, 40}, 2.0).isNull());
    EXPECT_TRUE(pictures::render(kSign, {0, 40}, 2.0).isNull());
    EXPECT_TRUE(pictures::render(kSign, {40, 40}, 0.0).isNull());
}

// The window icon is drawn from its SVG for any size and ratio the desktop
// asks for, far beyond the 32 pixels of the launcher's icons.
TEST(Pictures, TheWindowIconIsDrawnAtAnySizeAndRatio)
{
    const QIcon icon = pictures::windowIcon(pictures::kProgramIcon);
    for (const int size : {16, 48, 256}) {
        SCOPED_TRACE(size);
        const QPixmap drawn = icon.pixmap(QSize(size, size), 2.0);
        EXPECT_EQ(drawn.size(), QSize(size * 2, size * 2));
        EXPECT_EQ(drawn.devicePixelRatio(), 2.0);
        EXPECT_EQ(pixels(drawn), pixels(pictures::render(QStringLiteral(":/icons/velmora.svg"), {size, size}, 2.0)));
        EXPECT_EQ(pixels(icon.pixmap(QSize(size, size), 1.0)).size(), QSize(size, size));
    }
}

// A picture box shows its picture drawn for the space inside it, so painting
// never scales it; a picture that does not exist leaves the box as it was.
TEST(Pictures, APictureBoxShowsItsPictureDrawnForItsInside)
{
    QLabel box;
    box.resize(101, 77);
    box.setFrameStyle(QFrame::Box);
    box.setLineWidth(3);
    box.setScaledContents(true);
    ASSERT_TRUE(pictures::showIn(box, ":/western/signs/Leo.svg"));
    EXPECT_FALSE(box.hasScaledContents());
    EXPECT_EQ(pixels(box.pixmap()), pixels(pictures::render(kSign, box.contentsRect().size())));

    const qint64 shown = box.pixmap().cacheKey();
    EXPECT_FALSE(pictures::showIn(box, ":/western/signs/Ophiuchus.svg"));
    EXPECT_EQ(box.pixmap().cacheKey(), shown);
}
