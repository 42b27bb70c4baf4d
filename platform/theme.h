// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// Text colours that stay readable on whatever theme the desktop gives, light or dark.
//
// The windows were drawn for a light grey background: a few texts have colours of their own
// (dark grey headings, a dark blue title, a red badge...). Each keeps its colour where it stands
// out from what is actually painted behind it by at least 4.5 : 1 (WCAG 2 AA); otherwise it takes
// the nearest colour of the same hue that does.
#pragma once

#include <QColor>
#include <QPalette>
#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>

class QStyle;
class QWidget;

namespace theme {

inline constexpr double readableContrast = 4.5;

// WCAG 2 contrast ratio of two colours, from 1 (the same) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// `designed` where it stands out from `background` by `minimum`; otherwise the colour of the same
// hue and saturation whose lightness is the nearest that does, lighter on a dark background and
// darker on a light one (or the extreme of that side, where even that falls short).
QColor readable(const QColor& designed, const QColor& background,
                double minimum = readableContrast);

// An inactive indicator's text: the palette's disabled text where that is clearly dimmer than
// `on` and still visible on `background`, otherwise a colour half way between the two.
QColor dimmed(const QColor& disabled, const QColor& on, const QColor& background);

// What `style` paints with `palette` in the middle of the frame around the pages of a tab
// widget, and in the middle of a tab, as the options describe them.
QColor pageBackground(const QStyle* style, QStyleOptionTabWidgetFrame option,
                      const QPalette& palette);
QColor tabBackground(const QStyle* style, QStyleOptionTab option, const QPalette& palette);

// Gives a widget's text this colour in every colour group, leaving every other colour to the
// palette it inherits.
void setTextColour(QWidget* widget, const QColor& colour);

} // namespace theme
