// SPDX-FileCopyrightText: 2026 Proyecto Tarabel
// SPDX-License-Identifier: GPL-3.0-or-later
// The window's tab control. A change of page changes nothing but the page: when the focus was on
// the page being left, it goes to the tab strip, as on a tab control the user has just used. A
// plain QTabWidget hands it to a control of the new page instead, and a text field that receives
// it runs its focus handler, which selects its text and changes the button Enter presses.
#pragma once

#include <QStyleOptionTab>
#include <QStyleOptionTabWidgetFrame>
#include <QTabWidget>

class PageTabs : public QTabWidget {
public:
    explicit PageTabs(QWidget* parent = nullptr);

    // How the style is asked to paint the frame around the pages and the tab `index`.
    QStyleOptionTabWidgetFrame frameOption() const;
    QStyleOptionTab tabOption(int index) const;
};
