#include "ui/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace velmora::ui {
namespace {

double logicalDpi()
{
    constexpr double kFallbackDpi = 96.0;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchX() : kFallbackDpi;
}

} // namespace

int twipsToPixels(int twips)
{
    return static_cast<int>(std::lround(twips * logicalDpi() / kTwipsPerInch));
}

int pixelsToTwips(int pixels)
{
    return static_cast<int>(std::lround(pixels * kTwipsPerInch / logicalDpi()));
}

QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

QSize twipsSize(int width, int height)
{
    return {twipsToPixels(width), twipsToPixels(height)};
}

} // namespace velmora::ui
