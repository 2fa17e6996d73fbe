#pragma once
// Every window of the program is placed in twips, 15 to a pixel on the screen
// the layout was drawn for. The one conversion, rounding to the nearest pixel.

#include <QRect>

namespace Twips {

constexpr int PerPixel = 15;
constexpr int px(int twips) { return (twips + PerPixel / 2) / PerPixel; }
constexpr QRect rect(int left, int top, int width, int height)
{
    return QRect(px(left), px(top), px(width), px(height));
}
constexpr QRect rect(const QRect &twips) { return rect(twips.x(), twips.y(), twips.width(), twips.height()); }

} // namespace Twips
