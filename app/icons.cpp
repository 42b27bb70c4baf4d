// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/icons.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace icons {
namespace {

// Every picture is drawn on a 16-unit grid. Outlines run along half units and fills cover
// whole units, so both the 16 px and the 32 px rendering fall on whole pixels.
using Painter = void (*)(QPainter&);

QPixmap render(int size, Painter paint) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    paint(painter);
    return pixmap;
}

// Draws its picture afresh for every size asked, so that buttons at 150 % or 200 % and the
// icon theme's large sizes get real pixels rather than a 16 or 32 px image scaled up or down.
class PictureEngine : public QIconEngine {
public:
    explicit PictureEngine(Painter picture) : paint_(picture) {}

    QIconEngine* clone() const override { return new PictureEngine(paint_); }
    QString key() const override { return QStringLiteral("tarabel-picture"); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        return {{16, 16}, {24, 24}, {32, 32}, {48, 48}, {64, 64}};
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State) override {
        QPixmap picture = render(std::max(1, std::min(size.width(), size.height())), paint_);
        // Only a widget application has a style to grey a disabled picture with.
        if (mode == QIcon::Disabled && qobject_cast<QApplication*>(QCoreApplication::instance())) {
            QStyleOption option;
            picture = QApplication::style()->generatedIconPixmap(mode, picture, &option);
        }
        return picture;
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        QPixmap picture = pixmap(rect.size() * ratio, mode, state);
        picture.setDevicePixelRatio(ratio);
        painter->drawPixmap(rect.topLeft(), picture);
    }

private:
    Painter paint_;
};

QIcon iconOf(Painter paint) {
    return QIcon(new PictureEngine(paint));
}

const QColor outline(0x40, 0x40, 0x40);
const QColor textLine(0x5a, 0x78, 0xa8);

// A sheet of paper: white, outlined, with a few lines of text. `left` and `top` are whole
// units; the sheet is `width` x `height` units.
void drawPage(QPainter& p, int left, int top, int width, int height) {
    p.setPen(QPen(outline, 1.0));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(left + 0.5, top + 0.5, width - 1, height - 1));
    for (int y = top + 3; y + 2 < top + height; y += 2)
        p.fillRect(QRectF(left + 2, y, width - 4, 1), textLine);
}

void paintCopy(QPainter& p) {
    drawPage(p, 1, 1, 9, 11);
    drawPage(p, 6, 4, 9, 11);
}

void paintPaste(QPainter& p) {
    // The board.
    p.setPen(QPen(QColor(0x6b, 0x45, 0x1e), 1.0));
    p.setBrush(QColor(0xc8, 0x8e, 0x4e));
    p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12), 1.0, 1.0);
    // The clip.
    p.setPen(QPen(outline, 1.0));
    p.setBrush(QColor(0xc8, 0xc8, 0xc8));
    p.drawRect(QRectF(3.5, 1.5, 6, 3));
    // The page held on it.
    drawPage(p, 6, 6, 9, 10);
}

QPolygonF star(QPointF centre, double outer, double inner) {
    QPolygonF points;
    for (int i = 0; i < 10; ++i) {
        const double radius = i % 2 == 0 ? outer : inner;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        points << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    return points;
}

void paintWindow(QPainter& p) {
    // Night sky.
    const QColor sky(0x1a, 0x23, 0x5c);
    p.setPen(Qt::NoPen);
    p.setBrush(sky);
    p.drawRoundedRect(QRectF(0, 0, 16, 16), 3.0, 3.0);
    // Crescent: a disc with an offset disc of sky painted over it. (Subtracting the paths would
    // flatten the arcs into the corners of a polygon, which shows at the large theme sizes.)
    p.setBrush(QColor(0xf6, 0xd3, 0x4a));
    p.drawEllipse(QPointF(6.5, 8.5), 5.5, 5.5);
    p.setBrush(sky);
    p.drawEllipse(QPointF(9.0, 6.8), 4.6, 4.6);
    // Star.
    p.setBrush(Qt::white);
    p.drawPolygon(star(QPointF(12.0, 4.2), 3.0, 1.25));
}

} // namespace

QIcon copyIcon() {
    return iconOf(paintCopy);
}
QIcon pasteIcon() {
    return iconOf(paintPaste);
}
QIcon windowIcon() {
    return iconOf(paintWindow);
}

} // namespace icons
