#pragma once

#include <QRect>

namespace quellard {

// The table is laid out in twips, 1/1440 inch: fifteen of them make one device-independent pixel.
// Qt's high-DPI scaling takes it from there.
constexpr int twips(int value) { return value / 15; }

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

// Colours as the table's palette writes them: 0xBBGGRR, blue in the high byte.
constexpr QRgb bgr(unsigned value)
{
    return qRgb(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

} // namespace quellard
