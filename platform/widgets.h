// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// What both windows build their controls with: the fonts they were drawn in, with what the system
// has standing in for the Windows families, and a control put in its place under its name.
#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>

namespace widgets {

// The first of `families` that is installed. Only installed families are asked for: a missing
// one sends every font through the system's substitution rules, a good part of the start-up time.
QFont fontOf(const QStringList& families, double points, bool bold = false);

// Verdana, or DejaVu Sans after it.
QFont verdana(double points, bool bold = false);
// MS Sans Serif is narrower than DejaVu Sans; the condensed cut keeps the unit names within their
// lists where it is installed.
QFont msSansSerif(double points, bool bold = false);
// Arial, or the metric-compatible Liberation Sans, or the condensed DejaVu face.
QFont arial(double points, bool bold = false);

// The control, named as other tools find it, at its place in its parent.
template <typename Widget> Widget* place(Widget* widget, const char* name, const QRect& where) {
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(where);
    return widget;
}

} // namespace widgets
