#pragma once
// Lengths in twips and colours as 24-bit RGB, the units the game is written in.
#include <QColor>
#include <QRect>
#include <cmath>
#include <cstdint>

namespace ui {

inline constexpr double TwipsPerPixel = 15.0;  // 1/1440 inch at 96 dpi

// Edges are rounded, not sizes: two controls that touch in twips then touch on
// screen, with neither a gap nor an overlap between them.
inline int twipsToPixelEdge(double twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

inline QRect twipsToPixelRect(double left, double top, double width, double height)
{
    const int l = twipsToPixelEdge(left);
    const int t = twipsToPixelEdge(top);
    const int r = twipsToPixelEdge(left + width);
    const int b = twipsToPixelEdge(top + height);
    return QRect(l, t, r - l, b - t);
}

// RGB(r, g, b) stored as r + 256·g + 65536·b.
inline constexpr std::int32_t RGB(int r, int g, int b)
{
    return r + 256 * g + 65536 * b;
}

inline QColor toQColor(std::int32_t rgb)
{
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

inline constexpr std::int32_t Schwarz = RGB(0, 0, 0);
inline constexpr std::int32_t Weiss = RGB(255, 255, 255);

inline const QString CrLf = QStringLiteral("\r\n");

}  // namespace ui
