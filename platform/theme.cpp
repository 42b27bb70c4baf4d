// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/theme.h"

#include <QImage>
#include <QPainter>
#include <QStyle>
#include <cmath>

namespace theme {

namespace {

double channel(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * channel(rgb.redF()) + 0.7152 * channel(rgb.greenF()) +
           0.0722 * channel(rgb.blueF());
}

// A colour as it is painted: 8 bits a channel.
QColor painted(const QColor& colour) {
    return QColor(colour.rgb());
}

// The middle pixel of what the style paints into a small image.
template <typename Paint> QColor sample(const QPalette& palette, QSize size, Paint paint) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(palette.color(QPalette::Window));
    QPainter painter(&image);
    paint(painter, image.rect());
    painter.end();
    return image.pixelColor(size.width() / 2, size.height() / 2);
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor readable(const QColor& designed, const QColor& background, double minimum) {
    if (contrastRatio(designed, background) >= minimum)
        return designed;
    const bool lighter =
        contrastRatio(Qt::white, background) > contrastRatio(Qt::black, background);
    float hue = 0, saturation = 0, lightness = 0, alpha = 1;
    designed.toHsl().getHslF(&hue, &saturation, &lightness, &alpha);
    const auto at = [&](float l) {
        return painted(QColor::fromHslF(hue < 0 ? 0 : hue, saturation, l, alpha));
    };
    // The search runs from the designed lightness (too little contrast) towards white or black;
    // contrast grows all the way, so halving finds the nearest lightness that is enough.
    float failing = lightness;
    float passing = lighter ? 1 : 0;
    if (contrastRatio(at(passing), background) < minimum)
        return at(passing);
    for (int step = 0; step < 20; ++step) {
        const float middle = (failing + passing) / 2;
        (contrastRatio(at(middle), background) >= minimum ? passing : failing) = middle;
    }
    return at(passing);
}

QColor dimmed(const QColor& disabled, const QColor& on, const QColor& background) {
    const double onContrast = contrastRatio(on, background);
    const double contrast = contrastRatio(disabled, background);
    const bool towardsOn =
        (luminance(disabled) - luminance(background)) * (luminance(on) - luminance(background)) > 0;
    if (towardsOn && contrast >= 1.5 && contrast * 1.5 <= onContrast)
        return disabled;
    const QColor a = on.toRgb(), b = background.toRgb();
    return painted(QColor::fromRgbF((a.redF() + b.redF()) / 2, (a.greenF() + b.greenF()) / 2,
                                    (a.blueF() + b.blueF()) / 2));
}

QColor pageBackground(const QStyle* style, QStyleOptionTabWidgetFrame option,
                      const QPalette& palette) {
    const QSize size(64, 64);
    return sample(palette, size, [&](QPainter& painter, const QRect& rect) {
        option.palette = palette;
        option.rect = rect;
        style->drawPrimitive(QStyle::PE_FrameTabWidget, &option, &painter);
    });
}

QColor tabBackground(const QStyle* style, QStyleOptionTab option, const QPalette& palette) {
    return sample(palette, option.rect.size(), [&](QPainter& painter, const QRect& rect) {
        option.palette = palette;
        option.rect = rect;
        style->drawControl(QStyle::CE_TabBarTabShape, &option, &painter);
    });
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette; // no role of its own but the text: the rest follows the parent
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::WindowText, colour);
    widget->setPalette(palette);
}

} // namespace theme
