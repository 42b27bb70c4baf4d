// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Window geometry is laid out in twips (1/1440 inch), 15 twips to a pixel at 96 dots per inch.
// Qt scales logical pixels for high-DPI screens, so one fixed ratio is enough here.
#pragma once

#include <QRect>

namespace twips {

inline constexpr int perPixel = 15;

// Twips to logical pixels, rounded to the nearest pixel.
constexpr int px(int twips) {
    return (twips * 2 + perPixel) / (perPixel * 2);
}

// A rectangle given as left, top, width, height in twips. Edges are rounded rather than sizes,
// so neighbouring controls keep their gaps.
inline QRect rect(int left, int top, int width, int height) {
    const int x = px(left);
    const int y = px(top);
    return QRect(x, y, px(left + width) - x, px(top + height) - y);
}

} // namespace twips
