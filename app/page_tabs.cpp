// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/page_tabs.h"

#include <QTabBar>

namespace {
// The strip, with the way it asks the style to paint a tab in reach.
class PageStrip : public QTabBar {
public:
    using QTabBar::initStyleOption;
    using QTabBar::QTabBar;
};
} // namespace

PageTabs::PageTabs(QWidget* parent) : QTabWidget(parent) {
    // Every change of page (a click, an access key, Ctrl+Tab, the wheel, the program) goes
    // through the strip's currentChanged. Connected before setTabBar connects the change of page
    // itself, this runs first, while the old page is still shown; the page change then finds the
    // focus outside the old page and leaves it where it is.
    auto* strip = new PageStrip(this);
    strip->setObjectName(QStringLiteral("qt_tabwidget_tabbar"));
    strip->setDrawBase(false); // as the strip QTabWidget makes for itself
    connect(strip, &QTabBar::currentChanged, this, [this, strip] {
        QWidget* focus = window()->focusWidget();
        if (focus && focus != strip && isAncestorOf(focus))
            strip->setFocus(Qt::OtherFocusReason);
    });
    setTabBar(strip);
}

QStyleOptionTabWidgetFrame PageTabs::frameOption() const {
    QStyleOptionTabWidgetFrame option;
    initStyleOption(&option);
    return option;
}

QStyleOptionTab PageTabs::tabOption(int index) const {
    QStyleOptionTab option;
    static_cast<const PageStrip*>(tabBar())->initStyleOption(&option, index);
    return option;
}
