// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/page_tabs.h"

#include <QTabBar>

PageTabs::PageTabs(QWidget* parent) : QTabWidget(parent) {
    // Every change of page (a click, an access key, Ctrl+Tab, the wheel, the program) goes
    // through the strip's currentChanged. Connected before setTabBar connects the change of page
    // itself, this runs first, while the old page is still shown; the page change then finds the
    // focus outside the old page and leaves it where it is.
    auto* strip = new QTabBar(this);
    strip->setObjectName(QStringLiteral("qt_tabwidget_tabbar"));
    strip->setDrawBase(false); // as the strip QTabWidget makes for itself
    connect(strip, &QTabBar::currentChanged, this, [this, strip] {
        QWidget* focus = window()->focusWidget();
        if (focus && focus != strip && isAncestorOf(focus))
            strip->setFocus(Qt::OtherFocusReason);
    });
    setTabBar(strip);
}
