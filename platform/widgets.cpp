// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/widgets.h"

#include <QFontDatabase>

namespace widgets {

QFont fontOf(const QStringList& families, double points, bool bold) {
    static const QStringList installed = QFontDatabase::families();
    QStringList present;
    for (const QString& family : families)
        if (installed.contains(family))
            present << family;
    QFont font;
    font.setFamilies(present.isEmpty() ? families : present);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont verdana(double points, bool bold) {
    return fontOf({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans")}, points, bold);
}

QFont msSansSerif(double points, bool bold) {
    return fontOf({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                   QStringLiteral("DejaVu Sans Condensed"), QStringLiteral("DejaVu Sans")},
                  points, bold);
}

QFont arial(double points, bool bold) {
    return fontOf({QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                   QStringLiteral("DejaVu Sans Condensed")},
                  points, bold);
}

} // namespace widgets
