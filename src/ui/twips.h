#pragma once
// The windows were laid out in twips (1/1440 inch); on screen a twip is 1/15 of a
// device-independent pixel (1440 twips per inch at 96 dots per inch).

#include <QRect>

namespace tallimo::ui {

inline constexpr int kTwipsPerPixel = 15;

constexpr int twipsToPixels(int twips) { return (twips * 2 + kTwipsPerPixel) / (2 * kTwipsPerPixel); }

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;

    QRect toPixels() const
    {
        return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
    }
};

}  // namespace tallimo::ui
